// Display-list operations as QPainter calls, each with the pen, brush, font, colours and
// clip it was recorded with.
#include "platform/ui/qt/DisplayListPainter.h"

#include <QPainter>
#include <cstdlib>

#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

namespace {

QRect toQRect(const CRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

QPen penOf(const LogPen& pen) {
    if (pen.style == PS_NULL)
        return Qt::NoPen;
    QPen result(ToQColor(pen.color), std::max(1, pen.width));
    result.setStyle(pen.style == PS_DASH  ? Qt::DashLine
                    : pen.style == PS_DOT ? Qt::DotLine
                                          : Qt::SolidLine);
    return result;
}

QFont fontOf(const LogFont& font) {
    QFont result(ToQString(font.face));
    // A negative height is the characters' own height; a positive one includes the line's
    // leading, of which the characters take about four fifths.
    const int pixels = font.height < 0 ? -font.height : font.height * 4 / 5;
    result.setPixelSize(std::max(1, pixels));
    result.setWeight(font.weight >= FW_BOLD ? QFont::Bold : QFont::Normal);
    result.setItalic(font.italic);
    return result;
}

void applyState(QPainter& painter, const DrawState& state) {
    if (state.clip.IsRectEmpty())
        painter.setClipping(false);
    else
        painter.setClipRect(toQRect(state.clip));
    painter.setPen(penOf(state.pen));
    painter.setBrush(state.brush.hollow ? QBrush(Qt::NoBrush)
                                        : QBrush(ToQColor(state.brush.color)));
    painter.setCompositionMode(state.rop2 == R2_NOT      ? QPainter::RasterOp_NotDestination
                               : state.rop2 == R2_XORPEN ? QPainter::RasterOp_SourceXorDestination
                                                         : QPainter::CompositionMode_SourceOver);
}

} // namespace

QImage ToQImage(const PixelImage& image) {
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            QColor color = ToQColor(image.At(x, y));
            if (image.IsTransparent(x, y))
                color.setAlpha(0);
            result.setPixelColor(x, y, color);
        }
    return result;
}

void PaintDisplayList(QPainter& painter, const DisplayList& list) {
    painter.save();
    for (const DrawOp& op : list) {
        applyState(painter, op.state);
        switch (op.kind) {
        case DrawKind::Line:
            if (op.points.size() >= 2)
                painter.drawLine(op.points[0].x, op.points[0].y, op.points[1].x, op.points[1].y);
            break;
        case DrawKind::Rectangle:
            // The rectangle's right and bottom edges lie outside it, as the system draws.
            painter.drawRect(op.rect.left, op.rect.top, op.rect.Width() - 1, op.rect.Height() - 1);
            break;
        case DrawKind::FillRect:
            painter.fillRect(toQRect(op.rect), ToQColor(op.fillColor));
            break;
        case DrawKind::Polygon: {
            QPolygon polygon;
            for (const CPoint& p : op.points)
                polygon << QPoint(p.x, p.y);
            painter.drawPolygon(polygon);
            break;
        }
        case DrawKind::Text:
            if (op.state.bkMode == OPAQUE)
                painter.fillRect(toQRect(op.rect), ToQColor(op.state.bkColor));
            painter.setFont(fontOf(op.state.font));
            painter.setPen(ToQColor(op.state.textColor));
            painter.drawText(toQRect(op.rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                             ToQString(op.text));
            break;
        case DrawKind::Image:
            painter.drawImage(QPoint(op.rect.left, op.rect.top), ToQImage(op.image));
            break;
        }
    }
    painter.restore();
}

} // namespace zn::ui::qt
