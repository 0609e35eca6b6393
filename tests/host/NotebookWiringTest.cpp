// The notebook as the other dialogs reach it inside the reference host: the editor's
// Tools > Notepad, the single-line text dialog's Notebook button, and the calculator's
// embedded pane with its tables, its picks and the full notebook behind its button.
#include <algorithm>

#include "calculator/CalcDlgIds.h"
#include "calculator/KLVBCalcDlg.h"
#include "editor/ReqpadDlg.h"
#include "host/Services.h"
#include "notebook/NoteEmb.h"
#include "notebook/Notebook.h"
#include "notebook/NotebookDlg.h"
#include "notebook/OpenMergeDialog.h"
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
        while (agent.Remaining()) {
            agent.ProvideInput(window);
            PumpMessages();
        }
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
    // The picked item joins the editor's items as one of its own.
    EXPECT_EQ(dialog.m_content, u"1. Hard\r\n2. Steel 45");
}

TEST_F(NotebookWiring, DTextNotebookButtonInsertsTheTransferAndClosesOnThePick) {
    RunDText(R"s(
click 32801
click 12050 "Grades"
dblclick 12014 @3
click 32931
point 0 0
point 1 0
click 2
)s");
    ASSERT_EQ(Texts().size(), 1u);
    // The notebook hands the item over as RTF, number and all.
    EXPECT_EQ(Texts()[0]->GetRecord().text, u"1. Steel 45");
    for (CWnd* window : TopLevelWindows())
        EXPECT_NE(window->GetWindowTextW().find(u"Notebook"), 0u) << "closed by the pick";
}

// The calculator beside the drawing, with its notebook pane.
class CalculatorPane : public NotebookWiring {
protected:
    void SetUp() override {
        NotebookWiring::SetUp();
        calculator = std::make_unique<CKLVBCalcDlg>(&owner);
        ASSERT_TRUE(calculator->CreateModeless(&owner));
        calculator->ShowWindow(SW_SHOW);
        SetActiveWindow(calculator.get());
    }
    void TearDown() override {
        if (calculator->GetSafeHwnd())
            calculator->DestroyWindow();
        calculator.reset();
        NotebookWiring::TearDown();
    }
    CNoteEmb& pane() { return *calculator->NotebookPane(); }
    ZnsStringW cell(int row, int col) { return pane().Grid().GetItemText(row, col); }
    int storedSelection() {
        ZnPtr<IZnSettingsSection> section;
        gpZnContext->OpenSettingsSection(u"ZNSTT", section.put());
        return section->GetInt(u"CKLVBCalcDlg.NBookSel", -1);
    }

    std::unique_ptr<CKLVBCalcDlg> calculator;
};

TEST_F(CalculatorPane, ListsEachTableNameOnceAndShowsTheChosenOneReadOnly) {
    CComboBox& list = *dynamic_cast<CComboBox*>(pane().GetDlgItem(CNoteEmb::IDC_TABLES));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetLBText(0), u"Bolts");
    EXPECT_EQ(list.GetLBText(1), u"Nuts");
    EXPECT_EQ(list.GetCurSel(), 0);
    // The later of the two "Bolts" wins; its ragged last row shows the cell it has.
    const CGridCtrl& grid = pane().Grid();
    ASSERT_EQ(grid.GetRowCount(), 3);
    ASSERT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(cell(0, 0), u"Size");
    EXPECT_EQ(cell(0, 1), u"Pitch");
    EXPECT_EQ(grid.GetColumnWidth(0), 60);
    EXPECT_EQ(grid.GetColumnWidth(1), 40);
    EXPECT_EQ(cell(1, 0), u"M10");
    EXPECT_EQ(cell(2, 0), u"M12");
    EXPECT_EQ(cell(2, 1), u"");
    EXPECT_FALSE(grid.IsEditable());

    auto* button = dynamic_cast<CxButtonLt*>(pane().GetDlgItem(CNoteEmb::IDC_OPEN_NOTEBOOK));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetImage(), 189);
    EXPECT_TRUE(button->IsFlat());

    // Shown, the pane puts the list at the top left, the button at its right and the grid
    // under both, filling the rest.
    calculator->ShowNotebook(true);
    const CRect client = pane().GetClientRect();
    const CRect combo = list.GetRectInParent(), open = button->GetRectInParent();
    const CRect cells = grid.GetRectInParent();
    EXPECT_EQ(combo.TopLeft(), (CPoint{0, 0}));
    EXPECT_EQ(open.right, client.right);
    EXPECT_LT(combo.right, open.left);
    EXPECT_GE(cells.top, std::max(combo.bottom, open.bottom));
    EXPECT_EQ(cells.right, client.right);
    EXPECT_EQ(cells.bottom, client.bottom);
}

