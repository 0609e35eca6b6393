// The notebook's tree and its pages: one root "Notebook", partitions to any depth, text and
// table pages, the History and the Find result, kept in the controls library's tree with
// each item's key in its data word, and the map from item to page record.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

#include "host/controls/CxTreeCtrl.h"
#include "notebook/NotebookPage.h"

namespace notebook {

using zn::ui::HTREEITEM;

// Image-list indexes of the tree's pictures.
enum TreeImage {
    kImagePartition = 0,
    kImagePartitionOpen = 1,
    kImageTextPage = 2,
    kImageTablePage = 3,
    kImageHistory = 4,
    kImageFindResult = 5,
};

class CNotebookTree {
public:
    CNotebookTree();
    ~CNotebookTree();
    CNotebookTree(const CNotebookTree&) = delete;
    CNotebookTree& operator=(const CNotebookTree&) = delete;

    zn::ui::CxTreeCtrl& Tree() { return m_tree; }
    const zn::ui::CxTreeCtrl& Tree() const { return m_tree; }
    // Fills `images` from bitmap 12044 for the tree's normal and state images.
    static bool CreateImageList(zn::ui::CImageList& images);

    // Inserts an item with a fresh key; pages (types 2 to 5) get an empty page of their
    // type, partitions none.
    HTREEITEM InsertTreeItem(std::u16string_view name, HTREEITEM parent, HTREEITEM after, int type);
    // Inserts an item as a file describes it, keeping its key.
    HTREEITEM InsertKeyedItem(std::u16string_view name, HTREEITEM parent, std::int32_t key,
                              int image);
    // Deletes the item, its children and their pages.
    void DeleteItem(HTREEITEM item);
    // Deletes every item and every page.
    void Clear();

    HTREEITEM Root() const { return m_tree.GetRootItem(); }
    // The child of the root whose page has `type` (History, Find result), or null.
    HTREEITEM FindSpecial(int type) const;
    // The item named by `path`: item names below the root joined by "/" (the empty path is
    // the root); null when nothing has that path.
    HTREEITEM FindPath(std::u16string_view path) const;
    std::int32_t Key(HTREEITEM item) const { return std::int32_t(m_tree.GetItemData(item)); }
    void SetKey(HTREEITEM item, std::int32_t key);
    // Gives every item a new key, unique in the tree.
    void RenewKeys();
    bool KeysUnique() const;

    // The item's page, or the root's when it has none of its own.
    NotebookPage* GetPage(HTREEITEM item) const;
    // The item's own page, or null.
    NotebookPage* GetOwnPage(HTREEITEM item) const;
    void SetPage(HTREEITEM item, std::unique_ptr<NotebookPage> page);
    int PageType(HTREEITEM item) const;
    // Pages in the map, the root's included.
    std::size_t PageCount() const { return m_pages.size(); }

    // Orders the children of `parent`: smaller page type first, then by name.
    void SortChildren(HTREEITEM parent);
    // Expands or collapses; a partition shows itself open while expanded.
    void Expand(HTREEITEM item, bool expand);
    // A partition left without children shows itself closed.
    void UpdatePartitionImage(HTREEITEM item);
    // What a partition (or the root) shows: open while expanded with children.
    int PartitionImage(HTREEITEM item) const;

    // Every item in pre-order, with its 1-based ordinal.
    void ForEachItem(const std::function<void(HTREEITEM, int ordinal)>& visit) const;

private:
    std::int32_t takeKey();
    void forgetPages(HTREEITEM item);

    zn::ui::CxTreeCtrl m_tree;
    std::unordered_map<HTREEITEM, std::unique_ptr<NotebookPage>> m_pages;
    std::int32_t m_nextKey = 1;
};

} // namespace notebook
