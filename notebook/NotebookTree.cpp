#include "notebook/NotebookTree.h"

#include <unordered_set>

#include "notebook/ItemOrder.h"
#include "platform/ui/Bitmap.h"
#include "resources/ResourceIds.h"

namespace notebook {

using namespace zn::ui;

CNotebookTree::CNotebookTree() = default;
CNotebookTree::~CNotebookTree() = default;

bool CNotebookTree::CreateImageList(CImageList& images) {
    CBitmap strip;
    return strip.LoadBitmap(res::IDB_NOTEBOOK_TREE) &&
           images.Create(16, 15, ILC_COLOR24 | ILC_MASK, 10, 0) &&
           images.Add(strip, RGB(192, 192, 192)) == 0;
}

std::int32_t CNotebookTree::takeKey() {
    // Keys are 32-bit; should they run out, the whole tree is numbered afresh.
    if (m_nextKey == INT32_MAX)
        RenewKeys();
    return m_nextKey++;
}

HTREEITEM CNotebookTree::InsertTreeItem(std::u16string_view name, HTREEITEM parent, HTREEITEM after,
                                        int type) {
    int image = type == kPartition ? kImagePartition : type;
    HTREEITEM item = m_tree.InsertItem(name, image, image, parent, after);
    m_tree.SetItemData(item, std::uint32_t(takeKey()));
    if (type != kPartition) {
        auto page = std::make_unique<NotebookPage>();
        page->type = type;
        SetPage(item, std::move(page));
    }
    return item;
}

HTREEITEM CNotebookTree::InsertKeyedItem(std::u16string_view name, HTREEITEM parent,
                                         std::int32_t key, int image) {
    // Only a tree's expansion shows a partition open.
    if (image == kImagePartitionOpen)
        image = kImagePartition;
    HTREEITEM item = m_tree.InsertItem(name, image, image, parent, TVI_LAST);
    SetKey(item, key);
    return item;
}

void CNotebookTree::SetKey(HTREEITEM item, std::int32_t key) {
    m_tree.SetItemData(item, std::uint32_t(key));
    if (key >= m_nextKey && key < INT32_MAX)
        m_nextKey = key + 1;
}

void CNotebookTree::RenewKeys() {
    std::int32_t key = 1;
    ForEachItem([&](HTREEITEM item, int) { m_tree.SetItemData(item, std::uint32_t(key++)); });
    m_nextKey = key;
}

bool CNotebookTree::KeysUnique() const {
    std::unordered_set<std::int32_t> seen;
    bool unique = true;
    ForEachItem([&](HTREEITEM item, int) { unique = seen.insert(Key(item)).second && unique; });
    return unique;
}

void CNotebookTree::forgetPages(HTREEITEM item) {
    m_pages.erase(item);
    for (HTREEITEM child = m_tree.GetChildItem(item); child;
         child = m_tree.GetNextSiblingItem(child))
        forgetPages(child);
}

void CNotebookTree::DeleteItem(HTREEITEM item) {
    forgetPages(item);
    m_tree.DeleteItem(item);
}

void CNotebookTree::Clear() {
    m_tree.DeleteAllItems();
    m_pages.clear();
    m_nextKey = 1;
}

HTREEITEM CNotebookTree::FindSpecial(int type) const {
    for (HTREEITEM child = m_tree.GetChildItem(Root()); child;
         child = m_tree.GetNextSiblingItem(child)) {
        const NotebookPage* page = GetOwnPage(child);
        if (page && page->type == type)
            return child;
    }
    return nullptr;
}

HTREEITEM CNotebookTree::FindPath(std::u16string_view path) const {
    HTREEITEM item = Root();
    while (item && !path.empty()) {
        const size_t slash = path.find(u'/');
        const std::u16string_view name = path.substr(0, slash);
        path = slash == std::u16string_view::npos ? std::u16string_view() : path.substr(slash + 1);
        HTREEITEM child = m_tree.GetChildItem(item);
        while (child && m_tree.GetItemText(child) != name)
            child = m_tree.GetNextSiblingItem(child);
        item = child;
    }
    return item;
}

NotebookPage* CNotebookTree::GetOwnPage(HTREEITEM item) const {
    auto it = m_pages.find(item);
    return it == m_pages.end() ? nullptr : it->second.get();
}

NotebookPage* CNotebookTree::GetPage(HTREEITEM item) const {
    NotebookPage* page = GetOwnPage(item);
    return page ? page : GetOwnPage(Root());
}

void CNotebookTree::SetPage(HTREEITEM item, std::unique_ptr<NotebookPage> page) {
    m_pages[item] = std::move(page);
}

int CNotebookTree::PageType(HTREEITEM item) const {
    const NotebookPage* page = GetPage(item);
    return page ? page->type : kPartition;
}

void CNotebookTree::SortChildren(HTREEITEM parent) {
    struct Order {
        const CNotebookTree* tree;
        std::unordered_map<std::int32_t, HTREEITEM> byKey;
    } order{this, {}};
    for (HTREEITEM child = m_tree.GetChildItem(parent); child;
         child = m_tree.GetNextSiblingItem(child))
        order.byKey.emplace(Key(child), child);
    TVSORTCB sort;
    sort.hParent = parent;
    sort.lParam = LPARAM(&order);
    sort.lpfnCompare = [](LPARAM key1, LPARAM key2, LPARAM context) {
        const Order& o = *reinterpret_cast<const Order*>(context);
        HTREEITEM a = o.byKey.at(std::int32_t(key1));
        HTREEITEM b = o.byKey.at(std::int32_t(key2));
        int typeA = o.tree->PageType(a), typeB = o.tree->PageType(b);
        if (typeA != typeB)
            return typeA < typeB ? -1 : 1;
        return CompareItemNames(o.tree->m_tree.GetItemText(a), o.tree->m_tree.GetItemText(b));
    };
    m_tree.SortChildrenCB(sort);
}

void CNotebookTree::Expand(HTREEITEM item, bool expand) {
    m_tree.Expand(item, expand ? TVE_EXPAND : TVE_COLLAPSE);
    UpdatePartitionImage(item);
}

void CNotebookTree::UpdatePartitionImage(HTREEITEM item) {
    if (GetOwnPage(item) && item != Root())
        return;
    int image = PartitionImage(item);
    m_tree.SetItemImage(item, image, image);
}

int CNotebookTree::PartitionImage(HTREEITEM item) const {
    bool open = m_tree.ItemHasChildren(item) && m_tree.GetItemState(item, TVIS_EXPANDED);
    return open ? kImagePartitionOpen : kImagePartition;
}

void CNotebookTree::ForEachItem(const std::function<void(HTREEITEM, int)>& visit) const {
    int ordinal = 0;
    std::function<void(HTREEITEM)> walk = [&](HTREEITEM first) {
        for (HTREEITEM item = first; item; item = m_tree.GetNextSiblingItem(item)) {
            visit(item, ++ordinal);
            walk(m_tree.GetChildItem(item));
        }
    };
    walk(Root());
}

} // namespace notebook
