// The notebook window's frame in the reference host: its toolbars follow what can be done
// now, the splitter moves the panes (the grid of table pages too) and the page's toolbars
// with them, the window's place and the splitter come back from the settings, and help goes
// to the host.
#include <cstdlib>
#include <functional>

#include "host/Services.h"
#include "notebook/NotebookDlg.h"
#include "notebook/PageText.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Placement.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"
#include "tests/host/HostFixture.h"

using namespace notebook;
using namespace zn::ui;

namespace {

// The scripted user, letting a test look around each time a window waits for input.
class WatchingAgent : public ScriptedAgent {
public:
    void ProvideInput(CWnd& waiting) override {
        if (watch)
            watch(waiting);
        ScriptedAgent::ProvideInput(waiting);
    }
    std::function<void(CWnd&)> watch;
};

class NotebookWindow : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        const char* data = std::getenv("XDG_DATA_HOME");
        m_savedData = data ? std::optional<std::string>(data) : std::nullopt;
        // The start-up import looks into the host's data folder: an empty one here.
        setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
        m_previousAgent = SetUserAgent(&agent);
        m_previousBox = SetMessageBoxHandler(
            [this](void*, std::u16string_view text, std::u16string_view caption, unsigned type) {
                return agent.AnswerMessageBox(text, caption, type);
            });
        ClearMessageQueue();
        CNotebookDoc doc;
        doc.NewNotebook(true);
        CNotebookTree& pages = doc.Pages();
        HTREEITEM steels = pages.InsertTreeItem(u"Steels", pages.Root(), TVI_LAST, kPartition);
        HTREEITEM grades = pages.InsertTreeItem(u"Grades", steels, TVI_LAST, kTextPage);
        pages.GetOwnPage(grades)->text = RtfOfPlainText(u"1. Steel 45");
        pages.Expand(pages.Root(), true);
        pages.Expand(steels, true);
        ASSERT_EQ(doc.SaveNotebook(zn::fromUtf8(Path("book.ntb"))), 1);
    }
    void TearDown() override {
        if (dialog && dialog->GetSafeHwnd())
            dialog->DestroyWindow();
        dialog.reset();
        ClearMessageQueue();
        SetMessageBoxHandler(m_previousBox);
        SetUserAgent(m_previousAgent);
        if (m_savedData)
            setenv("XDG_DATA_HOME", m_savedData->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        HostFixture::TearDown();
    }

    CNotebook& open(const std::string& book = "book.ntb") {
        dialog = std::make_unique<CNotebook>();
        dialog->LoadNotebook(zn::fromUtf8(Path(book)), kOpen);
        EXPECT_TRUE(dialog->CreateModeless(nullptr));
        dialog->ShowWindow(SW_SHOW);
        SetActiveWindow(dialog.get());
        PumpMessages();
        return *dialog;
    }
    void user(const std::string& script) {
        agent.AddScript(script);
        while (agent.Remaining() && dialog->GetSafeHwnd()) {
            agent.ProvideInput(*dialog);
            PumpMessages();
        }
    }
    ZnPtr<IZnSettingsSection> settings() {
        ZnPtr<IZnSettingsSection> section;
        gpZnContext->OpenSettingsSection(u"ZNSTT", section.put());
        return section;
    }
    // The splitter's place in a window opened with `stored` remembered.
    int splitterFor(int stored) {
        settings()->WriteInt(CNotebook::kSplitterKey, stored);
        int position = open().Splitter().GetSplitterPos();
        dialog->DestroyWindow();
        return position;
    }
    std::vector<ZnsStringW> helpTopics() {
        std::vector<ZnsStringW> topics;
        for (const simhost::HostEvent& event : Host().Notifications().Events())
            if (event.kind == simhost::HostEvent::Kind::Help)
                topics.push_back(event.text);
        return topics;
    }

    res::ModuleResourceScope resources;
    WatchingAgent agent;
    std::unique_ptr<CNotebook> dialog;

private:
    std::optional<std::string> m_savedData;
    UserAgent* m_previousAgent = nullptr;
    MessageBoxHandler m_previousBox;
};

