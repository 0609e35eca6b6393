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
    const QSizeF before = Sheet();
    m_renderer.load(QByteArray());
    m_svg = svg;
    ++m_generation;
    if (!svg.isEmpty()) {
        RegisterSvgFonts(svg);
        m_renderer.load(svg);
    }
    // An image of another sheet size would show in the wrong place.
    if (Sheet() != before)
        m_image = QImage();
    return !IsEmpty();
}

void SheetPicture::Clear() {
    Load(QByteArray());
}

QSizeF SheetPicture::Sheet() const {
    return IsEmpty() ? QSizeF() : m_renderer.viewBoxF().size();
}

QRect SheetPicture::visiblePart(const SheetTransform& transform, QSize view) {
    QRect sheet(QPoint(0, 0), transform.SheetRect().size());
    return QRect(-transform.Origin(), view).intersected(sheet);
}

bool SheetPicture::covers(const SheetTransform& transform, const QRect& visible) const {
    return !m_image.isNull() && m_imageGeneration == m_generation && m_zoom == transform.Zoom() &&
           m_area.contains(visible);
}

std::optional<SheetPicture::Job> SheetPicture::Needed(const SheetTransform& transform,
                                                      QSize view) const {
    QRect visible = visiblePart(transform, view);
    if (IsEmpty() || visible.isEmpty() || covers(transform, visible))
        return std::nullopt;
    QRect sheet(QPoint(0, 0), transform.SheetRect().size());
    QRect area = qint64(sheet.width()) * sheet.height() <= kWholeSheetPixels
                     ? sheet
                     : visible.adjusted(-view.width(), -view.height(), view.width(), view.height())
                           .intersected(sheet);
    return Job{m_svg, m_generation, area, transform.Zoom()};
}

QImage SheetPicture::Render(const Job& job) {
    // A renderer of its own: one is not to be shared between threads.
    QSvgRenderer renderer(job.svg);
    QImage image(job.area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-job.area.topLeft());
    QSizeF sheet = renderer.viewBoxF().size();
    renderer.render(&painter, QRectF(0, 0, sheet.width() * job.zoom, sheet.height() * job.zoom));
    return image;
}

bool SheetPicture::Adopt(const Job& job, QImage image) {
    if (job.generation != m_generation)
        return false;
    m_image = std::move(image);
    m_imageGeneration = job.generation;
    m_area = job.area;
    m_zoom = job.zoom;
    ++m_renders;
    return true;
}

void SheetPicture::Prepare(const SheetTransform& transform, QSize view) {
    if (std::optional<Job> job = Needed(transform, view))
        Adopt(*job, Render(*job));
}

bool SheetPicture::Draw(QPainter& painter, const SheetTransform& transform, QSize view,
                        bool allowScaled) {
    if (IsEmpty() || visiblePart(transform, view).isEmpty())
        return true;
    if (IsSharp(transform, view)) {
        painter.drawImage(transform.Origin() + m_area.topLeft(), m_image);
        return true;
    }
    if (!allowScaled || m_image.isNull()) {
        Prepare(transform, view);
        painter.drawImage(transform.Origin() + m_area.topLeft(), m_image);
        return true;
    }
    // The kept image where it lies at this zoom.
    double factor = transform.Zoom() / m_zoom;
    QRectF target(QPointF(transform.Origin()) + QPointF(m_area.topLeft()) * factor,
                  QSizeF(m_area.size()) * factor);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, m_image);
    painter.restore();
    return false;
}

} // namespace gui
