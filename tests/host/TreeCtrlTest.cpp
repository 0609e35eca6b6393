// The multi-selection tree: sorting, selection by clicks, label editing, dragging an item
// to a drop target, and the images rows paint.
#include "host/controls/CxTreeCtrl.h"

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Input.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

class TreeTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(parent.Create(u"Test", u"Notebook", WS_POPUP | WS_VISIBLE, {0, 0, 400, 300},
                                  nullptr, 0));
        ASSERT_TRUE(tree.Create(u"SysTreeView32", u"", WS_CHILD | WS_VISIBLE | TVS_EDITLABELS,
                                {0, 0, 200, 300}, &parent, 12050));
        root = tree.InsertItem(u"Notebook");
        tree.SetItemData(root, 1);
        for (auto [text, type] :
             {std::pair{u"Zinc", 2}, {u"history", 4}, {u"alpha", 2}, {u"Bolts", 1}}) {
            HTREEITEM child = tree.InsertItem(text, root);
            tree.SetItemData(child, std::uintptr_t(type));
        }
        tree.Expand(root, TVE_EXPAND);
    }
    std::vector<std::u16string> children() const {
        std::vector<std::u16string> out;
        for (HTREEITEM i = tree.GetChildItem(root); i; i = tree.GetNextSiblingItem(i))
            out.push_back(tree.GetItemText(i));
        return out;
    }
    HTREEITEM child(std::u16string_view text) const {
        for (HTREEITEM i = tree.GetChildItem(root); i; i = tree.GetNextSiblingItem(i))
            if (tree.GetItemText(i) == text)
                return i;
        return nullptr;
    }
    void click(std::u16string_view text, unsigned modifiers = 0) {
        Click(tree, tree.FindItemRect(text)->CenterPoint(), MouseButton::Left, false, modifiers);
    }

    struct Parent : CWnd {
        std::vector<int> codes;
        LRESULT endEditAnswer = 1;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_NOTIFY) {
                int code = reinterpret_cast<NMHDR*>(lParam)->code;
                codes.push_back(code);
                return code == TVN_ENDLABELEDIT ? endEditAnswer : 0;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } parent;
    CxTreeCtrl tree;
    HTREEITEM root = nullptr;
};

int byTypeThenText(LPARAM a, LPARAM b, LPARAM) {
    return int(a) - int(b);
}

TEST_F(TreeTest, SortsByTextOrByTheComparatorOverDataWords) {
    tree.SortChildren(root);
    EXPECT_EQ(children(), (std::vector<std::u16string>{u"alpha", u"Bolts", u"history", u"Zinc"}));
    tree.SortChildrenCB({root, byTypeThenText, 0});
    // Equal keys keep their order: the comparator decides only between types.
    EXPECT_EQ(children(), (std::vector<std::u16string>{u"Bolts", u"alpha", u"Zinc", u"history"}));
}

TEST_F(TreeTest, ClicksSelectOneAddOneOrARun) {
    tree.SortChildren(root);
    click(u"alpha");
    EXPECT_EQ(tree.GetSelectedCount(), 1);
    click(u"history", kModCtrl);
    std::vector<HTREEITEM> selected;
    tree.GetSelectedItems(selected);
    EXPECT_EQ(selected, (std::vector<HTREEITEM>{child(u"alpha"), child(u"history")}));
    EXPECT_EQ(tree.GetSelectedItem(), child(u"history"));

    click(u"alpha", kModCtrl); // Ctrl+click on a selected item drops it
    EXPECT_EQ(tree.GetSelectedCount(), 1);

    click(u"Zinc", kModShift); // from the caret (history) to Zinc
    tree.GetSelectedItems(selected);
    EXPECT_EQ(selected, (std::vector<HTREEITEM>{child(u"history"), child(u"Zinc")}));

    click(u"Bolts");
    EXPECT_EQ(tree.GetSelectedCount(), 1);
    EXPECT_TRUE(tree.GetItemState(child(u"Bolts"), TVIS_SELECTED));
}

TEST_F(TreeTest, LabelEditsEndWithEnterOrEscape) {
    tree.SelectItem(child(u"Zinc"));
    tree.SetFocus();
    agent.AddScript("key F2\ntype Copper\nkey Enter\nkey F2\ntype Lead\nkey Esc");
    agent.ProvideInput(parent);
    ASSERT_TRUE(tree.GetEditControl());
    agent.ProvideInput(parent);
    agent.ProvideInput(parent);
    EXPECT_FALSE(tree.GetEditControl());
    EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), u"Copper");
    for (int i = 0; i < 3; ++i)
        agent.ProvideInput(parent);
    EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), u"Copper");

    parent.endEditAnswer = 0; // the parent refuses the new text
    tree.EditLabel(tree.GetSelectedItem());
    TypeText(u"Tin");
    tree.EndEditLabelNow(false);
    EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), u"Copper");
}

