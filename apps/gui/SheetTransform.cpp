#include "apps/gui/SheetTransform.h"

#include <algorithm>
#include <cmath>

namespace gui {

namespace {

constexpr double kFitMargin = 0.04;   // of the view, on each side
constexpr double kSmallestSheet = 48; // pixels along the sheet's longer side
constexpr double kLargestSheet = 60000;
constexpr int kVisiblePart = 32; // pixels of the sheet that stay in view

double longerSide(QSizeF size) {
    return std::max(size.width(), size.height());
}

} // namespace

QPointF SheetTransform::ToDrawing(QPointF view) const {
    return {(view.x() - m_origin.x()) / m_zoom,
            m_sheet.height() - (view.y() - m_origin.y()) / m_zoom};
}

QPointF SheetTransform::ToView(QPointF drawing) const {
    return {m_origin.x() + drawing.x() * m_zoom,
            m_origin.y() + (m_sheet.height() - drawing.y()) * m_zoom};
}

QRect SheetTransform::SheetRect() const {
    return {m_origin, QSize(int(std::lround(m_sheet.width() * m_zoom)),
                            int(std::lround(m_sheet.height() * m_zoom)))};
}

void SheetTransform::Fit(QSize view) {
    if (m_sheet.isEmpty() || view.isEmpty())
        return;
    double usable = 1 - 2 * kFitMargin;
    m_zoom = std::min(view.width() * usable / m_sheet.width(),
                      view.height() * usable / m_sheet.height());
    m_zoom = std::max(m_zoom, kSmallestSheet / longerSide(m_sheet));
    QSize picture = SheetRect().size();
    m_origin = QPoint((view.width() - picture.width()) / 2, (view.height() - picture.height()) / 2);
}

void SheetTransform::ZoomAt(QPointF at, double factor, QSize view) {
    if (m_sheet.isEmpty() || !(factor > 0))
        return;
    QPointF fixed = ToDrawing(at);
    double side = longerSide(m_sheet);
    m_zoom = std::clamp(m_zoom * factor, kSmallestSheet / side, kLargestSheet / side);
    QPointF moved = ToView(fixed);
    m_origin += QPoint(int(std::lround(at.x() - moved.x())), int(std::lround(at.y() - moved.y())));
    keepInView(view);
}

void SheetTransform::Pan(QPoint delta, QSize view) {
    m_origin += delta;
    keepInView(view);
}

void SheetTransform::keepInView(QSize view) {
    QRect sheet = SheetRect();
    int partX = std::min(kVisiblePart, sheet.width());
    int partY = std::min(kVisiblePart, sheet.height());
    int x = std::clamp(m_origin.x(), partX - sheet.width(), std::max(view.width() - partX, 0));
    int y = std::clamp(m_origin.y(), partY - sheet.height(), std::max(view.height() - partY, 0));
    m_origin = QPoint(x, y);
}

} // namespace gui
