#include "apps/gui/SheetPicture.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>

#include "apps/gui/SheetTransform.h"

namespace gui {

namespace {

// A whole-sheet image up to this size; beyond it only the surroundings of the view are kept.
constexpr qint64 kWholeSheetPixels = 16 * 1024 * 1024;

} // namespace

void RegisterSvgFonts(const QByteArray& svg) {
    static QSet<QString> registered;
    static const QRegularExpression source(QStringLiteral("src:url\\('file://([^']+)'\\)"));
    for (auto it = source.globalMatch(QString::fromUtf8(svg)); it.hasNext();) {
        QString path = it.next().captured(1);
        if (!registered.contains(path)) {
            registered.insert(path);
            QFontDatabase::addApplicationFont(path);
        }
    }
}

bool SheetPicture::Load(const QByteArray& svg) {
    Clear();
    if (svg.isEmpty())
        return false;
    RegisterSvgFonts(svg);
    return m_renderer.load(svg);
}

void SheetPicture::Clear() {
    m_renderer.load(QByteArray());
    m_image = QImage();
    m_area = QRect();
    m_zoom = 0;
}

QSizeF SheetPicture::Sheet() const {
    return IsEmpty() ? QSizeF() : m_renderer.viewBoxF().size();
}

QRect SheetPicture::visiblePart(const SheetTransform& transform, QSize view) {
    QRect sheet(QPoint(0, 0), transform.SheetRect().size());
    return QRect(-transform.Origin(), view).intersected(sheet);
}

bool SheetPicture::covers(const SheetTransform& transform, const QRect& visible) const {
    return m_zoom == transform.Zoom() && m_area.contains(visible);
}

void SheetPicture::Prepare(const SheetTransform& transform, QSize view) {
    QRect visible = visiblePart(transform, view);
    if (IsEmpty() || visible.isEmpty() || covers(transform, visible))
        return;
    QRect sheet(QPoint(0, 0), transform.SheetRect().size());
    QRect area = qint64(sheet.width()) * sheet.height() <= kWholeSheetPixels
                     ? sheet
                     : visible.adjusted(-view.width(), -view.height(), view.width(), view.height())
                           .intersected(sheet);
    render(area, transform.Zoom());
}

bool SheetPicture::Draw(QPainter& painter, const SheetTransform& transform, QSize view,
                        bool allowScaled) {
    if (IsEmpty())
        return true;
    QRect visible = visiblePart(transform, view);
    if (visible.isEmpty())
        return true;
    if (!covers(transform, visible)) {
        if (!allowScaled || m_image.isNull() || m_zoom == transform.Zoom()) {
            Prepare(transform, view);
        } else {
            // The kept image where it lies at the new zoom.
            double factor = transform.Zoom() / m_zoom;
            QRectF target(QPointF(transform.Origin()) + QPointF(m_area.topLeft()) * factor,
                          QSizeF(m_area.size()) * factor);
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(target, m_image);
            painter.restore();
            return false;
        }
    }
    painter.drawImage(transform.Origin() + m_area.topLeft(), m_image);
    return true;
}

void SheetPicture::render(const QRect& area, double zoom) {
    m_image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-area.topLeft());
    QSizeF sheet = m_renderer.viewBoxF().size();
    m_renderer.render(&painter, QRectF(0, 0, sheet.width() * zoom, sheet.height() * zoom));
    m_area = area;
    m_zoom = zoom;
    ++m_renders;
}

} // namespace gui
