#include "platform/ui/qt/WindowWidget.h"

#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Input.h"
#include "platform/ui/ToolTip.h"
#include "platform/ui/qt/ControlPainter.h"
#include "platform/ui/qt/KeyMapping.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

namespace {
constexpr int kComboFieldHeight = 22;
}

WindowWidget::WindowWidget(HWND hwnd, QWidget* parent, InputGate& gate)
    : QWidget(parent), m_hwnd(hwnd), m_gate(gate) {
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
    // A combo box's rectangle includes its dropped list; only the field shows, so clicks
    // below it reach the controls there.
    if (dynamic_cast<const CComboBox*>(&window))
        geometry.setHeight(std::min(geometry.height(), kComboFieldHeight));
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
    if (shown != isVisibleTo(parentWidget()) || (isWindow() && shown != isVisible())) {
        setVisible(shown);
        // The keyboard of a top-level window goes through its own widget (see above).
        if (shown && isWindow())
            setFocus(Qt::ActiveWindowFocusReason);
    }
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

bool WindowWidget::admit(const QEvent& event) {
    if (!m_gate.waiting || !m_gate.delivered)
        return true;
    QCoreApplication::postEvent(this, event.clone());
    return false;
}

void WindowWidget::delivered() {
    m_gate.delivered = true;
    if (!m_gate.waiting && m_gate.refresh)
        m_gate.refresh();
}

void WindowWidget::chooseFromList(CWnd& combo) {
    auto* box = dynamic_cast<CComboBox*>(&combo);
    if (!box || box->GetCount() == 0)
        return;
    QMenu list;
    list.setMinimumWidth(width());
    for (int i = 0; i < box->GetCount(); ++i)
        list.addAction(ToQString(box->GetLBText(i)))->setData(i);
    QAction* chosen = list.exec(mapToGlobal(QPoint(0, height())));
    if (!chosen || !CWnd::IsWindow(m_hwnd))
        return;
    // The list's rows lie below the box, where the window system takes a click as a choice.
    const CPoint row = box->FindItemRect(box->GetLBText(chosen->data().toInt()))->CenterPoint();
    MouseEvent(combo, WM_LBUTTONDOWN, row, 0, MK_LBUTTON);
    if (CWnd::IsWindow(m_hwnd))
        MouseEvent(combo, WM_LBUTTONUP, row, 0, 0);
}

void WindowWidget::mouse(QMouseEvent* event, UINT message) {
    CWnd* window = Window();
    if (!window || !admit(*event))
        return;
    QPoint at = event->position().toPoint();
    MouseEvent(*window, message, {at.x(), at.y()}, ModifiersOf(event->modifiers()),
               MouseButtonsOf(event->buttons()));
    if (message == WM_LBUTTONDOWN && dynamic_cast<CComboBox*>(window) && CWnd::IsWindow(m_hwnd))
        chooseFromList(*window);
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
    showToolTip(event->globalPosition().toPoint());
}

void WindowWidget::showToolTip(QPoint where) {
    CWnd* window = Window();
    if (!window)
        return;
    // Tooltip controls decide from the mouse messages relayed to them whether a tip shows.
    for (CWnd* top : TopLevelWindows())
        if (auto* tips = dynamic_cast<CToolTipCtrl*>(top)) {
            const ZnsStringW tip = tips->TipFor(window);
            if (!tip.empty()) {
                QToolTip::showText(where, ToQString(tip), this);
                return;
            }
        }
    QToolTip::hideText();
}

void WindowWidget::wheelEvent(QWheelEvent* event) {
    CWnd* window = Window();
    if (!window || !admit(*event))
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
    if (!window || !admit(*event))
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
    if (event->commitString().isEmpty() || !admit(*event))
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
