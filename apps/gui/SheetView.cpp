#include "apps/gui/SheetView.h"

#include <cmath>

#include <QKeyEvent>
#include <QtConcurrent/QtConcurrentRun>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace gui {

namespace {

constexpr double kZoomStep = 1.25;   // a button, a key or one notch of the wheel
constexpr int kKeyPanStep = 48;      // pixels per arrow key
constexpr double kPickTolerance = 4; // pixels around a click that still hit an object
constexpr int kSharpenDelay = 150;   // ms after the last zoom step
const QColor kBackground(0x5A, 0x5F, 0x66);

} // namespace

SheetView::SheetView(QWidget* parent)
    : QWidget(parent), m_sharpen(new QTimer(this)), m_rendering(new QFutureWatcher<QImage>(this)) {
    m_sharpen->setSingleShot(true);
    m_sharpen->setInterval(kSharpenDelay);
    connect(m_sharpen, &QTimer::timeout, this, &SheetView::renderInBackground);
    connect(m_rendering, &QFutureWatcher<QImage>::finished, this, &SheetView::rendered);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SheetView::~SheetView() {
    m_rendering->waitForFinished();
}

void SheetView::SetSvg(const QByteArray& svg) {
    if (svg == m_svg)
        return;
    m_svg = svg;
    QSizeF before = m_picture.Sheet();
    m_picture.Load(svg);
    m_transform.SetSheet(m_picture.Sheet());
    if (m_picture.Sheet() != before)
        Fit();
    // The first picture is rendered by the paint that shows it: there is nothing to show
    // meanwhile.
    if (m_picture.HasImage())
        renderInBackground();
    update();
}

void SheetView::Fit() {
    m_transform.Fit(size());
    m_fitOnResize = true;
    update();
}

void SheetView::ZoomIn() {
    zoomAt(rect().center(), kZoomStep);
}

void SheetView::ZoomOut() {
    zoomAt(rect().center(), 1 / kZoomStep);
}

void SheetView::PanBy(QPoint delta) {
    m_transform.Pan(delta, size());
    m_fitOnResize = false;
    update();
}

void SheetView::zoomAt(QPointF at, double factor) {
    m_transform.ZoomAt(at, factor, size());
    m_fitOnResize = false;
    update();
}

void SheetView::Sharpen() {
    m_sharpen->stop();
    m_picture.Prepare(m_transform, size());
    update();
}

void SheetView::renderInBackground() {
    m_sharpen->stop();
    if (m_rendering->isRunning())
        return; // what is still needed is asked for when this one is done
    std::optional<SheetPicture::Job> job = m_picture.Needed(m_transform, size());
    if (!job)
        return;
    m_job = std::move(*job);
    m_rendering->setFuture(QtConcurrent::run(&SheetPicture::Render, m_job));
}

void SheetView::rendered() {
    // A rendering of a zoom or a drawing the view has left is dropped.
    if (m_job.zoom == m_transform.Zoom() && !IsSharp() &&
        m_picture.Adopt(m_job, m_rendering->result()))
        update();
    m_job = {};
    renderInBackground();
}

void SheetView::StartPicking(std::optional<QPointF> from) {
    m_picking = true;
    m_rubberBandFrom = from;
    setCursor(Qt::CrossCursor);
    setFocus();
    update();
}

void SheetView::StopPicking() {
    m_picking = false;
    m_rubberBandFrom.reset();
    unsetCursor();
    update();
}

void SheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!m_picture.Draw(painter, m_transform, size(), true))
        m_sharpen->start();
    if (m_picking && m_rubberBandFrom) {
        painter.setPen(QPen(Qt::blue, 1, Qt::DashLine));
        painter.drawLine(m_transform.ToView(*m_rubberBandFrom), QPointF(m_cursor));
    }
}

void SheetView::resizeEvent(QResizeEvent*) {
    if (m_fitOnResize)
        m_transform.Fit(size());
    else
        m_transform.Pan(QPoint(), size());
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    if (m_picking && event->button() == Qt::LeftButton) {
        emit picked(m_transform.ToDrawing(event->position()), kPickTolerance / m_transform.Zoom());
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
        m_dragFrom = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    m_cursor = event->position().toPoint();
    if (m_dragFrom) {
        PanBy(m_cursor - *m_dragFrom);
        m_dragFrom = m_cursor;
    } else if (m_picking && m_rubberBandFrom) {
        update();
    }
    if (!m_picture.IsEmpty())
        emit cursorMoved(m_transform.ToDrawing(event->position()));
}

void SheetView::mouseReleaseEvent(QMouseEvent*) {
    if (!m_dragFrom)
        return;
    m_dragFrom.reset();
    if (m_picking)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void SheetView::wheelEvent(QWheelEvent* event) {
    QPoint steps = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier)
        PanBy(steps / 2);
    else if (steps.y() != 0)
        zoomAt(event->position(), std::pow(kZoomStep, steps.y() / 120.0));
    else
        PanBy(QPoint(steps.x() / 2, 0));
    event->accept();
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_picking)
            emit pickCancelled();
        return;
    case Qt::Key_Left:
        PanBy(QPoint(kKeyPanStep, 0));
        return;
    case Qt::Key_Right:
        PanBy(QPoint(-kKeyPanStep, 0));
        return;
    case Qt::Key_Up:
        PanBy(QPoint(0, kKeyPanStep));
        return;
    case Qt::Key_Down:
        PanBy(QPoint(0, -kKeyPanStep));
        return;
    case Qt::Key_Plus:
        ZoomIn();
        return;
    case Qt::Key_Minus:
        ZoomOut();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace gui
