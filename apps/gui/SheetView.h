// The drawing's sheet on screen: drawn from the host's SVG, panned by dragging, Shift+wheel,
// a sideways wheel or the arrow keys, zoomed by the wheel at the cursor, fitted on request. While
// the host waits for a pick, a left click answers it (in drawing coordinates) and Esc cancels.
#pragma once

#include <optional>

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>

#include "apps/gui/SheetPicture.h"
#include "apps/gui/SheetTransform.h"

namespace gui {

class SheetView : public QWidget {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);
    // Waits for a rendering still under way: it draws text, which needs the application.
    ~SheetView() override;

    // A new rendering of the drawing (empty: no drawing). The view keeps its zoom and
    // position while the sheet keeps its size, and fits a sheet of another size; the same
    // document again changes nothing.
    void SetSvg(const QByteArray& svg);
    const SheetTransform& Transform() const { return m_transform; }
    const SheetPicture& Picture() const { return m_picture; }

    void Fit();
    void ZoomIn();
    void ZoomOut();
    void PanBy(QPoint delta);
    // Renders the sheet sharp at the present zoom, here and now.
    void Sharpen();
    // A zoom first shows the picture of the last zoom scaled, and a new drawing the picture
    // of the one before; the sharp picture is rendered on a worker thread (a moment after the
    // last zoom step, at once for a new drawing) and shown when it is done, unless the view
    // moved on meanwhile. False while it is not there yet.
    bool IsSharp() const { return m_picture.IsSharp(m_transform, size()); }

    // Picking: clicks become `picked`, Esc `pickCancelled`; `from` draws a line from that
    // drawing point to the cursor.
    void StartPicking(std::optional<QPointF> from);
    void StopPicking();
    bool IsPicking() const { return m_picking; }

signals:
    // `tolerance`: a few pixels, in drawing units, for finding an object near the point.
    void picked(QPointF drawing, double tolerance);
    void pickCancelled();
    void cursorMoved(QPointF drawing);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void zoomAt(QPointF at, double factor);
    // Has what the view lacks rendered on a worker, one rendering at a time.
    void renderInBackground();
    void rendered();

    SheetPicture m_picture;
    SheetTransform m_transform;
    QByteArray m_svg;
    QTimer* m_sharpen;
    QFutureWatcher<QImage>* m_rendering;
    SheetPicture::Job m_job; // what m_rendering renders
    bool m_fitOnResize = true; // until the user zooms or pans, the sheet follows the window
    bool m_picking = false;
    std::optional<QPointF> m_rubberBandFrom;
    std::optional<QPoint> m_dragFrom;
    QPoint m_cursor;
};

} // namespace gui