TEST_F(CalculatorPane, ADoubleClickedCellIsPastedIntoTheCalculator) {
    drive(*calculator, "click 32953\ndblclick 32924 \"1,1\"");
    EXPECT_EQ(calculator->GetDlgItemTextW(calcdlg::IDC_DISPLAY), u"1.5");
    EXPECT_EQ(GetClipboardText(), std::optional<ZnsStringW>(u"1.5"));
}

TEST_F(CalculatorPane, TheChoiceSurvivesARefreshAndIsStored) {
    drive(*calculator, "click 32953\nclick 32948 \"Nuts\"");
    EXPECT_EQ(cell(0, 0), u"Size");
    EXPECT_EQ(cell(1, 0), u"M6");
    pane().Refresh();
    EXPECT_EQ(pane().GetSelection(), 1);
    EXPECT_EQ(cell(1, 0), u"M6");
    calculator->DestroyWindow();
    EXPECT_EQ(storedSelection(), 1);
}

TEST_F(CalculatorPane, ANotebookWithoutTablesOrNoNotebookLeavesThePaneEmpty) {
    CNotebookDoc doc;
    doc.NewNotebook(true);
    doc.Pages().InsertTreeItem(u"Text", doc.Pages().Root(), TVI_LAST, kTextPage);
    ASSERT_EQ(doc.SaveNotebook(zn::fromUtf8(Path("texts.ntb"))), 1);
    useNotebook("texts.ntb");
    pane().Refresh();
    EXPECT_TRUE(pane().Tables().empty());
    EXPECT_EQ(pane().GetSelection(), -1);
    EXPECT_EQ(pane().Grid().GetRowCount(), 0);

    // A notebook that cannot be read is reported as the window reports it.
    useNotebook("missing.ntb");
    agent.AddScript("answer ok");
    pane().Refresh();
    EXPECT_EQ(agent.Remaining(), 0u);
    EXPECT_TRUE(pane().Tables().empty());
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text,
              u"Cannot open file \"" + zn::fromUtf8(Path("missing.ntb")) + u"\"");
}

TEST_F(CalculatorPane, TheButtonOpensTheNotebookWhoseTransfersArePastedHere) {
    drive(*calculator, "click 32953\nmenu 32959\nclick 12055");
    ASSERT_NE(pane().OpenedNotebook(), nullptr);
    HWND notebook = pane().OpenedNotebook()->GetWindow();
    ASSERT_NE(notebook, nullptr);
    drive(*calculator, "click 12050 \"Grades\"\ndblclick 12014 @3");
    EXPECT_NE(calculator->GetDlgItemTextW(calcdlg::IDC_EXPRESSION).find(u"Steel 45"),
              ZnsStringW::npos);

    // The notebook may outlive the pane; it no longer calls it, and a pane without a
    // window refuses text.
    calculator->DestroyWindow();
    EXPECT_EQ(pane().ReceiveText(u"2", 0), E_HANDLE);
    if (CWnd* window = CWnd::FromHandle(notebook))
        window->DestroyWindow();
}

TEST_F(NotebookWiring, DTextOpensTheNotebookAgainAfterTheUserClosedIt) {
    RunDText("click 32801\nclick 2\nclick 32801\nclick 12050 \"Grades\"\nclick 2\nclick 2");
    EXPECT_TRUE(Texts().empty());
}