TEST_F(NotebookWindow, ToolbarsFollowWhatCanBeDoneNow) {
    CNotebook& window = open();
    CxToolBar& main = window.MainBar();
    EXPECT_EQ(main.GetButtonImage(ID_OPEN_BOOK), 684);
    EXPECT_EQ(main.GetButtonImage(ID_SAVE_BOOK), 685);
    EXPECT_GE(main.GetButtonImage(ID_EDIT_PAGE), 0);
    EXPECT_EQ(main.GetToolTipText(int(ID_ADD_PARTITION)), u"Add partition");
    EXPECT_EQ(window.TransferBar().GetToolTipText(int(ID_TRANSFER)),
              u"Select/transfer selected text");

    // A partition: no page to edit; History: neither edited nor deleted.
    user("click 12050 \"Steels\"");
    EXPECT_FALSE(main.IsButtonEnabled(int(ID_EDIT_PAGE)));
    EXPECT_TRUE(main.IsButtonEnabled(int(ID_DELETE)));
    user("click 12050 \"History\"");
    EXPECT_FALSE(main.IsButtonEnabled(int(ID_EDIT_PAGE)));
    EXPECT_FALSE(main.IsButtonEnabled(int(ID_DELETE)));
    EXPECT_TRUE(main.IsButtonEnabled(int(ID_ADD_PARTITION)));

    // Viewing a page: transfer once something is selected.
    user("click 12050 \"Grades\"");
    EXPECT_TRUE(main.IsButtonEnabled(int(ID_EDIT_PAGE)));
    EXPECT_TRUE(window.TransferBar().IsWindowVisible());
    EXPECT_FALSE(window.TransferBar().IsButtonEnabled(int(ID_TRANSFER)));
    user("drag 12014 @3 @8");
    EXPECT_TRUE(window.TransferBar().IsButtonEnabled(int(ID_TRANSFER)));

    // Editing it: the formatting bar instead of the transfer bar, and no tree commands.
    user("click 32821");
    ASSERT_TRUE(window.IsEditingPage());
    EXPECT_TRUE(main.IsButtonChecked(int(ID_EDIT_PAGE)));
    EXPECT_FALSE(main.IsButtonEnabled(int(ID_ADD_PARTITION)));
    EXPECT_FALSE(main.IsButtonEnabled(int(ID_DELETE)));
    EXPECT_TRUE(window.FormatBar().IsWindowVisible());
    EXPECT_FALSE(window.TransferBar().IsWindowVisible());
    window.PageView().SetSel(3, 8);
    user("click 32816");
    EXPECT_TRUE(window.PageView().IsRaised());
    user("click 32821");
    EXPECT_FALSE(window.IsEditingPage());
    EXPECT_FALSE(window.FormatBar().IsWindowVisible());
    EXPECT_TRUE(window.IsModified());
}

TEST_F(NotebookWindow, SplitterDragMovesThePanesAndThePageBars) {
    CNotebook& window = open();
    CxSplitter& splitter = window.Splitter();
    int before = splitter.GetSplitterPos();
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(61, 10));
    // Released where the pointer stopped: over the bar's left edge once more.
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 10));
    PumpMessages();
    EXPECT_EQ(splitter.GetSplitterPos(), before + 60);
    const CRect bar = splitter.GetRectInParent();
    EXPECT_EQ(window.GetDlgItem(IDC_NOTEBOOK_TREE)->GetRectInParent().right, bar.left);
    EXPECT_EQ(window.PageView().GetRectInParent().left, bar.right);
    EXPECT_EQ(window.TransferBar().GetRectInParent().left, bar.right);
    EXPECT_EQ(window.TableBar().GetRectInParent().left, bar.right);
    // A table page shows where the text pages do.
    EXPECT_EQ(window.TableGrid().GetRectInParent(), window.PageView().GetRectInParent());

    // A wider window keeps the bar where it is and gives the page the room.
    user("resize 1000 600");
    EXPECT_EQ(splitter.GetSplitterPos(), before + 60);
    EXPECT_EQ(window.PageView().GetRectInParent().left, splitter.GetRectInParent().right);
    EXPECT_GT(window.PageView().GetRectInParent().right, 900);
    EXPECT_GT(window.GetDlgItem(IDCANCEL)->GetRectInParent().left, 900);
}

