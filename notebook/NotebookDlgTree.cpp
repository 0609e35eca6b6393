// The notebook window's tree: adding, renaming, deleting and moving items, and its menu.
#include <memory>

#include "notebook/NotebookDlg.h"
#include "notebook/PageText.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

using namespace zn::ui;

namespace notebook {

namespace {

constexpr unsigned IDS_NEW_PARTITION = 32855;
constexpr unsigned IDS_NEW_PAGE = 32856;

bool isSpecial(int type) {
    return type == kHistory || type == kFindResult;
}

} // namespace

HTREEITEM CNotebook::targetPartition() {
    HTREEITEM target = Pages().Tree().GetSelectedItem();
    if (!target)
        target = Pages().Root();
    if (Pages().PageType(target) != kPartition)
        target = Pages().Tree().GetParentItem(target);
    return target;
}

void CNotebook::addItem(int type) {
    if (!IsCommandEnabled(type == kPartition ? ID_ADD_PARTITION : ID_ADD_PAGE))
        return;
    CxTreeCtrl& tree = Pages().Tree();
    HTREEITEM target = targetPartition();
    HTREEITEM item;
    if (type == kPartition) {
        item = Pages().InsertTreeItem(res::LoadStringW(IDS_NEW_PARTITION), target, TVI_FIRST,
                                      kPartition);
    } else {
        item = Pages().InsertTreeItem(res::LoadStringW(IDS_NEW_PAGE), target, TVI_LAST, type);
        Pages().GetOwnPage(item)->text = RtfOfPlainText(u"");
    }
    Pages().Expand(target, true);
    tree.ClearSelection();
    tree.SelectItem(item);
    SetModified();
    startLabelEdit(item);
}

void CNotebook::rename() {
    if (!IsCommandEnabled(ID_RENAME))
        return;
    startLabelEdit(Pages().Tree().GetSelectedItem());
}

void CNotebook::startLabelEdit(HTREEITEM item) {
    m_labelEditPermitted = true;
    // Once the menu that gave the command is gone and the focus is back on the tree.
    PostMessage(kStartLabelEdit, 0, LPARAM(item));
}

LRESULT CNotebook::beginLabelEdit() {
    // Only a command may start a rename; a click on the label does not.
    return m_labelEditPermitted ? 0 : 1;
}

LRESULT CNotebook::endLabelEdit(const NMTVDISPINFO& info) {
    m_labelEditPermitted = false;
    if (!info.text || !*info.text) {
        // The new item still goes where its name sorts it.
        Pages().SortChildren(Pages().Tree().GetParentItem(info.item));
        return 0;
    }
    Pages().Tree().SetItemText(info.item, info.text);
    Pages().SortChildren(Pages().Tree().GetParentItem(info.item));
    SetModified();
    return 1;
}

void CNotebook::deleteSelection() {
    if (!IsCommandEnabled(ID_DELETE))
        return;
    CxTreeCtrl& tree = Pages().Tree();
    std::vector<HTREEITEM> selected;
    tree.GetSelectedItems(selected);
    if (selected.empty())
        selected.push_back(tree.GetSelectedItem());
    ZnsStringW question = selected.size() > 1 ? res::LoadStringW(res::IDS_CONFIRM_DELETE_ITEMS)
                                              : res::LoadStringW(res::IDS_CONFIRM_DELETE) + u" \"" +
                                                    tree.GetItemText(selected[0]) + u"\"?";
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    HTREEITEM root = Pages().Root();
    for (HTREEITEM item : selected) {
        if (item == root) {
            // The root stays with its cover page; everything under it goes.
            while (HTREEITEM child = tree.GetChildItem(root))
                Pages().DeleteItem(child);
            continue;
        }
        // An item under a root that was deleted already is gone.
        bool alive = false;
        Pages().ForEachItem([&](HTREEITEM each, int) { alive = alive || each == item; });
        if (!alive)
            continue;
        HTREEITEM parent = tree.GetParentItem(item);
        Pages().DeleteItem(item);
        if (parent && Pages().PageType(parent) == kPartition)
            Pages().UpdatePartitionImage(parent);
    }
    SetModified();
    showSelection();
}

void CNotebook::beginDrag(HTREEITEM item) {
    if (!item || !m_viewing || isSpecial(Pages().PageType(item)) || item == Pages().Root())
        return;
    m_dragged = item;
    SetCapture();
}

HTREEITEM CNotebook::dropTarget(HTREEITEM under) const {
    for (HTREEITEM item = under; item; item = Pages().Tree().GetParentItem(item)) {
        int type = Pages().PageType(item);
        if (isSpecial(type))
            return nullptr;
        if (type == kPartition)
            return item;
    }
    return nullptr;
}

void CNotebook::drop(CPoint screen) {
    HTREEITEM dragged = m_dragged;
    m_dragged = nullptr;
    ReleaseCapture();
    CxTreeCtrl& tree = Pages().Tree();
    HTREEITEM target = dropTarget(tree.HitTest(tree.ScreenToClient(screen)));
    if (!target || target == tree.GetParentItem(dragged))
        return;
    // Never into itself or below itself.
    for (HTREEITEM item = target; item; item = tree.GetParentItem(item))
        if (item == dragged)
            return;
    moveItem(dragged, target);
}

void CNotebook::moveItem(HTREEITEM item, HTREEITEM target) {
    CxTreeCtrl& tree = Pages().Tree();
    // The copy gets fresh keys; pages go with their items.
    std::function<HTREEITEM(HTREEITEM, HTREEITEM)> copy = [&](HTREEITEM from, HTREEITEM to) {
        NotebookPage* page = Pages().GetOwnPage(from);
        HTREEITEM made = Pages().InsertTreeItem(tree.GetItemText(from), to, TVI_LAST,
                                                page ? page->type : kPartition);
        if (page)
            Pages().SetPage(made, std::make_unique<NotebookPage>(*page));
        for (HTREEITEM child = tree.GetChildItem(from); child;
             child = tree.GetNextSiblingItem(child))
            copy(child, made);
        return made;
    };
    HTREEITEM oldParent = tree.GetParentItem(item);
    HTREEITEM moved = copy(item, target);
    Pages().DeleteItem(item);
    if (oldParent)
        Pages().UpdatePartitionImage(oldParent);
    Pages().SortChildren(target);
    Pages().Expand(target, true);
    tree.ClearSelection();
    tree.SelectItem(moved);
    SetModified();
}

void CNotebook::showContextMenu(CPoint screen) {
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT))
        return;
    CMenu popup = menu.GetSubMenu(0);
    for (const CMenu::Entry& entry : popup.Entries()) {
        popup.EnableMenuItem(entry.id, IsCommandEnabled(entry.id) ? MF_ENABLED : MF_GRAYED);
        popup.CheckMenuItem(entry.id, IsCommandChecked(entry.id) ? MF_CHECKED : MF_UNCHECKED);
    }
    popup.TrackPopupMenu(TPM_LEFTALIGN, screen.x, screen.y, this);
}

} // namespace notebook