TEST_F(TreeTest, DraggingAnItemTellsTheParentAndDeletingTellsItPerItem) {
    HTREEITEM bolts = child(u"Bolts");
    tree.InsertItem(u"M6", bolts);
    Drag(tree, tree.FindItemRect(u"alpha")->CenterPoint(),
         tree.FindItemRect(u"Zinc")->CenterPoint());
    EXPECT_NE(std::find(parent.codes.begin(), parent.codes.end(), TVN_BEGINDRAG),
              parent.codes.end());

    parent.codes.clear();
    tree.DeleteItem(bolts);
    EXPECT_EQ(std::count(parent.codes.begin(), parent.codes.end(), TVN_DELETEITEM), 2);
    EXPECT_EQ(tree.GetCount(), 4u);
}

TEST_F(TreeTest, TheParentCarriesADragToItsDropTarget) {
    // The notebook's way: on the drag's start it takes the mouse, highlights the item under
    // the pointer as it moves and drops on the last one when the button comes up.
    struct Dropper : CWnd {
        CTreeCtrl* tree = nullptr;
        HTREEITEM dragged = nullptr, dropped = nullptr;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TVN_BEGINDRAG) {
                dragged = reinterpret_cast<NMTREEVIEW*>(lParam)->itemNew;
                SetCapture();
            } else if (message == WM_MOUSEMOVE && GetCapture() == this) {
                CPoint at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                tree->SelectDropTarget(tree->HitTest(tree->ScreenToClient(ClientToScreen(at))));
            } else if (message == WM_LBUTTONUP && GetCapture() == this) {
                dropped = tree->GetDropHilightItem();
                tree->SelectDropTarget(nullptr);
                ReleaseCapture();
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } dropper;
    ASSERT_TRUE(dropper.Create(u"Test", u"Notebook", WS_POPUP | WS_VISIBLE, {50, 40, 450, 340},
                               nullptr, 0));
    CxTreeCtrl pages;
    ASSERT_TRUE(pages.Create(u"SysTreeView32", u"", WS_CHILD | WS_VISIBLE, {10, 10, 210, 290},
                             &dropper, 12050));
    dropper.tree = &pages;
    HTREEITEM book = pages.InsertItem(u"Notebook");
    HTREEITEM page = pages.InsertItem(u"Washers", book);
    HTREEITEM partition = pages.InsertItem(u"Fasteners", book);
    pages.Expand(book, TVE_EXPAND);
    Drag(pages, pages.FindItemRect(u"Washers")->CenterPoint(),
         pages.FindItemRect(u"Fasteners")->CenterPoint());
    EXPECT_EQ(dropper.dragged, page);
    EXPECT_EQ(dropper.dropped, partition);
    EXPECT_EQ(pages.GetDropHilightItem(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

} // namespace
} // namespace zn::ui::test

namespace zn::ui::test {
namespace {

TEST_F(TreeTest, RowsPaintTheirStateImageAndTheImageOfTheirSelection) {
    // Image k is filled with colour k + 1.
    PixelImage strip(16 * 3, 15);
    for (int x = 0; x < strip.width; ++x)
        for (int y = 0; y < strip.height; ++y)
            strip.Set(x, y, COLORREF(x / 16 + 1));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_COLOR24 | ILC_MASK, 10, 0));
    ASSERT_EQ(images.Add(CBitmap(strip), RGB(192, 192, 192)), 0);
    EXPECT_EQ(tree.SetImageList(&images, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(tree.SetImageList(&images, TVSIL_STATE), nullptr);
    EXPECT_EQ(tree.SetImageList(&images, 1), nullptr); // not a kind of list
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &images);

    tree.SetItemImage(root, 0, 1);
    tree.SetItemState(root, INDEXTOSTATEIMAGEMASK(3), TVIS_STATEIMAGEMASK);
    tree.SelectItem(root);
    tree.Invalidate();
    tree.UpdateWindow();
    std::vector<const DrawOp*> rootRow;
    for (const DrawOp& op : tree.GetPaintedDisplayList())
        if (op.rect.top == 0)
            rootRow.push_back(&op);
    ASSERT_EQ(rootRow.size(), 3u); // state image, image, text
    EXPECT_EQ(rootRow[0]->image.At(0, 0), COLORREF(3));
    EXPECT_EQ(rootRow[1]->image.At(0, 0), COLORREF(2)); // the selected image
    EXPECT_EQ(rootRow[1]->rect.left, 16);
    EXPECT_EQ(rootRow[2]->kind, DrawKind::Text);
    EXPECT_EQ(rootRow[2]->text, u"Notebook");
}

} // namespace
} // namespace zn::ui::test
