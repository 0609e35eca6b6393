// The desktop backend of the window system. Our windows stay where they are (headless
// CWnd objects with their own state and window procedures); this agent shows them as Qt
// widgets and turns real input into the same messages a script would send.
//
// How it is used: run the program inside RunWithQt. It makes the QApplication, installs a
// QtUserAgent as the user agent and bridges the clipboard for the time `body` runs. From then
// on every modal loop that waits calls ProvideInput: the agent shows every visible top-level
// window as it is now, waits in Qt's event loop for one real input event and delivers it
// through the window system's input path (platform/ui/Input.h), then returns so the modal
// loop dispatches what followed. Message boxes, file dialogs and popup menus are real Qt
// dialogs and menus. Between modal loops (a program with its own Qt main window) our
// windows follow by themselves: every change the window system reports is shown once the
// events of the moment are handled, and input to them goes in at once. ShowWindows() shows
// them at once; nothing else is needed.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/UserAgent.h"
#include "platform/ui/qt/WindowWidget.h"

class QWidget;

namespace zn::ui::qt {

class WindowMirror;

class QtUserAgent : public UserAgent {
public:
    // Needs a QApplication to exist.
    QtUserAgent();
    ~QtUserAgent() override;

    int AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                         unsigned type) override;
    std::optional<std::u16string> ChooseFile(const FileRequest& request) override;
    std::optional<std::u16string> ChooseFileAndOptions(FileRequest& request) override;
    PickAnswer PickPoint(const PointRequest& request) override;
    PickAnswer PickObject(const ObjectRequest& request) override;
    void ProvideInput(CWnd& waiting) override;
    unsigned ChooseMenuCommand(const CMenu& menu) override;
    PickerAnswer AnswerPicker(const PickerRequest& request) override;

    // Paints what waits to be painted and brings the widgets in step with our windows.
    void ShowWindows();
    // Shows the windows, then runs Qt's event loop until one real input event reached our
    // windows (or `stop` answered true between events; it may be empty).
    void WaitForInput(const std::function<bool()>& stop = {});

    // The widget that shows `window` (null while it is hidden or not shown yet).
    QWidget* WidgetOf(const CWnd& window) const;
    // The program's own main window, which our windows without an owner stay over (their
    // dialogs centred on it and modal to it). Null: they are free windows of their own.
    void SetMainWidget(QWidget* main);
    // Called each time the agent is about to wait for input, after the windows were shown:
    // tests grab images and post their events here.
    void SetBeforeWaitHook(std::function<void(CWnd& waiting)> hook) {
        m_beforeWait = std::move(hook);
    }

private:
    QWidget* activeWidget() const;
    void waitForDelivery(const std::function<bool()>& stop);

    QObject m_timers; // the context of queued refreshes, which go with the agent
    InputGate m_gate;
    std::unique_ptr<WindowMirror> m_mirror;
    bool m_refreshQueued = false;
    bool m_showing = false;
    std::function<void()> m_previousListener;
    std::function<void(CWnd&)> m_beforeWait;
};

// Runs `body` with a QApplication, a QtUserAgent installed as the user agent and the
// clipboard bridged to the system's; answers what `body` answers. The agent before is put
// back afterwards.
int RunWithQt(int& argc, char** argv, const std::function<int(QtUserAgent&)>& body);

} // namespace zn::ui::qt
