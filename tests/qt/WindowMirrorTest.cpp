// Our windows and their widgets: windows made, changed and destroyed outside any modal loop
// show by themselves, and while a loop waits, real input goes in one event per wait.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Menu.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/qt/QtUserAgent.h"

namespace zn::ui::qt::test {
namespace {

class WindowMirrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SetUserAgent(&agent);
        ASSERT_TRUE(
            top.Create(u"Test", u"First", WS_POPUP | WS_VISIBLE, {40, 30, 340, 230}, nullptr, 0));
        ASSERT_TRUE(edit.Create(u"Edit", u"", WS_CHILD | WS_VISIBLE, {10, 10, 210, 32}, &top, 100));
        edit.SetFocus();
    }
    void TearDown() override {
        if (top.GetSafeHwnd())
            top.DestroyWindow();
        ClearMessageQueue();
        SetUserAgent(m_previous);
    }
    static void settle() { QCoreApplication::processEvents(); }
    void postKey(int key, const QString& text) {
        QCoreApplication::postEvent(agent.WidgetOf(top),
                                    new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    }

    QtUserAgent agent;
    CWnd top;
    CEdit edit;

private:
    UserAgent* m_previous = nullptr;
};

TEST_F(WindowMirrorTest, ChangesOutsideAWaitShowByThemselves) {
    settle();
    QWidget* widget = agent.WidgetOf(top);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->windowTitle(), QStringLiteral("First"));
    EXPECT_EQ(widget->size(), QSize(300, 200));
    ASSERT_NE(agent.WidgetOf(edit), nullptr);
    EXPECT_EQ(agent.WidgetOf(edit)->geometry(), QRect(10, 10, 200, 22));

    top.SetWindowTextW(u"Renamed");
    edit.MoveWindow(20, 40, 100, 22);
    edit.EnableWindow(false);
    settle();
    EXPECT_EQ(widget->windowTitle(), QStringLiteral("Renamed"));
    EXPECT_EQ(agent.WidgetOf(edit)->geometry(), QRect(20, 40, 100, 22));
    EXPECT_FALSE(agent.WidgetOf(edit)->isEnabled());

    // A combo box shows only its field; its rectangle's list part belongs to what lies below.
    CComboBox combo;
    ASSERT_TRUE(combo.Create(u"ComboBox", u"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                             {10, 80, 110, 180}, &top, 101));
    settle();
    ASSERT_NE(agent.WidgetOf(combo), nullptr);
    EXPECT_LT(agent.WidgetOf(combo)->height(), 30);

    top.ShowWindow(SW_HIDE);
    settle();
    EXPECT_FALSE(widget->isVisible());
    top.DestroyWindow();
    settle();
    EXPECT_EQ(agent.WidgetOf(top), nullptr);
}

TEST_F(WindowMirrorTest, AWaitTakesOneEventAndLeavesTheRestForTheNext) {
    agent.ShowWindows();
    std::vector<std::u16string> seen;
    int waits = 0;
    agent.SetBeforeWaitHook([&](CWnd&) {
        if (++waits == 1) {
            postKey(Qt::Key_A, QStringLiteral("a"));
            postKey(Qt::Key_B, QStringLiteral("b"));
        }
    });
    for (int i = 0; i < 2; ++i) {
        agent.ProvideInput(top);
        seen.push_back(edit.GetWindowTextW());
    }
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"a", u"ab"}));

    // Outside a wait, input goes in as it comes.
    postKey(Qt::Key_C, QStringLiteral("c"));
    postKey(Qt::Key_D, QStringLiteral("d"));
    settle();
    EXPECT_EQ(edit.GetWindowTextW(), u"abcd");
}

