// The notebook as the other dialogs reach it inside the reference host: the editor's
// Tools > Notepad, the single-line text dialog's Notebook button, and the calculator's
// embedded pane with its tables, its picks and the full notebook behind its button.
#include "calculator/CalcDlgIds.h"
#include "calculator/KLVBCalcDlg.h"
#include "editor/ReqpadDlg.h"
#include "host/Services.h"
#include "notebook/NoteEmb.h"
#include "notebook/Notebook.h"
#include "notebook/PageText.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"
#include "tests/host/DTextFixture.h"

namespace {

using namespace zn::ui;
using namespace notebook;

// The default notebook of these tests: a text page, and tables of which two share a name.
class NotebookWiring : public DTextFixture {
protected:
    void SetUp() override {
        DTextFixture::SetUp();
        m_previous = SetUserAgent(&agent);
        ResetClipboard();
        ClearMessageQueue();
        ASSERT_TRUE(owner.Create(u"Test", u"Drawing", WS_POPUP | WS_VISIBLE, {0, 0, 1024, 768},
                                 nullptr, 0));
        useNotebook("book.ntb");
        CNotebookDoc doc;
        doc.NewNotebook(true);
        CNotebookTree& pages = doc.Pages();
        HTREEITEM grades = pages.InsertTreeItem(u"Grades", pages.Root(), TVI_LAST, kTextPage);
        pages.GetOwnPage(grades)->text = RtfOfPlainText(u"4. Steel 45");
        addTable(pages, pages.InsertTreeItem(u"Old", pages.Root(), TVI_LAST, kPartition), u"Bolts",
                 u"Size|60\tPitch|40\nM8\t1.25\n");
        addTable(pages, pages.InsertTreeItem(u"New", pages.Root(), TVI_LAST, kPartition), u"Bolts",
                 u"Size|60\tPitch|40\nM10\t1.5\nM12\n");
        addTable(pages, pages.Root(), u"Nuts", u"Size|50\nM6\n");
        pages.Expand(pages.Root(), true);
        ASSERT_EQ(doc.SaveNotebook(zn::fromUtf8(Path("book.ntb"))), 1);
    }
    void TearDown() override {
        owner.DestroyWindow();
        ClearMessageQueue();
        SetUserAgent(m_previous);
        DTextFixture::TearDown();
    }
    void useNotebook(const std::string& name) {
        gpZnDefParamManager->SetValue(
            7115, ZNSVariant(ZnsArray<ZnsStringW>{zn::fromUtf8(Path(name)), u"ntb"}));
    }
    static void addTable(CNotebookTree& pages, HTREEITEM parent, const char16_t* name,
                         const char16_t* text) {
        HTREEITEM table = pages.InsertTreeItem(name, parent, TVI_LAST, kTablePage);
        pages.GetOwnPage(table)->text = text;
    }
    // Works the window's modal loop, or the windows a modeless one left open.
    void drive(CWnd& window, const std::string& script) {
        agent.AddScript(script);
        while (agent.Remaining())
            agent.ProvideInput(window);
    }

    res::ModuleResourceScope resources;
    ScriptedAgent agent;
    CWnd owner;

private:
    UserAgent* m_previous = nullptr;
};

TEST_F(NotebookWiring, NotepadTransfersIntoTheEditor) {
    editor::ReqpadDlg dialog(&owner);
    dialog.SetContent(u"1. Hard", editor::kContentPlain);
    agent.AddScript(R"s(
menu 32801
click 12050 "Grades"
dblclick 12014 @3
click 2
click 1
)s");
    dialog.DoModal();
    EXPECT_EQ(agent.Remaining(), 0u);
    EXPECT_EQ(dialog.m_content, u"X") << zn::toUtf8(dialog.m_content);
}

} // namespace
