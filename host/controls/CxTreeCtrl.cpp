// Multi-selection over the tree view.
#include "host/controls/CxTreeCtrl.h"

#include <algorithm>

namespace zn::ui {

HTREEITEM CxTreeCtrl::GetNextItem(HTREEITEM item) const {
    if (!item)
        return nullptr;
    if (HTREEITEM child = GetChildItem(item))
        return child;
    for (HTREEITEM up = item; up; up = GetParentItem(up))
        if (HTREEITEM sibling = GetNextSiblingItem(up))
            return sibling;
    return nullptr;
}

void CxTreeCtrl::GetSelectedItems(std::vector<HTREEITEM>& items) const {
    items.clear();
    for (HTREEITEM item = GetRootItem(); item; item = GetNextItem(item))
        if (GetItemState(item, TVIS_SELECTED))
            items.push_back(item);
}

int CxTreeCtrl::GetSelectedCount() const {
    std::vector<HTREEITEM> items;
    GetSelectedItems(items);
    return int(items.size());
}

void CxTreeCtrl::ClearSelection(HTREEITEM keep) {
    for (HTREEITEM item = GetRootItem(); item; item = GetNextItem(item))
        if (item != keep)
            SetItemState(item, 0, TVIS_SELECTED);
}

void CxTreeCtrl::OnItemClicked(HTREEITEM item, WPARAM keys) {
    if (keys & MK_CONTROL) {
        bool selected = GetItemState(item, TVIS_SELECTED);
        if (selected && item != GetSelectedItem()) {
            SetItemState(item, 0, TVIS_SELECTED);
            return;
        }
        // The caret moves to the clicked item; the items selected so far stay selected.
        std::vector<HTREEITEM> kept;
        GetSelectedItems(kept);
        SelectItem(item);
        for (HTREEITEM other : kept)
            SetItemState(other, TVIS_SELECTED, TVIS_SELECTED);
        return;
    }
    if ((keys & MK_SHIFT) && GetSelectedItem()) {
        std::vector<HTREEITEM> visible = VisibleItems();
        auto from = std::find(visible.begin(), visible.end(), GetSelectedItem());
        auto to = std::find(visible.begin(), visible.end(), item);
        if (from != visible.end() && to != visible.end()) {
            if (from > to)
                std::swap(from, to);
            HTREEITEM anchor = GetSelectedItem();
            ClearSelection(anchor);
            for (auto it = from; it <= to; ++it)
                SetItemState(*it, TVIS_SELECTED, TVIS_SELECTED);
            return;
        }
    }
    ClearSelection(item);
    SelectItem(item);
}

LRESULT CxTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Keyboard moves select one item again.
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
        ClearSelection(GetSelectedItem());
        return result;
    }
    return CTreeCtrl::WindowProc(message, wParam, lParam);
}

} // namespace zn::ui