TEST_F(WindowMirrorTest, TheMenuBarLiesAboveTheClientAndSendsItsCommands) {
    CMenu file;
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, 57602, u"&Close");
    file.AppendMenu(MF_STRING | MF_GRAYED, 57603, u"&Save");
    CMenu bar;
    bar.CreateMenu();
    bar.AppendMenu(MF_POPUP, file, u"&File");
    top.SetMenu(&bar);
    int closed = 0;
    top.OnCommandId(57602, [&] { ++closed; });
    settle();
    QWidget* widget = agent.WidgetOf(top);
    auto* menuBar = widget->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    const int menuHeight = menuBar->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(widget->height(), 200 + menuHeight);
    EXPECT_EQ(agent.WidgetOf(edit)->y(), 10 + menuHeight);

    QMenu* popup = menuBar->actions().front()->menu();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menuBar->actions().front()->text(), QStringLiteral("&File"));
    // The entries are read as the popup opens, so the owner's states show.
    emit popup->aboutToShow();
    ASSERT_EQ(popup->actions().size(), 2);
    EXPECT_FALSE(popup->actions()[1]->isEnabled());
    popup->actions()[0]->trigger();
    EXPECT_EQ(closed, 1);
    top.SetMenu(nullptr);
}

TEST_F(WindowMirrorTest, InputMethodsTypeWhatTheyCommit) {
    agent.ShowWindows();
    QInputMethodEvent composing(QStringLiteral("С"), {});
    QCoreApplication::sendEvent(agent.WidgetOf(top), &composing);
    EXPECT_EQ(edit.GetWindowTextW(), u""); // still being composed
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("Сталь"));
    QCoreApplication::sendEvent(agent.WidgetOf(top), &committed);
    EXPECT_EQ(edit.GetWindowTextW(), u"Сталь");
}

TEST_F(WindowMirrorTest, ALongTextScrollsByItsScrollBar) {
    CRichEditCtrl text;
    ASSERT_TRUE(text.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, {10, 40, 210, 120},
                            &top, 102));
    std::u16string lines;
    for (int i = 0; i < 40; ++i)
        lines += u"line\r";
    text.SetText(lines);
    settle();
    auto* bar = agent.WidgetOf(text)->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 41 * richedit::RichEditModel::kLineHeight - 80);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(text.GetScrollPos().y, 80);
    // Scrolling by the keyboard moves the bar.
    text.SetSel(text.GetTextLength(), text.GetTextLength());
    text.ScrollCaret();
    settle();
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(WindowMirrorTest, AWaitWithNothingShownIsAnError) {
    top.ShowWindow(SW_HIDE);
    SetActiveWindow(nullptr);
    EXPECT_THROW(agent.ProvideInput(top), AgentError);
}

TEST_F(WindowMirrorTest, TopLevelWindowsStayOverTheirOwnerOrTheMainWindow) {
    QWidget main;
    main.show();
    agent.SetMainWidget(&main);
    CWnd owned, free;
    ASSERT_TRUE(owned.Create(u"Test", u"Owned", WS_POPUP, {60, 50, 160, 150}, nullptr, 0));
    owned.SetOwner(&edit); // an owner inside a window stands for that window
    owned.ShowWindow(SW_SHOW);
    ASSERT_TRUE(free.Create(u"Test", u"Free", WS_POPUP | WS_VISIBLE, {0, 0, 50, 50}, nullptr, 0));
    settle();
    QWidget* ownedWidget = agent.WidgetOf(owned);
    QWidget* freeWidget = agent.WidgetOf(free);
    ASSERT_NE(ownedWidget, nullptr);
    ASSERT_NE(freeWidget, nullptr);
    EXPECT_TRUE(ownedWidget->isWindow());
    EXPECT_EQ(ownedWidget->parentWidget(), agent.WidgetOf(top));
    EXPECT_TRUE(freeWidget->isWindow());
    EXPECT_EQ(freeWidget->parentWidget(), &main);
    // Only dialogs are modal or moved to the main window's middle.
    EXPECT_EQ(freeWidget->windowModality(), Qt::NonModal);
    EXPECT_EQ(freeWidget->pos(), QPoint(0, 0));
    owned.DestroyWindow();
    free.DestroyWindow();
    settle();
}

} // namespace
} // namespace zn::ui::qt::test
