// The controls library's tree: a tree view with multi-selection. A plain click selects
// one item; Ctrl+click adds or removes an item; Shift+click selects the visible run from
// the caret item to the clicked one. Selected items carry TVIS_SELECTED.
#pragma once

#include <vector>

#include "platform/ui/TreeCtrl.h"

namespace zn::ui {

class CxTreeCtrl : public CTreeCtrl {
public:
    using CTreeCtrl::GetNextItem;
    // Every selected item, in tree order.
    void GetSelectedItems(std::vector<HTREEITEM>& items) const;
    int GetSelectedCount() const;
    // The item after `item` in tree order (children first, then siblings, then the
    // ancestors' siblings); null after the last. Walks the whole tree from GetRootItem.
    HTREEITEM GetNextItem(HTREEITEM item) const;
    // Clears the selection of every item but `keep`.
    void ClearSelection(HTREEITEM keep = nullptr);

protected:
    void OnItemClicked(HTREEITEM item, WPARAM keys) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace zn::ui