TEST_F(NotebookWiring, OpenBookMergesOnlyWhenTheBoxIsChecked) {
    CNotebookDoc other;
    other.NewNotebook(true);
    other.Pages().InsertTreeItem(u"Extra", other.Pages().Root(), TVI_LAST, kTextPage);
    ASSERT_EQ(other.SaveNotebook(zn::fromUtf8(Path("other.ntb"))), 1);

    ZnPtr<IZnObject> made;
    ASSERT_EQ(gpZnObjManager->Create(made.put(), CLSID_ZnNotebook), S_OK);
    ZnPtr<IZnNotebook> object = ZnQuery<IZnNotebook>(made.get());
    ASSERT_TRUE(object);
    auto* notebook = dynamic_cast<CNotebook*>(CWnd::FromHandle(object->ShowModeless(nullptr)));
    ASSERT_NE(notebook, nullptr);
    auto names = [&] {
        std::vector<ZnsStringW> found;
        CxTreeCtrl& tree = notebook->Pages().Tree();
        for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item;
             item = tree.GetNextSiblingItem(item))
            found.push_back(tree.GetItemText(item));
        return found;
    };
    auto has = [&](const char16_t* name) {
        std::vector<ZnsStringW> found = names();
        return std::find(found.begin(), found.end(), name) != found.end();
    };
    drive(*notebook, "rclick 12050 \"Notebook\"\nmenu 57601\nfile " + Path("other.ntb") +
                         " check=32923");
    EXPECT_TRUE(has(u"Grades"));
    EXPECT_TRUE(has(u"Extra"));
    drive(*notebook, "rclick 12050 \"Notebook\"\nmenu 57601\nfile " + Path("other.ntb"));
    EXPECT_FALSE(has(u"Grades"));
    EXPECT_TRUE(has(u"Extra"));
    EXPECT_EQ(object->Close(), S_OK);
}

TEST_F(NotebookWiring, WithoutItsDefaultFileTheNotebookSaysSoAndOpensANewOne) {
    useNotebook("missing.ntb");
    ZnPtr<IZnObject> made;
    ASSERT_EQ(gpZnObjManager->Create(made.put(), CLSID_ZnNotebook), S_OK);
    ZnPtr<IZnNotebook> object = ZnQuery<IZnNotebook>(made.get());
    agent.AddScript("answer ok");
    auto* notebook = dynamic_cast<CNotebook*>(CWnd::FromHandle(object->ShowModeless(nullptr)));
    ASSERT_NE(notebook, nullptr);
    EXPECT_EQ(agent.Remaining(), 0u);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text,
              u"Cannot open file \"" + zn::fromUtf8(Path("missing.ntb")) + u"\"");

    // A new notebook without a file: its own pages only, nothing to save yet.
    CxTreeCtrl& tree = notebook->Pages().Tree();
    std::vector<ZnsStringW> names;
    for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item;
         item = tree.GetNextSiblingItem(item))
        names.push_back(tree.GetItemText(item));
    EXPECT_EQ(names, (std::vector<ZnsStringW>{u"History", u"Find result"}));
    EXPECT_TRUE(notebook->GetFileName().empty());
    EXPECT_FALSE(notebook->IsModified());
    EXPECT_EQ(object->Close(), S_OK);
    EXPECT_EQ(RecordedMessageBoxes().size(), 1u) << "closing asked nothing";
}

TEST_F(NotebookWiring, TheCalculatorObjectChoosesThePanesTable) {
    ZnPtr<IZnDiviRuveulator> object = OpenCalculator(owner, nullptr);
    ASSERT_TRUE(object);
    object->SetNotebook(1, 1);
    auto* dialog = dynamic_cast<CKLVBCalcDlg*>(CWnd::FromHandle(object->GetWindow()));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->NotebookShown());
    EXPECT_EQ(dialog->NotebookPane()->GetSelection(), 1);
    EXPECT_EQ(dialog->NotebookPane()->Grid().GetItemText(1, 0), u"M6");
    object->Close();
    PumpMessages();
}

TEST_F(NotebookWiring, TheOpenDialogTellsWhetherToMerge) {
    const std::string file = Path("book.ntb");
    COpenMergeDialog merge(&owner);
    agent.AddScript("file " + file + " check=32923");
    EXPECT_EQ(merge.DoModal(), IDOK);
    EXPECT_TRUE(merge.Merge());
    EXPECT_EQ(merge.GetPathName(), zn::fromUtf8(file));

    COpenMergeDialog open(&owner);
    agent.AddScript("file " + file);
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_FALSE(open.Merge());

    COpenMergeDialog cancelled(&owner);
    agent.AddScript("file cancel");
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_FALSE(cancelled.Merge());
    EXPECT_EQ(agent.Remaining(), 0u);
}

} // namespace
