// The notebook object and the exported entry: a modeless window that hands transfers to
// the caller's dictionary callback, tells it when it closes and then deletes itself.
#include "notebook/ZnNotebook.h"
#include "notebook/PageText.h"
#include "notebook/RunNotebook.h"
#include "platform/ui/ScriptedAgent.h"
#include "tests/notebook/NotebookFixture.h"

using namespace notebook;
using namespace zn::ui;

namespace {

class RecordingCallback : public ZnObjectImpl<IDictionaryCallback> {
public:
    ZnsGuid GetClassId() const override { return IDictionaryCallback::IID; }
    HRESULT ReceiveText(const ZnsStringW& text, std::int32_t format) override {
        received.emplace_back(text, format);
        return S_OK;
    }
    HRESULT WindowClosed(HWND window) override {
        closed = window;
        return S_OK;
    }
    std::vector<std::pair<ZnsStringW, int>> received;
    HWND closed = nullptr;
};

class ZnNotebookTest : public NotebookTest {
protected:
    void SetUp() override {
        NotebookTest::SetUp();
        m_previous = SetUserAgent(&agent);
        ClearMessageQueue();
        CNotebookDoc doc;
        doc.NewNotebook(true);
        HTREEITEM page =
            doc.Pages().InsertTreeItem(u"Page", doc.Pages().Root(), TVI_LAST, kTextPage);
        doc.Pages().GetOwnPage(page)->text = RtfOfPlainText(u"4. Steel 45");
        doc.Pages().Expand(doc.Pages().Root(), true);
        ASSERT_EQ(doc.SaveNotebook(wpath("book.ntb")), 1);
        ASSERT_TRUE(
            parent.Create(u"Test", u"Parent", WS_POPUP | WS_VISIBLE, {0, 0, 800, 600}, nullptr, 0));
    }
    void TearDown() override {
        parent.DestroyWindow();
        ClearMessageQueue();
        SetUserAgent(m_previous);
        NotebookTest::TearDown();
    }

    ScriptedAgent agent;
    CWnd parent;

private:
    UserAgent* m_previous = nullptr;
};

TEST_F(ZnNotebookTest, ModelessObjectTransfersToItsCallbackAndClosesCleanly) {
    ZnPtr<IZnNotebook> object;
    {
        IZnObject* made = CreateZnNotebook();
        ASSERT_EQ(made->QueryInterface(IZnNotebook::IID, reinterpret_cast<void**>(object.put())),
                  S_OK);
        made->Release();
    }
    auto callback = ZnPtr<RecordingCallback>::Adopt(new RecordingCallback);
    object->SetCallback(callback.get());
    object->SetFileName(wpath("book.ntb"));
    object->SetFlags(kTransferSingleLine);
    ZnsStringW last;
    EXPECT_EQ(object->GetLastText(&last), E_FAIL); // no notebook yet

    HWND window = object->ShowModeless(parent.GetSafeHwnd());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(object->ShowModeless(parent.GetSafeHwnd()), window); // shown again, not remade
    auto* notebook = dynamic_cast<CNotebook*>(CWnd::FromHandle(window));
    ASSERT_NE(notebook, nullptr);
    CxTreeCtrl& tree = notebook->Pages().Tree();
    HTREEITEM page = tree.GetChildItem(tree.GetRootItem());
    while (page && tree.GetItemText(page) != u"Page")
        page = tree.GetNextSiblingItem(page);
    tree.SelectItem(page);
    notebook->PageView().SetSel(0, notebook->PageView().GetTextLength());
    EXPECT_EQ(notebook->Transfer(), 1);
    ASSERT_EQ(callback->received.size(), 1u);
    EXPECT_EQ(callback->received[0], (std::pair<ZnsStringW, int>{u"Steel 45", 0}));
    EXPECT_EQ(object->GetLastText(&last), S_OK);
    EXPECT_EQ(last, u"Steel 45");

    EXPECT_EQ(object->Close(), S_OK);
    EXPECT_EQ(callback->closed, window);
    EXPECT_EQ(object->GetWindow(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(window), nullptr);
}

TEST_F(ZnNotebookTest, RunNotebookModalReturnsTheLastTransferredText) {
    NotebookCallbackBlock block;
    // The user picks the page's item with Enter in the page view; the window closes itself.
    agent.AddScript("click 12050 \"Page\"\nclick 12014 @0\nkey Down\nkey Enter");
    ZnsStringW file = wpath("book.ntb");
    RunNotebook(nullptr, &file, kTransferSingleLine | kTransferClose, &block);
    EXPECT_EQ(block.text, u"Steel 45");
    EXPECT_EQ(agent.Remaining(), 0u);
}

} // namespace
