// The rich-edit control's visible lines drawn run by run, split where the selection
// begins and ends.
#include "platform/ui/qt/RichEditPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <map>
#include <tuple>

#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

namespace {

using richedit::CharFormat;
using richedit::RichEditModel;

constexpr int kBaseline = 12; // pixels below a line's top, for text of the default height

// A fixed-pitch font whose every character advances exactly one of the model's cells,
// whatever its size; kept per look because measuring is the expensive part.
const QFont& cellFont(const CharFormat& format) {
    using Key = std::tuple<int, bool, bool, bool, bool>;
    static std::map<Key, QFont> fonts;
    const int pixels = std::max(4, int(format.height) / RichEditModel::kTwipsPerPixel);
    const bool underline = format.effects & (richedit::CFE_UNDERLINE | richedit::CFE_LINK);
    Key key{pixels, bool(format.effects & richedit::CFE_BOLD),
            bool(format.effects & richedit::CFE_ITALIC), underline,
            bool(format.effects & richedit::CFE_STRIKEOUT)};
    auto it = fonts.find(key);
    if (it != fonts.end())
        return it->second;
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixels);
    font.setBold(std::get<1>(key));
    font.setItalic(std::get<2>(key));
    font.setUnderline(underline);
    font.setStrikeOut(std::get<4>(key));
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, RichEditModel::kCellWidth - advance);
    return fonts.emplace(key, font).first->second;
}

QColor textColor(const CharFormat& format, const QPalette& palette) {
    if ((format.effects & richedit::CFE_AUTOCOLOR) || !(format.mask & richedit::CFM_COLOR))
        return palette.color(QPalette::Text);
    if (format.effects & richedit::CFE_LINK)
        return QColor(0, 0, 0xCC);
    return ToQColor(format.color);
}

// Control characters take their cell and show nothing.
QString visibleText(const ZnsStringW& text, int from, int to) {
    QString result = ToQString(std::u16string_view(text).substr(size_t(from), size_t(to - from)));
    for (QChar& c : result)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return result;
}

// `width` pixels of text (none for a tab, which only shows its selection) on a line `height`
// pixels high; the selection covers the whole line, its spacing too.
void drawPiece(QPainter& painter, QPoint at, QSize size, const QString& text,
               const CharFormat& format, bool selected, const QPalette& palette) {
    if (selected)
        painter.fillRect(QRect(at, size),
                         palette.color(QPalette::Highlight));
    if (text.isEmpty())
        return;
    painter.setFont(cellFont(format));
    // The offset raises (positive) or lowers the baseline; super- and subscripts also
    // come with their smaller height.
    const int baseline = at.y() + kBaseline - int(format.offset) / RichEditModel::kTwipsPerPixel;
    const QColor color =
        selected ? palette.color(QPalette::HighlightedText) : textColor(format, palette);
    if (format.effects & (richedit::CFE_EMBOSS | richedit::CFE_IMPRINT)) {
        // Raised text is lit from the top left; engraved text is lit from the bottom right.
        const int light = (format.effects & richedit::CFE_EMBOSS) ? -1 : 1;
        painter.setPen(palette.color(QPalette::Light));
        painter.drawText(at.x() + light, baseline + light, text);
        painter.setPen(palette.color(QPalette::Dark));
        painter.drawText(at.x() - light, baseline - light, text);
        painter.setPen(palette.color(QPalette::Mid));
    } else {
        painter.setPen(color);
    }
    painter.drawText(at.x(), baseline, text);
}

} // namespace

void PaintRichEdit(QPainter& painter, const CRichEditCtrl& edit, bool focused,
                   const QPalette& palette) {
    const CRect client = edit.GetClientRect();
    painter.fillRect(QRect(0, 0, client.Width(), client.Height()), palette.color(QPalette::Base));
    const richedit::Rect area = edit.GetRect();
    QRect view(area.left, area.top, area.right - area.left, area.bottom - area.top);
    if (view.isEmpty())
        view = QRect(0, 0, client.Width(), client.Height());
    painter.save();
    painter.setClipRect(view, Qt::IntersectClip);
    const auto& doc = edit.Document();
    const ZnsStringW& text = doc.Text();
    int selStart = 0, selEnd = 0;
    edit.GetSel(selStart, selEnd);
    for (int line = edit.GetFirstVisibleLine(); line < edit.GetLineCount(); ++line) {
        const int start = edit.LineIndex(line);
        if (start < 0)
            break;
        const int end = start + edit.LineLength(start);
        const int height = edit.GetLineHeight(line);
        if (edit.PosFromChar(start).y > view.bottom())
            break;
        doc.ForEachRun(start, end, [&](int from, int to, const CharFormat& format) {
            if (format.effects & richedit::CFE_HIDDEN)
                return;
            // A run splits where the selection begins and ends.
            const int cuts[] = {from, std::clamp(selStart, from, to), std::clamp(selEnd, from, to),
                                to};
            for (int i = 0; i < 3; ++i) {
                // A tab reaches its stop, so it is a piece of its own.
                for (int piece = cuts[i], next = piece; piece < cuts[i + 1]; piece = next) {
                    const bool tab = text[size_t(piece)] == u'\t';
                    next = piece + 1;
                    while (!tab && next < cuts[i + 1] && text[size_t(next)] != u'\t')
                        ++next;
                    const richedit::Point at = edit.PosFromChar(piece);
                    const int width =
                        tab ? edit.GetCharWidth(piece) : (next - piece) * RichEditModel::kCellWidth;
                    drawPiece(painter, {at.x, at.y}, {width, height},
                              tab ? QString() : visibleText(text, piece, next), format, i == 1,
                              palette);
                }
            }
        });
    }
    if (focused && selStart == selEnd) {
        const richedit::Point caret = edit.PosFromChar(selEnd);
        painter.setPen(palette.color(QPalette::Text));
        const int height = edit.GetLineHeight(edit.LineFromChar(selEnd));
        painter.drawLine(caret.x, caret.y, caret.x, caret.y + height - 1);
    }
    painter.restore();
}

} // namespace zn::ui::qt
