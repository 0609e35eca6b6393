// Where the sheet lies in the view: a zoom (pixels per drawing unit) and the view position
// of the sheet's top-left corner, kept on whole pixels so that a cached picture of the
// sheet is blitted without resampling and a click maps to the same point it was drawn at.
// Drawing coordinates run upwards from the sheet's bottom-left corner, as the host's do.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

namespace gui {

class SheetTransform {
public:
    // The sheet in drawing units; an empty sheet maps nothing.
    void SetSheet(QSizeF sheet) { m_sheet = sheet; }
    QSizeF Sheet() const { return m_sheet; }
    double Zoom() const { return m_zoom; }
    QPoint Origin() const { return m_origin; }

    QPointF ToDrawing(QPointF view) const;
    QPointF ToView(QPointF drawing) const;
    // The sheet's rectangle in view pixels.
    QRect SheetRect() const;

    // The whole sheet centred in `view` with a small margin around it.
    void Fit(QSize view);
    // Zooms by `factor` keeping the drawing point under `at` where it is; the zoom stays
    // between a sheet of a few dozen pixels and one of tens of thousands.
    void ZoomAt(QPointF at, double factor, QSize view);
    void Pan(QPoint delta, QSize view);

private:
    // Keeps part of the sheet in `view` whatever the user does, so it cannot be lost.
    void keepInView(QSize view);

    QSizeF m_sheet;
    double m_zoom = 1;
    QPoint m_origin;
};

} // namespace gui
