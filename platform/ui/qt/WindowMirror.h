// Keeps one widget per visible window of ours: made when the window first shows, moved,
// renamed, enabled and hidden as it changes, and thrown away when the window is gone.
#pragma once

#include <QPointer>
#include <functional>
#include <map>

#include "platform/ui/qt/WindowWidget.h"

namespace zn::ui::qt {

class WindowMirror {
public:
    explicit WindowMirror(InputGate& gate) : m_gate(gate) {}
    ~WindowMirror();
    WindowMirror(const WindowMirror&) = delete;
    WindowMirror& operator=(const WindowMirror&) = delete;

    // Brings the widgets in step with every top-level window and its children, and has
    // them repainted.
    void Sync();
    WindowWidget* WidgetOf(HWND hwnd) const;
    // The program's own main window: our top-level windows without a shown owner of ours
    // stay over it, and dialogs among them open centred on it. Null: they float free.
    void SetMainWidget(QWidget* main) { m_mainWidget = main; }

private:
    void follow(CWnd& window, QWidget* parentWidget);
    WindowWidget* makeTopLevel(CWnd& window);

    InputGate& m_gate;
    QPointer<QWidget> m_mainWidget;
    std::map<HWND, QPointer<WindowWidget>> m_widgets;
    std::map<HWND, bool> m_seen;
};

} // namespace zn::ui::qt
