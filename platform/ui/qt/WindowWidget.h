// The widget that shows one of our windows: it paints what the window's state or its
// recorded picture says and hands the real input it receives to the window system. A
// top-level widget also takes the keyboard for all of its children, because the keyboard
// goes to whichever of our windows has the focus, not to the widget under the pointer.
#pragma once

#include <QScrollBar>
#include <QWidget>
#include <memory>

#include "platform/ui/Window.h"
#include "platform/ui/qt/MenuBarMirror.h"

namespace zn::ui::qt {

// Lets real input into our windows one event at a time while an agent waits, so the modal
// loop dispatches what each event caused before the next arrives; outside a wait every
// event goes in at once and `refresh` has the windows shown again afterwards.
struct InputGate {
    bool waiting = false;
    bool delivered = false;
    std::function<void()> refresh;
};

class WindowWidget : public QWidget {
public:
    // A top-level widget is a window of its own, over `parent` (its owner) when there is one;
    // any other lies inside `parent`.
    WindowWidget(HWND hwnd, QWidget* parent, InputGate& gate, bool topLevel);

    HWND Handle() const { return m_hwnd; }
    CWnd* Window() const { return CWnd::FromHandle(m_hwnd); }
    // Geometry, caption, menu bar, enabled state and visibility as our window has them now.
    void Follow(const CWnd& window);
    // The height of a top-level window's menu bar, which lies above its client area.
    int MenuHeight() const { return m_menuBar ? m_menuBar->Height() : 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void mouse(QMouseEvent* event, UINT message);
    // False when the event has to wait for the next turn (it is queued again).
    bool admit(const QEvent& event);
    void delivered();
    // A drop-down list's entries as a menu under the combo box; the choice is clicked.
    void chooseFromList(CWnd& combo);
    void showToolTip(QPoint where);
    // The vertical scroll bar of a text with WS_VSCROLL, over its right edge.
    void followScrollBar(const CWnd& window);

    HWND m_hwnd;
    InputGate& m_gate;
    std::unique_ptr<MenuBarMirror> m_menuBar; // of a top-level window
    QScrollBar* m_scrollBar = nullptr;
    bool m_following = false; // geometry changes come from our window, not from the user
};

} // namespace zn::ui::qt
