#include "platform/ui/qt/QtUserAgent.h"

#include <QApplication>
#include <QEventLoop>

#include "platform/ui/Input.h"
#include "platform/ui/qt/ClipboardBridge.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/WindowMirror.h"

namespace zn::ui::qt {

QtUserAgent::QtUserAgent()
    : m_mirror(std::make_unique<WindowMirror>([this] { m_delivered = true; })) {}

QtUserAgent::~QtUserAgent() = default;

QWidget* QtUserAgent::WidgetOf(const CWnd& window) const {
    return m_mirror->WidgetOf(window.m_hWnd);
}

QWidget* QtUserAgent::activeWidget() const {
    CWnd* active = GetActiveWindow();
    return active ? WidgetOf(*active) : nullptr;
}

void QtUserAgent::ShowWindows() {
    PaintInvalidWindows();
    m_mirror->Sync();
}

void QtUserAgent::WaitForInput(const std::function<bool()>& stop) {
    ShowWindows();
    m_delivered = false;
    while (!m_delivered && !(stop && stop()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtUserAgent::ProvideInput(CWnd& waiting) {
    ShowWindows();
    if (!waiting.IsWindowVisible() && !(GetActiveWindow() && GetActiveWindow()->IsWindowVisible()))
        throw AgentError("\"" + zn::toUtf8(waiting.GetWindowTextW()) +
                         "\" waits for input but no window is shown");
    if (m_beforeWait)
        m_beforeWait(waiting);
    WaitForInput();
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
