// One widget per shown window, made, followed and dropped as our windows change.
#include "platform/ui/qt/WindowMirror.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/ToolTip.h"

namespace zn::ui::qt {

WindowMirror::~WindowMirror() {
    // Top-level widgets may hang on a window that outlives us; children go with their window.
    for (auto& [hwnd, widget] : m_widgets)
        if (widget && widget->isWindow())
            delete widget.data();
}

WindowWidget* WindowMirror::WidgetOf(HWND hwnd) const {
    auto it = m_widgets.find(hwnd);
    return it == m_widgets.end() ? nullptr : it->second.data();
}

void WindowMirror::follow(CWnd& window, QWidget* parentWidget) {
    QPointer<WindowWidget>& widget = m_widgets[window.m_hWnd];
    m_seen[window.m_hWnd] = true;
    if (!widget)
        widget = parentWidget ? new WindowWidget(window.m_hWnd, parentWidget, m_gate, false)
                              : makeTopLevel(window);
    widget->Follow(window);
    if (!(window.GetStyle() & WS_VISIBLE))
        return;
    // Later children lie above earlier ones (a group box under the controls it frames).
    for (CWnd* child : window.GetChildren()) {
        follow(*child, widget);
        if (WindowWidget* childWidget = WidgetOf(child->m_hWnd))
            childWidget->raise();
    }
    widget->update();
}

WindowWidget* WindowMirror::makeTopLevel(CWnd& window) {
    // Qt keeps a window over its parent and blocks the parent while it is modal, so the
    // owner becomes the parent: our owner's widget, else the program's main window.
    QWidget* owner = nullptr;
    if (CWnd* ours = window.GetOwner())
        owner = WidgetOf(ours->GetTopLevelParent()->m_hWnd);
    const bool onMain = !owner && m_mainWidget;
    if (onMain)
        owner = m_mainWidget;
    auto* widget = new WindowWidget(window.m_hWnd, owner, m_gate, true);
    auto* dialog = dynamic_cast<CDialog*>(&window);
    Qt::WindowFlags flags = dialog ? Qt::Dialog : Qt::Window;
    // A popup without a caption has no frame on the desktop either.
    if (!(window.GetStyle() & WS_CAPTION) && flags == Qt::Window)
        flags |= Qt::FramelessWindowHint;
    if (dynamic_cast<CToolTipCtrl*>(&window))
        flags = Qt::ToolTip;
    widget->setWindowFlags(flags);
    if (dialog && dialog->IsModal() && owner)
        widget->setWindowModality(Qt::WindowModal);
    // Our own windows place their dialogs already; one of the main window's opens on its
    // middle rather than where the headless screen put it.
    if (dialog && onMain) {
        const CRect rect = window.GetWindowRect();
        const QPoint centre = m_mainWidget->frameGeometry().center();
        window.MoveWindow(centre.x() - rect.Width() / 2, centre.y() - rect.Height() / 2,
                          rect.Width(), rect.Height());
    }
    return widget;
}

void WindowMirror::Sync() {
    m_seen.clear();
    for (CWnd* top : TopLevelWindows())
        if (top->IsWindowVisible() || WidgetOf(top->m_hWnd))
            follow(*top, nullptr);
    // The window that has the user's attention is the one the desktop raises.
    if (CWnd* active = GetActiveWindow())
        if (WindowWidget* widget = WidgetOf(active->m_hWnd);
            widget && widget->isVisible() && !widget->isActiveWindow()) {
            widget->raise();
            widget->activateWindow();
        }
    // Widgets of windows that are gone or hidden with their parent. Deleted later, as one of
    // them may be handling the event that closed its window.
    for (auto it = m_widgets.begin(); it != m_widgets.end();) {
        if (m_seen.count(it->first)) {
            ++it;
            continue;
        }
        if (it->second) {
            it->second->hide();
            it->second->deleteLater();
        }
        it = m_widgets.erase(it);
    }
}

} // namespace zn::ui::qt
