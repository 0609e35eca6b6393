// The menu bar of a top-level window as a QMenuBar across the top of its widget. A popup
// of the bar is filled as it opens, after its owner set the entries' states
// (WM_INITMENUPOPUP), and the chosen command goes to the window as WM_COMMAND.
#pragma once

#include <QStringList>
#include <functional>

#include "platform/ui/Window.h"

class QMenuBar;
class QWidget;

namespace zn::ui::qt {

class MenuBarMirror {
public:
    // `chosen` is told after a command went to the window.
    MenuBarMirror(QWidget& host, HWND window, std::function<void()> chosen);

    // Builds the bar again when the window's menu bar changed (or hides it when it has none).
    void Follow(const CWnd& window);
    // The pixels the bar takes above the window's client area.
    int Height() const;
    // Lays the bar across the top of the widget at its present width.
    void Place();

private:
    QWidget& m_host;
    HWND m_window;
    std::function<void()> m_chosen;
    QMenuBar* m_bar = nullptr;
    QStringList m_titles; // of the bar as built
};

} // namespace zn::ui::qt
