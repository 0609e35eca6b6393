#include "apps/gui/MainWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "apps/ShellWords.h"
#include "apps/gui/GuiTexts.h"
#include "apps/gui/HostSession.h"
#include "apps/gui/SheetPicker.h"
#include "apps/gui/SheetView.h"
#include "notebook/RunNotebook.h"
#include "platform/loader/Loader.h"
#include "resources/ResourceIds.h"

namespace gui {

namespace {

// A file name as one word of the host's language.
QString quoted(QString path) {
    path.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    path.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

MainWindow::MainWindow(zn::ui::UserAgent* windows, const std::string& settingsPath) {
    m_view = new SheetView;
    auto picker = std::make_unique<SheetPicker>(*m_view, [this](QPointF point, double tolerance) {
        return m_session->ObjectAt(point.x(), point.y(), tolerance);
    });
    m_picker = picker.get();
    m_picker->SetWindows(windows);
    m_session = std::make_unique<HostSession>(std::move(picker), settingsPath);

    m_log = new QPlainTextEdit;
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(5000);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_commandLine = new QLineEdit;
    auto* commandRow = new QHBoxLayout;
    commandRow->setContentsMargins(4, 2, 4, 2);
    commandRow->addWidget(new QLabel(Text(res::IDS_GUI_COMMAND_LABEL)));
    commandRow->addWidget(m_commandLine, 1);
    auto* console = new QWidget;
    auto* consoleLayout = new QVBoxLayout(console);
    consoleLayout->setContentsMargins(0, 0, 0, 0);
    consoleLayout->setSpacing(0);
    consoleLayout->addWidget(m_log, 1);
    consoleLayout->addLayout(commandRow);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_view);
    splitter->addWidget(console);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    m_coordinates = new QLabel;
    statusBar()->addPermanentWidget(m_coordinates);
    statusBar()->showMessage(Text(res::IDS_GUI_READY));
    buildMenus();

    connect(m_commandLine, &QLineEdit::returnPressed, this, &MainWindow::commandLineEntered);
    connect(m_view, &SheetView::cursorMoved, this, [this](QPointF point) {
        m_coordinates->setText(
            QStringLiteral("%1, %2").arg(point.x(), 0, 'f', 2).arg(point.y(), 0, 'f', 2));
    });
    // Esc cancels a pick wherever the focus is in the window.
    auto* cancelPick = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancelPick->setEnabled(false);
    connect(cancelPick, &QShortcut::activated, m_picker, &SheetPicker::Cancel);
    connect(m_picker, &SheetPicker::waiting, this, [this, cancelPick](const QString& prompt) {
        cancelPick->setEnabled(true);
        statusBar()->showMessage(prompt);
        m_commandLine->setPlaceholderText(prompt);
        log(prompt);
    });
    connect(m_picker, &SheetPicker::answered, this, [this, cancelPick] {
        cancelPick->setEnabled(false);
        statusBar()->showMessage(Text(res::IDS_GUI_READY));
        m_commandLine->setPlaceholderText({});
    });
    connect(m_picker, &SheetPicker::missed, this,
            [this] { statusBar()->showMessage(Text(res::IDS_GUI_NO_OBJECT_HERE), 2000); });

    resize(1200, 850);
    updateTitle();
    m_commandLine->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(Text(res::IDS_GUI_MENU_FILE));
    file->addAction(Text(res::IDS_GUI_FILE_NEW), QKeySequence::New, this, &MainWindow::newDrawing);
    file->addAction(Text(res::IDS_GUI_FILE_OPEN), QKeySequence::Open, this,
                    &MainWindow::openDrawing);
    file->addAction(Text(res::IDS_GUI_FILE_SAVE), QKeySequence::Save, this,
                    &MainWindow::saveDrawing);
    file->addAction(Text(res::IDS_GUI_FILE_SAVE_AS), QKeySequence::SaveAs, this,
                    &MainWindow::saveDrawingAs);
    file->addSeparator();
    file->addAction(Text(res::IDS_GUI_FILE_EXIT), QKeySequence::Quit, this, &QWidget::close);

    QMenu* requirements = menuBar()->addMenu(Text(res::IDS_GUI_MENU_REQUIREMENTS));
    addCommand(requirements, res::IDS_GUI_CMD_CONDITIONS, QStringLiteral("command TTOld"));
    addCommand(requirements, res::IDS_GUI_CMD_PARAMETERS, QStringLiteral("command TDold"));
    addCommand(requirements, res::IDS_GUI_CMD_DTEXT, QStringLiteral("command DText"));
    addCommand(requirements, res::IDS_GUI_CMD_CALCULATOR, QStringLiteral("command DiviRuve"));
    requirements->addSeparator();
    requirements->addAction(Text(res::IDS_GUI_CMD_NOTEBOOK), this, &MainWindow::showNotebook);

    QMenu* view = menuBar()->addMenu(Text(res::IDS_GUI_MENU_VIEW));
    view->addAction(Text(res::IDS_GUI_ZOOM_IN), QKeySequence::ZoomIn, m_view, &SheetView::ZoomIn);
    view->addAction(Text(res::IDS_GUI_ZOOM_OUT), QKeySequence::ZoomOut, m_view,
                    &SheetView::ZoomOut);
    view->addAction(Text(res::IDS_GUI_FIT), QKeySequence(Qt::Key_F5), m_view, &SheetView::Fit);
}

void MainWindow::addCommand(QMenu* menu, unsigned text, const QString& line,
                            const QKeySequence& shortcut) {
    QAction* action = menu->addAction(Text(text), this, [this, line] { RunLine(line); });
    action->setShortcut(shortcut);
}

void MainWindow::commandLineEntered() {
    QString line = m_commandLine->text();
    m_commandLine->clear();
    if (m_picker->IsWaiting()) {
        log(QStringLiteral("> ") + line);
        m_picker->AnswerTyped(line);
        return;
    }
    RunLine(line);
}

bool MainWindow::RunLine(const QString& line) {
    if (m_picker->IsWaiting()) {
        m_picker->AnswerTyped(line);
        return true;
    }
    if (m_busy) {
        statusBar()->showMessage(Text(res::IDS_GUI_BUSY), 2000);
        return false;
    }
    log(QStringLiteral("host> ") + line);
    setBusy(true);
    std::string text = line.toStdString();
    HostSession::Outcome outcome = m_session->Execute(text);
    setBusy(false);
    if (!outcome.output.empty())
        log(QString::fromStdString(outcome.output).trimmed());
    if (!outcome.error.empty()) {
        m_lastError = QString::fromStdString(outcome.error);
        log(m_lastError);
    }
    afterCommand(text, outcome.error.empty());
    if (outcome.quit || m_closeWhenDone)
        close();
    return outcome.error.empty();
}

void MainWindow::afterCommand(const std::string& line, bool succeeded) {
    std::string error;
    auto words = SplitShellWords(line, error);
    if (succeeded && words && !words->empty()) {
        const std::string& name = words->front();
        if ((name == "open" || name == "save") && words->size() == 2)
            m_path = QString::fromStdString((*words)[1]);
        else if (name == "new")
            m_path.clear();
    }
    refreshSheet();
    updateTitle();
}

void MainWindow::refreshSheet() {
    m_view->SetSvg(QByteArray::fromStdString(m_session->Svg()));
}

void MainWindow::updateTitle() {
    QString name = m_path.isEmpty() ? Text(res::IDS_GUI_UNTITLED) : QFileInfo(m_path).fileName();
    if (m_session->IsModified())
        name += QLatin1Char('*');
    setWindowTitle(name + QStringLiteral(" - ") + Text(res::IDS_GUI_CAPTION));
}

void MainWindow::setBusy(bool busy) {
    m_busy = busy;
    menuBar()->setEnabled(!busy);
}

void MainWindow::log(const QString& text) {
    m_log->appendPlainText(text);
    emit logged(text);
}

bool MainWindow::OpenDrawing(const QString& path) {
    return RunLine(QStringLiteral("open ") + quoted(path));
}

void MainWindow::newDrawing() {
    if (drawingMayGo())
        RunLine(QStringLiteral("new"));
}

void MainWindow::openDrawing() {
    if (!drawingMayGo())
        return;
    QString path = QFileDialog::getOpenFileName(this, {}, QFileInfo(m_path).path(),
                                                Text(res::IDS_GUI_DRAWING_FILTER));
    if (!path.isEmpty())
        OpenDrawing(path);
}

bool MainWindow::saveDrawing() {
    if (m_path.isEmpty())
        return saveDrawingAs();
    return RunLine(QStringLiteral("save ") + quoted(m_path));
}

bool MainWindow::saveDrawingAs() {
    QString path =
        QFileDialog::getSaveFileName(this, {}, m_path, Text(res::IDS_GUI_DRAWING_FILTER));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".zdw");
    return RunLine(QStringLiteral("save ") + quoted(path));
}

void MainWindow::showNotebook() {
    if (m_busy)
        return;
    // The notebook is opened the way a host opens it: through the module's export, on the
    // notebook the settings remember.
    auto run = reinterpret_cast<decltype(&RunNotebook)>(
        zn::loader::GetProcAddress(zn::loader::GetModuleHandleW(u"ReqpadDll.dll"), "RunNotebook"));
    if (!run)
        return;
    setBusy(true);
    try {
        run(nullptr, nullptr, 0, nullptr);
    } catch (const zn::ui::AgentError& e) {
        log(QString::fromStdString(e.what()));
    }
    setBusy(false);
}

bool MainWindow::drawingMayGo() {
    if (!m_session->IsModified())
        return true;
    auto choice =
        QMessageBox::question(this, Text(res::IDS_GUI_CAPTION), Text(res::IDS_GUI_SAVE_DRAWING),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (choice == QMessageBox::Cancel)
        return false;
    return choice == QMessageBox::No || saveDrawing();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        // The command that runs ends first; a waiting pick is cancelled so that it can.
        m_closeWhenDone = true;
        m_picker->Cancel();
        event->ignore();
        return;
    }
    if (m_unattended || drawingMayGo())
        event->accept();
    else
        event->ignore();
}

} // namespace gui