TEST_F(NotebookWindow, PlaceAndSplitterComeBackFromTheSettings) {
    CNotebook& first = open();
    user("resize 900 560");
    first.Splitter().SetSplitterPos(300);
    WINDOWPLACEMENT placed;
    ASSERT_TRUE(GetWindowPlacement(first, placed));
    user("click 2");
    ASSERT_EQ(first.GetSafeHwnd(), nullptr);
    EXPECT_EQ(settings()->GetInt(CNotebook::kSplitterKey, -1), 300);
    ASSERT_TRUE(settings()->GetPlacement(CNotebook::kPlacementKey));

    CNotebook& second = open();
    WINDOWPLACEMENT restored;
    ASSERT_TRUE(GetWindowPlacement(second, restored));
    EXPECT_EQ(restored.rcNormalPosition, placed.rcNormalPosition);
    EXPECT_EQ(second.Splitter().GetSplitterPos(), 300);
    second.DestroyWindow();

    // A remembered place that would squeeze the page is not taken.
    int fallback = splitterFor(169);
    EXPECT_EQ(splitterFor(880), fallback);
    EXPECT_EQ(splitterFor(400), 400);
}

TEST_F(NotebookWindow, HelpAndPrivateMessages) {
    CNotebook& window = open();
    user("click 57670");
    EXPECT_EQ(helpTopics(), std::vector<ZnsStringW>{u"ZNS_HELP_TT_LIB"});
    user("click 12050 \"Steels\"\nkey F1");
    EXPECT_EQ(helpTopics(), (std::vector<ZnsStringW>{u"ZNS_HELP_TT_LIB", u"ZNS_HELP_TT_LIB"}));
    EXPECT_EQ(window.SendMessage(kNotebookQuery, 0, 0), 1);
}

} // namespace

TEST_F(NotebookWindow, ColumnPropertiesTellTheHostTheyAreOpenUntilClosedEitherWay) {
    CNotebookDoc doc;
    doc.NewNotebook(true);
    HTREEITEM sizes =
        doc.Pages().InsertTreeItem(u"Sizes", doc.Pages().Root(), TVI_LAST, kTablePage);
    doc.Pages().GetOwnPage(sizes)->text = u"Size|60\nM6\n";
    doc.Pages().Expand(doc.Pages().Root(), true);
    ASSERT_EQ(doc.SaveNotebook(zn::fromUtf8(Path("table.ntb"))), 1);
    open("table.ntb");
    user("click 12050 \"Sizes\"\nclick 32821\nclick 32924 \"1,1\"");

    // Whenever the properties wait for the user, the host knows them as the open dialog.
    std::vector<void*> waited;
    agent.watch = [&](CWnd& waiting) {
        if (&waiting == dialog.get())
            return;
        waited.push_back(waiting.GetSafeHwnd());
        EXPECT_EQ(Host().Context().OpenDialogs(), std::vector<void*>{waiting.GetSafeHwnd()});
    };
    user("click 32928\nclick 1038\nclick 1");
    ASSERT_FALSE(waited.empty()) << "the properties never opened";
    EXPECT_TRUE(Host().Context().OpenDialogs().empty()) << "OK told the host they closed";

    waited.clear();
    user("click 32928\nclick 1036\nclick 2");
    ASSERT_FALSE(waited.empty());
    EXPECT_TRUE(Host().Context().OpenDialogs().empty()) << "Cancel told the host they closed";
}
