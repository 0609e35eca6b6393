// The tree-view control: items with text, a data word, image and selected image, state
// bits (selected, expanded, drop-highlighted), expanding, selection, label editing through
// an edit child, sorting by text or by a comparator over the data words, and the start of
// a drag, all reported to the parent as WM_NOTIFY. Rows paint their state image, their
// image (the selected image while selected) from the normal image list, and their text.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/ImageList.h"
#include "platform/ui/InPlaceEdit.h"
#include "platform/ui/Window.h"

namespace zn::ui {

struct TreeItem;
using HTREEITEM = TreeItem*;

inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(std::intptr_t(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(std::intptr_t(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(std::intptr_t(-0x0FFFE));
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(std::intptr_t(-0x0FFFD));

inline constexpr UINT TVIS_SELECTED = 0x02;
inline constexpr UINT TVIS_DROPHILITED = 0x08;
inline constexpr UINT TVIS_BOLD = 0x10;
inline constexpr UINT TVIS_EXPANDED = 0x20;
// Bits 12 to 15 of the state: the 1-based index of the item's state image, 0 for none.
inline constexpr UINT TVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(int index) {
    return UINT(index) << 12;
}
inline constexpr int TVSIL_NORMAL = 0;
inline constexpr int TVSIL_STATE = 2;
inline constexpr UINT TVE_COLLAPSE = 1;
inline constexpr UINT TVE_EXPAND = 2;
inline constexpr UINT TVE_TOGGLE = 3;
inline constexpr UINT TVGN_ROOT = 0;
inline constexpr UINT TVGN_NEXT = 1;
inline constexpr UINT TVGN_PREVIOUS = 2;
inline constexpr UINT TVGN_PARENT = 3;
inline constexpr UINT TVGN_CHILD = 4;
inline constexpr UINT TVGN_NEXTVISIBLE = 6;
inline constexpr UINT TVGN_PREVIOUSVISIBLE = 7;
inline constexpr UINT TVGN_DROPHILITE = 8;
inline constexpr UINT TVGN_CARET = 9;

struct NMTREEVIEW {
    NMHDR hdr;
    UINT action = 0;
    HTREEITEM itemOld = nullptr;
    HTREEITEM itemNew = nullptr;
    CPoint ptDrag;
};

// Label editing: text is null when the edit was cancelled. The parent answers
// TVN_BEGINLABELEDIT with nonzero to refuse and TVN_ENDLABELEDIT with nonzero to accept.
struct NMTVDISPINFO {
    NMHDR hdr;
    HTREEITEM item = nullptr;
    const char16_t* text = nullptr;
};

using PFNTVCOMPARE = int (*)(LPARAM data1, LPARAM data2, LPARAM sortParam);
struct TVSORTCB {
    HTREEITEM hParent = nullptr;
    PFNTVCOMPARE lpfnCompare = nullptr;
    LPARAM lParam = 0;
};

class CTreeCtrl : public CWnd {
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kIndent = 19;

    CTreeCtrl();
    ~CTreeCtrl() override;

    HTREEITEM InsertItem(std::u16string_view text, int image = 0, int selectedImage = 0,
                         HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(std::u16string_view text, HTREEITEM parent, HTREEITEM after = TVI_LAST) {
        return InsertItem(text, 0, 0, parent, after);
    }
    bool DeleteItem(HTREEITEM item);
    bool DeleteAllItems();

    ZnsStringW GetItemText(HTREEITEM item) const;
    bool SetItemText(HTREEITEM item, std::u16string_view text);
    std::uintptr_t GetItemData(HTREEITEM item) const;
    bool SetItemData(HTREEITEM item, std::uintptr_t data);
    bool GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    bool SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    bool SetItemState(HTREEITEM item, UINT state, UINT mask);

    HTREEITEM GetRootItem() const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM item) const;
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    bool ItemHasChildren(HTREEITEM item) const;
    UINT GetCount() const;

    // The image lists rows paint from (not owned), TVSIL_NORMAL or TVSIL_STATE; answers the
    // previous one, null for another kind.
    const CImageList* SetImageList(const CImageList* images, int kind);
    const CImageList* GetImageList(int kind) const;

    bool Expand(HTREEITEM item, UINT code);
    // The caret item: the one the user moves with the keyboard; selecting it sets its
    // TVIS_SELECTED bit and clears the bit of the previous caret item.
    bool SelectItem(HTREEITEM item);
    HTREEITEM GetSelectedItem() const { return m_caret; }
    bool SelectDropTarget(HTREEITEM item);
    HTREEITEM GetDropHilightItem() const;
    bool EnsureVisible(HTREEITEM item);

    // Starts editing a label (the parent may refuse); the edit child, or null.
    CEdit* EditLabel(HTREEITEM item);
    CEdit* GetEditControl() const;
    bool EndEditLabelNow(bool cancel);

    // Children of `parent` ordered by text without regard to case (recursive on request).
    bool SortChildren(HTREEITEM parent, bool recurse = false);
    // Children of `sort.hParent` ordered by the comparator over their data words.
    bool SortChildrenCB(const TVSORTCB& sort);

    HTREEITEM HitTest(CPoint point) const;
    bool GetItemRect(HTREEITEM item, CRect& rect) const;
    // Items are found by their text (the first visible item that carries it).
    std::optional<CRect> FindItemRect(std::u16string_view item) const override;
    std::vector<std::u16string> ItemLines() const override;
    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A click on an item: selects it (the multi-selection tree refines this).
    virtual void OnItemClicked(HTREEITEM item, WPARAM keys);
    LRESULT Notify(int code, HTREEITEM oldItem, HTREEITEM newItem, CPoint point = {});
    void OnPaint() override;
    std::vector<HTREEITEM> VisibleItems() const;

private:
    TreeItem* node(HTREEITEM item) const; // null for the root sentinel and null
    std::vector<std::unique_ptr<TreeItem>>& childrenOf(HTREEITEM parent) const;
    void notifyDeleted(TreeItem* item);

    std::unique_ptr<TreeItem> m_root;
    const CImageList* m_normalImages = nullptr;
    const CImageList* m_stateImages = nullptr;
    HTREEITEM m_caret = nullptr;
    InPlaceEdit m_label;
    HTREEITEM m_editItem = nullptr;
    HTREEITEM m_dragCandidate = nullptr;
    CPoint m_dragFrom;
};

} // namespace zn::ui
