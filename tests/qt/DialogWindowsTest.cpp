// The module's dialogs on a (virtual) screen: each looks as its stored picture, real key
// and mouse events edit the requirements as the headless user's would, and closing asks its
// question in a real message box.
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "editor/ReqpadDlg.h"
#include "notebook/NotebookDlg.h"
#include "notebook/PageText.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/qt/QtUserAgent.h"
#include "resources/ModuleResources.h"
#include "tests/host/DefaultNotebook.h"
#include "tests/host/HostFixture.h"
#include "tests/qt/Screenshots.h"

namespace zn::ui::qt::test {
namespace {

constexpr int kEditorText = 12014;

class DialogWindows : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        ClearMessageQueue();
        ClearRecordedMessageBoxes();
        InitModule();
        NewDrawing();
        m_previous = SetUserAgent(&agent);
        // Message boxes are answered as a user would click, and what they said is kept.
        m_boxes.setInterval(10);
        QObject::connect(&m_boxes, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxTexts.push_back(box->text().toStdString());
                box->button(boxAnswer)->click();
            }
        });
        m_boxes.start();
    }
    void TearDown() override {
        m_boxes.stop();
        SetUserAgent(m_previous);
        UnInitModule();
        ClearMessageQueue();
        HostFixture::TearDown();
    }

    // Runs `step` at each wait for input, with the number of the wait; a run that keeps
    // waiting ends with an error rather than hanging the suite.
    void onEachWait(std::function<void(CWnd& waiting, int wait)> step) {
        m_waits = 0;
        agent.SetBeforeWaitHook([this, step](CWnd& waiting) {
            if (++m_waits > 40)
                throw AgentError("the dialog is still waiting after 40 events");
            step(waiting, m_waits);
        });
    }
    QWidget* widgetOf(CWnd& window) {
        QWidget* widget = agent.WidgetOf(window);
        EXPECT_NE(widget, nullptr);
        return widget;
    }
    QImage grab(CWnd& window) { return widgetOf(window)->grab().toImage(); }
    void postKey(CWnd& window, int key, Qt::KeyboardModifiers modifiers = {},
                 const QString& text = {}) {
        QCoreApplication::postEvent(widgetOf(*window.GetTopLevelParent()),
                                    new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
    }
    void postClick(CWnd& window, QPoint at) {
        QWidget* widget = widgetOf(window);
        const QPointF global = widget->mapToGlobal(QPointF(at));
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                widget,
                new QMouseEvent(type, QPointF(at), global, Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
    }
    // The frame's close button, as the window manager reports it.
    void postClose(CWnd& window) { QCoreApplication::postEvent(widgetOf(window), new QCloseEvent); }
    // Grabs the waiting dialog into `seen` at its first wait, then closes it by its frame.
    void grabThenClose(QImage& seen) {
        onEachWait([&](CWnd& waiting, int wait) {
            if (wait == 1)
                seen = grab(waiting);
            postClose(waiting);
        });
    }

    res::ModuleResourceScope resources;
    QtUserAgent agent;
    std::vector<std::string> boxTexts;
    QMessageBox::StandardButton boxAnswer = QMessageBox::No;

private:
    UserAgent* m_previous = nullptr;
    QTimer m_boxes;
    int m_waits = 0;
};

class EditorDialog : public DialogWindows {
protected:
    void SetUp() override {
        DialogWindows::SetUp();
        ASSERT_TRUE(owner.Create(u"Test", u"Drawing", WS_POPUP, {0, 0, 1024, 768}, nullptr, 0));
    }
    void TearDown() override {
        owner.DestroyWindow();
        DialogWindows::TearDown();
    }
    CWnd owner;
};

TEST_F(EditorDialog, LooksAsStoredWithANumberedText) {
    editor::ReqpadDlg dialog(&owner);
    dialog.SetContent(u"1. Steel 45 GOST 1050\r2. Hardness 32...36 HRC\r3. Unspecified "
                      u"tolerances +-IT14/2",
                      editor::kContentPlain);
    // The text keeps Esc to itself; the unchanged dialog closes by its frame without asking.
    QImage seen;
    onEachWait([&](CWnd& waiting, int wait) {
        if (wait == 1)
            seen = grab(waiting);
        postClose(waiting);
    });
    dialog.DoModal();
    EXPECT_TRUE(boxTexts.empty());
    EXPECT_TRUE(LooksLikeStored(seen, "editor"));
}

TEST_F(EditorDialog, RealKeysRenumberAndClosingAsksToApplyInARealBox) {
    editor::ReqpadDlg dialog(&owner);
    dialog.SetContent(u"1. a\r2. b", editor::kContentPlain);
    ZnsStringW afterEnter;
    onEachWait([&](CWnd& waiting, int wait) {
        auto* text = dynamic_cast<CRichEditCtrl*>(waiting.FindDescendant(kEditorText));
        ASSERT_NE(text, nullptr);
        if (wait == 1) {
            // A click behind "a", then Enter, as separate real events.
            const richedit::Point behind = text->PosFromChar(4);
            postClick(*text, QPoint(behind.x + 2, behind.y + 8));
            postKey(waiting, Qt::Key_Return, {}, QStringLiteral("\r"));
        } else if (afterEnter.empty() && text->GetText().size() > 9) {
            afterEnter = text->GetText();
            postClose(waiting);
        }
    });
    boxAnswer = QMessageBox::No;
    dialog.DoModal();
    EXPECT_EQ(afterEnter, u"1. a\r2. \r3. b");
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_EQ(boxTexts[0], "Apply corrections?");
    EXPECT_EQ(dialog.m_result, editor::ReqpadDlg::kResultCancel);
}

TEST_F(EditorDialog, FrameCloseAndAltF4AskTheSameQuestion) {
    for (bool altF4 : {false, true}) {
        boxTexts.clear();
        editor::ReqpadDlg dialog(&owner);
        dialog.SetContent(u"1. a", editor::kContentPlain);
        onEachWait([&](CWnd& waiting, int wait) {
            if (wait == 1) {
                postKey(waiting, Qt::Key_X, {}, QStringLiteral("x"));
            } else if (altF4) {
                postKey(waiting, Qt::Key_F4, Qt::AltModifier);
            } else {
                postClose(waiting);
            }
        });
        boxAnswer = QMessageBox::Yes;
        dialog.DoModal();
        ASSERT_EQ(boxTexts.size(), 1u) << (altF4 ? "Alt+F4" : "frame");
        EXPECT_EQ(boxTexts[0], "Apply corrections?");
        EXPECT_EQ(dialog.m_result, editor::ReqpadDlg::kResultOk);
        EXPECT_NE(dialog.m_content.find(u'x'), std::u16string::npos);
    }
}

TEST_F(DialogWindows, CalculatorLooksAsStoredAndClosesByItsFrame) {
    QImage seen;
    grabThenClose(seen);
    ASSERT_TRUE(UseEmptyDefaultNotebook(Path("default.ntb")));
    Host().RunCommand(u"DiviRuve");
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_TRUE(LooksLikeStored(seen, "calculator"));
}

TEST_F(DialogWindows, SingleLineTextDialogLooksAsStoredAndClosesByItsFrame) {
    QImage seen;
    grabThenClose(seen);
    Host().RunCommand(u"DText");
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_TRUE(LooksLikeStored(seen, "dtext"));
}

TEST_F(DialogWindows, NotebookLooksAsStoredAndEscAsksToSaveChangesInARealBox) {
    const std::string path = Path("book.ntb");
    {
        notebook::CNotebookDoc doc;
        doc.NewNotebook(true);
        notebook::CNotebookTree& pages = doc.Pages();
        HTREEITEM steels =
            pages.InsertTreeItem(u"Steels", pages.Root(), TVI_LAST, notebook::kPartition);
        HTREEITEM grades = pages.InsertTreeItem(u"Grades", steels, TVI_LAST, notebook::kTextPage);
        pages.GetOwnPage(grades)->text = notebook::RtfOfPlainText(u"1. Steel 45");
        pages.InsertTreeItem(u"Bolts", pages.Root(), TVI_LAST, notebook::kPartition);
        pages.Expand(pages.Root(), true);
        ASSERT_EQ(doc.SaveNotebook(zn::fromUtf8(path)), 1);
    }
    notebook::CNotebook dialog;
    dialog.LoadNotebook(zn::fromUtf8(path), notebook::kOpen);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    dialog.ShowWindow(SW_SHOW);
    SetActiveWindow(&dialog);
    agent.ShowWindows();
    EXPECT_TRUE(LooksLikeStored(grab(dialog), "notebook"));

    dialog.SetModified();
    postKey(dialog, Qt::Key_Escape);
    boxAnswer = QMessageBox::No;
    agent.WaitForInput();
    PumpMessages();
    EXPECT_EQ(boxTexts, std::vector<std::string>{"Save changes?"});
    EXPECT_FALSE(dialog.GetSafeHwnd());
}

} // namespace
} // namespace zn::ui::qt::test
