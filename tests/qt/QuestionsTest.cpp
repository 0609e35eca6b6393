// The system's questions as Qt dialogs and menus, answered by keys as a user would: the
// popup menu's first enabled entry or nothing, what Esc means in each kind of box, and the
// sibling modules' pickers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/qt/PickerDialog.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtUserAgent.h"

namespace zn::ui::qt::test {
namespace {

// Presses `keys` in turn in whatever popup or modal dialog is open, as soon as it is open.
void pressInOpenWindow(std::vector<int> keys) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, keys]() mutable {
        QWidget* open = QApplication::activePopupWidget();
        if (!open)
            open = QApplication::activeModalWidget();
        if (!open)
            return;
        for (int key : keys) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(open->focusWidget() ? open->focusWidget() : open, &press);
        }
        timer->deleteLater();
        timer->stop();
    });
    timer->start();
}

TEST(Questions, PopupMenusOfferTheEnabledEntries) {
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 30, u"Deep");
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | MF_GRAYED, 10, u"Greyed");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_CHECKED, 20, u"Checked");
    menu.AppendMenu(MF_POPUP, sub, u"More");
    QtUserAgent agent;

    pressInOpenWindow({Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(agent.ChooseMenuCommand(menu), 20u);
    pressInOpenWindow({Qt::Key_Escape});
    EXPECT_EQ(agent.ChooseMenuCommand(menu), 0u);

    QMenu shown;
    FillMenu(shown, menu);
    ASSERT_EQ(shown.actions().size(), 4);
    EXPECT_FALSE(shown.actions()[0]->isEnabled());
    EXPECT_TRUE(shown.actions()[1]->isSeparator());
    EXPECT_TRUE(shown.actions()[2]->isChecked());
    ASSERT_NE(shown.actions()[3]->menu(), nullptr);
    EXPECT_EQ(shown.actions()[3]->menu()->actions()[0]->data().toUInt(), 30u);
}

TEST(Questions, EscInAMessageBoxAnswersAsTheSystemDoes) {
    QtUserAgent agent;
    const std::pair<unsigned, int> cases[] = {
        {MB_YESNOCANCEL, IDCANCEL}, {MB_YESNO, IDNO}, {MB_OK, IDOK}, {MB_OKCANCEL, IDCANCEL}};
    for (auto [type, answer] : cases) {
        pressInOpenWindow({Qt::Key_Escape});
        EXPECT_EQ(agent.AnswerMessageBox(u"Save changes?", u"Notebook", type | MB_ICONQUESTION),
                  answer)
            << type;
    }
    // Enter takes the first button, the default.
    pressInOpenWindow({Qt::Key_Return});
    EXPECT_EQ(agent.AnswerMessageBox(u"Apply corrections?", u"Editor", MB_YESNOCANCEL), IDYES);
}

TEST(Questions, PickersGiveTheChosenRecordOrTheFieldsAsFilled) {
    QtUserAgent agent;
    PickerRequest records;
    records.kind = PickerRequest::Kind::Record;
    records.choices = {u"12 pos. 1", u"15 pos. 2 zone A3"};
    pressInOpenWindow({Qt::Key_Down, Qt::Key_Return});
    PickerAnswer answer = agent.AnswerPicker(records);
    EXPECT_TRUE(answer.chosen);
    EXPECT_EQ(answer.record, 15);
    pressInOpenWindow({Qt::Key_Escape});
    EXPECT_FALSE(agent.AnswerPicker(records).chosen);

    PickerRequest material;
    material.kind = PickerRequest::Kind::Material;
    material.presets = {u"Steel 45", u"GOST 1050", u""};
    pressInOpenWindow({Qt::Key_Return});
    answer = agent.AnswerPicker(material);
    EXPECT_TRUE(answer.chosen);
    EXPECT_EQ(answer.fields, (std::vector<std::u16string>{u"Steel 45", u"GOST 1050", u""}));

    EXPECT_EQ(RecordOfChoice(u"7 pos. 3"), 7);
    EXPECT_EQ(RecordOfChoice(u"pos. 3"), -1);
}

} // namespace
} // namespace zn::ui::qt::test
