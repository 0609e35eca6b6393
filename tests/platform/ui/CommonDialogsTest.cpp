// The file and find dialogs as requests to the user.
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/ui/FileDialog.h"
#include "platform/ui/FindReplaceDialog.h"
#include "platform/ui/PlatformStrings.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

class CommonDialogsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        resources.strings[kIdsFileExists] = u"%1 already exists.\nDo you want to replace it?";
        resources.strings[kIdsFileNotFound] = u"%1\nFile not found.";
        folder =
            std::filesystem::temp_directory_path() / ("reqpad-ui-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "old.ntb") << "x";
    }
    void TearDown() override {
        std::filesystem::remove_all(folder);
        UiTest::TearDown();
    }
    std::string path(const char* name) const { return (folder / name).string(); }

    std::filesystem::path folder;
};

TEST_F(CommonDialogsTest, SaveAsksBeforeOverwritingAndAddsTheExtension) {
    agent.AddScript("file \"" + path("old.ntb") + "\"\nanswer no\nfile \"" + path("new") + "\"");
    CFileDialog save(false, u"ntb", u"", OFN_OVERWRITEPROMPT, u"Notebook files(*.ntb)|*.ntb||");
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), zn::fromUtf8(path("new.ntb")));
    EXPECT_EQ(save.GetFileTitle(), u"new");
    EXPECT_EQ(save.GetFileExt(), u"ntb");
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text,
              zn::fromUtf8(path("old.ntb")) + u" already exists.\nDo you want to replace it?");
    agent.Finish();
}

TEST_F(CommonDialogsTest, OpenTakesTheTemplateOptionsAndRefusesMissingFiles) {
    DialogTemplate extension;
    extension.id = 24;
    extension.items = {item(32923, u"Button", u"Merge with current notebook", BS_AUTOCHECKBOX)};
    resources.dialogs[24] = extension;
    agent.AddScript("file \"" + path("none.ntb") + "\"\nanswer ok\nfile \"" + path("old.ntb") +
                    "\" check=32923\nfile cancel");
    CFileDialog open(true, u"ntb", u"", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     u"Notebook files(*.ntb)|*.ntb||");
    open.SetTemplate(24);
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_TRUE(open.GetOptionCheck(32923));
    EXPECT_EQ(open.DoModal(), IDCANCEL);
}

TEST_F(CommonDialogsTest, FindDialogSendsItsRequestsToTheOwner) {
    resources.dialogs[1540] = dialogTemplate(
        1540, u"Find", WS_POPUP | WS_CAPTION | WS_VISIBLE, {0, 0, 236, 62},
        {
            item(kFindWhatEdit, u"Edit", u"", WS_TABSTOP),
            item(kFindWholeWordCheck, u"Button", u"Match whole word only",
                 BS_AUTOCHECKBOX | WS_TABSTOP),
            item(kFindMatchCaseCheck, u"Button", u"Match case", BS_AUTOCHECKBOX | WS_TABSTOP),
            item(kFindUpRadio, u"Button", u"Up", BS_AUTORADIOBUTTON | WS_GROUP),
            item(kFindDownRadio, u"Button", u"Down", BS_AUTORADIOBUTTON),
            item(IDOK, u"Button", u"Find Next", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP),
            item(IDCANCEL, u"Button", u"Cancel", BS_PUSHBUTTON | WS_TABSTOP),
        });

    struct Owner : CWnd {
        std::vector<std::pair<std::u16string, std::uint32_t>> requests;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == RegisterWindowMessageW(FINDMSGSTRING)) {
                CFindReplaceDialog* dialog = CFindReplaceDialog::GetNotifier(lParam);
                requests.push_back({dialog->GetFindString(), dialog->m_fr.Flags});
                return 0;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } owner;
    ASSERT_TRUE(owner.Create(u"Test", u"Notebook", WS_POPUP | WS_VISIBLE, {}, nullptr, 0));
    auto* dialog = new CFindReplaceDialog;
    ASSERT_TRUE(dialog->Create(true, u"steel", FR_DOWN | FR_HIDEUPDOWN, 1540, &owner));
    EXPECT_FALSE(dialog->GetDlgItem(kFindUpRadio)->IsWindowVisible());

    // The find dialog is the active window, so the user's input goes there.
    agent.AddScript("type bolt\nclick 1041\nkey Enter\nclick 2");
    for (int i = 0; i < 4; ++i)
        agent.ProvideInput(owner);
    ASSERT_EQ(owner.requests.size(), 2u);
    EXPECT_EQ(owner.requests[0].first, u"bolt");
    EXPECT_EQ(owner.requests[0].second & (FR_FINDNEXT | FR_MATCHCASE | FR_DOWN | FR_WHOLEWORD),
              FR_FINDNEXT | FR_MATCHCASE | FR_DOWN);
    EXPECT_TRUE(owner.requests[1].second & FR_DIALOGTERM);
    EXPECT_EQ(GetActiveWindow(), &owner); // the dialog is gone (and deleted itself)
}

} // namespace
} // namespace zn::ui::test
