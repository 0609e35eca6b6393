// The reference host in a desktop window: the sheet, a log of what the host said, and a
// command line that takes the lines of `reqpad host`. The menus run the same lines, so what
// a click does can be typed as well and reads the same in the log.
#pragma once

#include <memory>
#include <string>

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace zn::ui {
class UserAgent;
}

namespace gui {

class HostSession;
class SheetPicker;
class SheetView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `windows`: the agent that shows the module's dialogs (null: none, they cannot be worked).
    // Throws ShellError when the module does not load.
    explicit MainWindow(zn::ui::UserAgent* windows = nullptr, const std::string& settingsPath = {});
    ~MainWindow() override;

    // Runs one line as `reqpad host` would, or answers the pick that waits; false when the
    // line failed.
    bool RunLine(const QString& line);
    // Opens a drawing file through the host's `open`.
    bool OpenDrawing(const QString& path);
    // What the last line that failed said.
    const QString& LastError() const { return m_lastError; }
    // Unattended (a script drives the window): closing leaves a changed drawing unsaved
    // instead of asking, as nobody is there to answer.
    void SetUnattended(bool unattended) { m_unattended = unattended; }

    SheetView& Sheet() { return *m_view; }
    QLineEdit& CommandLine() { return *m_commandLine; }
    QPlainTextEdit& Log() { return *m_log; }
    SheetPicker& Picker() { return *m_picker; }
    HostSession& Session() { return *m_session; }

signals:
    // A line went into the log.
    void logged(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void addCommand(QMenu* menu, unsigned text, const QString& line,
                    const QKeySequence& shortcut = {});
    void commandLineEntered();
    void newDrawing();
    void openDrawing();
    bool saveDrawing();
    bool saveDrawingAs();
    void showNotebook();
    // Asks to save a changed drawing; false when the user cancels.
    bool drawingMayGo();
    void afterCommand(const std::string& line, bool succeeded);
    void refreshSheet();
    void updateTitle();
    void setBusy(bool busy);
    void log(const QString& text);

    SheetView* m_view = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QLineEdit* m_commandLine = nullptr;
    QLabel* m_coordinates = nullptr;
    SheetPicker* m_picker = nullptr; // owned by the session's user
    std::unique_ptr<HostSession> m_session;
    QString m_path;      // the drawing's file; empty before it was saved or opened
    bool m_busy = false; // a line runs (and may wait in a pick or a dialog)
    bool m_closeWhenDone = false;
    bool m_unattended = false;
    QString m_lastError;
};

} // namespace gui
