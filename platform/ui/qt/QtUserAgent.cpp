// The agent: shows our windows, waits for one real event per wait, and answers the
// system's questions with Qt's dialogs.
#include "platform/ui/qt/QtUserAgent.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/ui/Input.h"
#include "platform/ui/WindowChanges.h"
#include "platform/ui/qt/ClipboardBridge.h"
#include "platform/ui/qt/PickerDialog.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/WindowMirror.h"

namespace zn::ui::qt {

QtUserAgent::QtUserAgent() : m_mirror(std::make_unique<WindowMirror>(m_gate)) {
    // What changes outside a wait (input to a modeless window, a program's own commands) is
    // shown once the events of the moment are handled, not while a question or a menu is open.
    m_gate.refresh = [this] {
        if (m_refreshQueued)
            return;
        m_refreshQueued = true;
        QTimer::singleShot(0, &m_timers, [this] {
            m_refreshQueued = false;
            // Our own modal dialogs do not count: they are what is being shown.
            QWidget* modal = QApplication::activeModalWidget();
            if ((!modal || dynamic_cast<WindowWidget*>(modal)) &&
                !QApplication::activePopupWidget())
                ShowWindows();
        });
    };
    m_previousListener = SetWindowChangeListener([this] {
        if (!m_showing)
            m_gate.refresh();
    });
}

QtUserAgent::~QtUserAgent() {
    SetWindowChangeListener(std::move(m_previousListener));
}

QWidget* QtUserAgent::WidgetOf(const CWnd& window) const {
    return m_mirror->WidgetOf(window.m_hWnd);
}

void QtUserAgent::SetMainWidget(QWidget* main) {
    m_mirror->SetMainWidget(main);
}

QWidget* QtUserAgent::activeWidget() const {
    CWnd* active = GetActiveWindow();
    return active ? WidgetOf(*active) : nullptr;
}

void QtUserAgent::ShowWindows() {
    m_showing = true;
    PaintInvalidWindows();
    m_mirror->Sync();
    m_showing = false;
}

void QtUserAgent::WaitForInput(const std::function<bool()>& stop) {
    ShowWindows();
    m_gate.delivered = false;
    waitForDelivery(stop);
}

void QtUserAgent::waitForDelivery(const std::function<bool()>& stop) {
    // A wait may run inside the handling of an outer wait's event (a dialog opened by a click).
    const bool outer = m_gate.waiting;
    m_gate.waiting = true;
    while (!m_gate.delivered && !(stop && stop()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    m_gate.waiting = outer;
}

void QtUserAgent::ProvideInput(CWnd& waiting) {
    ShowWindows();
    if (!waiting.IsWindowVisible() && !(GetActiveWindow() && GetActiveWindow()->IsWindowVisible()))
        throw AgentError("\"" + zn::toUtf8(waiting.GetWindowTextW()) +
                         "\" waits for input but no window is shown");
    m_gate.delivered = false;
    if (m_beforeWait)
        m_beforeWait(waiting);
    waitForDelivery({});
}

int QtUserAgent::AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                                  unsigned type) {
    return ShowMessageBox(activeWidget(), text, caption, type);
}

std::optional<std::u16string> QtUserAgent::ChooseFile(const FileRequest& request) {
    FileRequest copy = request;
    return ShowFileDialog(activeWidget(), copy);
}

std::optional<std::u16string> QtUserAgent::ChooseFileAndOptions(FileRequest& request) {
    return ShowFileDialog(activeWidget(), request);
}

PickAnswer QtUserAgent::PickPoint(const PointRequest& request) {
    return AskForPick(activeWidget(), request.prompt, request.keywords, false);
}

PickAnswer QtUserAgent::PickObject(const ObjectRequest& request) {
    return AskForPick(activeWidget(), request.prompt, request.keywords, true);
}

unsigned QtUserAgent::ChooseMenuCommand(const CMenu& menu) {
    ShowWindows();
    return ShowPopupMenu(menu, GetCursorPos());
}

PickerAnswer QtUserAgent::AnswerPicker(const PickerRequest& request) {
    return ShowPicker(activeWidget(), request);
}

int RunWithQt(int& argc, char** argv, const std::function<int(QtUserAgent&)>& body) {
    QApplication application(argc, argv);
    ApplyDialogLook(application);
    QtUserAgent agent;
    UserAgent* previous = SetUserAgent(&agent);
    int result = 0;
    try {
        ClipboardBridge clipboard;
        result = body(agent);
    } catch (...) {
        SetUserAgent(previous);
        throw;
    }
    SetUserAgent(previous);
    return result;
}

} // namespace zn::ui::qt
