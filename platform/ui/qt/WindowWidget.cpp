#include "platform/ui/qt/WindowWidget.h"

#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/ui/Input.h"
#include "platform/ui/qt/ControlPainter.h"
#include "platform/ui/qt/KeyMapping.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

WindowWidget::WindowWidget(HWND hwnd, QWidget* parent, std::function<void()> onInput)
    : QWidget(parent), m_hwnd(hwnd), m_onInput(std::move(onInput)) {
    setMouseTracking(true);
    if (parent) {
        setFocusPolicy(Qt::NoFocus);
    } else {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_InputMethodEnabled);
    }
}

void WindowWidget::Follow(const CWnd& window) {
    m_following = true;
    CRect rect = window.GetRectInParent();
    QRect geometry(rect.left, rect.top, rect.Width(), rect.Height());
    if (isWindow()) {
        if (windowTitle() != ToQString(window.GetWindowTextW()))
            setWindowTitle(ToQString(window.GetWindowTextW()));
        if (geometry.size() != size())
            resize(geometry.size());
        if (geometry.topLeft() != pos())
            move(geometry.topLeft());
    } else if (geometry != this->geometry()) {
        setGeometry(geometry);
    }
    setEnabled(window.IsWindowEnabled());
    const bool shown = (window.GetStyle() & WS_VISIBLE) != 0;
    if (shown != isVisibleTo(parentWidget()) || (isWindow() && shown != isVisible()))
        setVisible(shown);
    m_following = false;
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    CWnd* window = Window();
    if (!window)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    PaintWindow(painter, *window, palette());
}

void WindowWidget::delivered() {
    if (m_onInput)
        m_onInput();
}

void WindowWidget::mouse(QMouseEvent* event, UINT message) {
    CWnd* window = Window();
    if (!window)
        return;
    QPoint at = event->position().toPoint();
    MouseEvent(*window, message, {at.x(), at.y()}, ModifiersOf(event->modifiers()),
               MouseButtonsOf(event->buttons()));
    delivered();
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        mouse(event, WM_LBUTTONDOWN);
    else if (event->button() == Qt::RightButton)
        mouse(event, WM_RBUTTONDOWN);
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        mouse(event, WM_LBUTTONUP);
    else if (event->button() == Qt::RightButton)
        mouse(event, WM_RBUTTONUP);
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse(event, event->button() == Qt::LeftButton ? WM_LBUTTONDBLCLK : WM_RBUTTONDOWN);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
    mouse(event, WM_MOUSEMOVE);
}

void WindowWidget::wheelEvent(QWheelEvent* event) {
    CWnd* window = Window();
    if (!window)
        return;
    WPARAM keys = MouseButtonsOf(event->buttons());
    if (event->modifiers() & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        keys |= MK_CONTROL;
    QPoint at = mapToGlobal(event->position().toPoint());
    DeliverInput({m_hwnd, WM_MOUSEWHEEL, MAKEWPARAM(unsigned(keys), unsigned(event->angleDelta().y())),
                  MAKELPARAM(at.x(), at.y())});
    delivered();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const unsigned modifiers = ModifiersOf(event->modifiers());
    const UINT key = VirtualKeyOf(event->key());
    CWnd* window = Window();
    if (!window)
        return;
    if (event->key() == Qt::Key_F4 && modifiers == kModAlt) {
        // The frame's close, as the window manager gives it.
        window->SendMessage(WM_CLOSE);
    } else if (key) {
        const unsigned shift = event->key() == Qt::Key_Backtab ? kModShift : 0;
        std::u16string typed = event->text().isEmpty() || event->text()[0].unicode() < 0x20
                                   ? std::u16string()
                                   : ToU16(event->text());
        KeyPress(key, modifiers | shift, typed);
    } else if (!event->text().isEmpty() && !(modifiers & (kModCtrl | kModAlt))) {
        TypeText(ToU16(event->text()));
    } else {
        return;
    }
    delivered();
}

void WindowWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty())
        return;
    TypeText(ToU16(event->commitString()));
    delivered();
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CWnd* window = Window();
    if (m_following || !window || !isWindow())
        return;
    if (window->GetRectInParent().Width() != width() ||
        window->GetRectInParent().Height() != height()) {
        UserResize(*window, {width(), height()});
        delivered();
    }
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    CWnd* window = Window();
    if (m_following || !window || !isWindow())
        return;
    CRect rect = window->GetRectInParent();
    if (rect.left != x() || rect.top != y())
        window->MoveWindow(x(), y(), rect.Width(), rect.Height());
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // Our window decides whether it closes (a dialog may ask first); the widget follows.
    event->ignore();
    if (CWnd* window = Window()) {
        window->SendMessage(WM_CLOSE);
        delivered();
    }
}

bool WindowWidget::event(QEvent* event) {
    // Tab belongs to our dialogs' own navigation, not to Qt's focus chain.
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

} // namespace zn::ui::qt
