// Tree-view items, navigation, selection, label editing, sorting and drag start.
#include "platform/ui/TreeCtrl.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Input.h"

namespace zn::ui {

struct TreeItem {
    ZnsStringW text;
    int image = 0;
    int selectedImage = 0;
    UINT state = 0;
    std::uintptr_t data = 0;
    TreeItem* parent = nullptr;
    std::vector<std::unique_ptr<TreeItem>> children;
};

namespace {

int indexIn(const std::vector<std::unique_ptr<TreeItem>>& list, const TreeItem* item) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == item)
            return int(i);
    return -1;
}

void preOrder(TreeItem* item, std::vector<TreeItem*>& out, bool visibleOnly) {
    for (auto& child : item->children) {
        out.push_back(child.get());
        if (!visibleOnly || (child->state & TVIS_EXPANDED))
            preOrder(child.get(), out, visibleOnly);
    }
}

} // namespace

CTreeCtrl::CTreeCtrl() : m_root(std::make_unique<TreeItem>()) {}

CTreeCtrl::~CTreeCtrl() = default;

TreeItem* CTreeCtrl::node(HTREEITEM item) const {
    return item == TVI_ROOT || item == nullptr ? nullptr : item;
}

std::vector<std::unique_ptr<TreeItem>>& CTreeCtrl::childrenOf(HTREEITEM parent) const {
    TreeItem* n = node(parent);
    return n ? n->children : m_root->children;
}

HTREEITEM CTreeCtrl::InsertItem(std::u16string_view text, int image, int selectedImage,
                                HTREEITEM parent, HTREEITEM after) {
    auto& siblings = childrenOf(parent);
    auto item = std::make_unique<TreeItem>();
    item->text = text;
    item->image = image;
    item->selectedImage = selectedImage;
    item->parent = node(parent) ? node(parent) : m_root.get();
    size_t at = siblings.size();
    if (after == TVI_FIRST) {
        at = 0;
    } else if (after == TVI_SORT) {
        at = 0;
        while (at < siblings.size() && zn::compareNoCase(siblings[at]->text, text) <= 0)
            ++at;
    } else if (after != TVI_LAST) {
        int index = indexIn(siblings, after);
        if (index >= 0)
            at = size_t(index) + 1;
    }
    HTREEITEM handle = item.get();
    siblings.insert(siblings.begin() + long(at), std::move(item));
    return handle;
}

void CTreeCtrl::notifyDeleted(TreeItem* item) {
    for (auto& child : item->children)
        notifyDeleted(child.get());
    Notify(TVN_DELETEITEM, item, nullptr);
    if (m_caret == item)
        m_caret = nullptr;
    if (m_editItem == item)
        EndEditLabelNow(true);
    if (m_dragCandidate == item)
        m_dragCandidate = nullptr;
}

bool CTreeCtrl::DeleteItem(HTREEITEM item) {
    if (item == TVI_ROOT)
        return DeleteAllItems();
    TreeItem* n = node(item);
    if (!n)
        return false;
    notifyDeleted(n);
    auto& siblings = n->parent->children;
    int index = indexIn(siblings, n);
    if (index < 0)
        return false;
    siblings.erase(siblings.begin() + index);
    return true;
}

bool CTreeCtrl::DeleteAllItems() {
    while (!m_root->children.empty())
        DeleteItem(m_root->children.front().get());
    return true;
}

ZnsStringW CTreeCtrl::GetItemText(HTREEITEM item) const {
    TreeItem* n = node(item);
    return n ? n->text : ZnsStringW();
}

bool CTreeCtrl::SetItemText(HTREEITEM item, std::u16string_view text) {
    TreeItem* n = node(item);
    if (n)
        n->text = text;
    return n;
}

std::uintptr_t CTreeCtrl::GetItemData(HTREEITEM item) const {
    TreeItem* n = node(item);
    return n ? n->data : 0;
}

bool CTreeCtrl::SetItemData(HTREEITEM item, std::uintptr_t data) {
    TreeItem* n = node(item);
    if (n)
        n->data = data;
    return n;
}

bool CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    TreeItem* n = node(item);
    if (!n)
        return false;
    image = n->image;
    selectedImage = n->selectedImage;
    return true;
}

bool CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    TreeItem* n = node(item);
    if (!n)
        return false;
    n->image = image;
    n->selectedImage = selectedImage;
    return true;
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const {
    TreeItem* n = node(item);
    return n ? n->state & mask : 0;
}

bool CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask) {
    TreeItem* n = node(item);
    if (n)
        n->state = (n->state & ~mask) | (state & mask);
    return n;
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    return m_root->children.empty() ? nullptr : m_root->children.front().get();
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const {
    TreeItem* n = node(item);
    return n && n->parent != m_root.get() ? n->parent : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
    auto& children = childrenOf(item);
    return children.empty() ? nullptr : children.front().get();
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    TreeItem* n = node(item);
    if (!n)
        return nullptr;
    auto& siblings = n->parent->children;
    int index = indexIn(siblings, n);
    return index >= 0 && size_t(index) + 1 < siblings.size() ? siblings[size_t(index) + 1].get()
                                                             : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const {
    TreeItem* n = node(item);
    if (!n)
        return nullptr;
    auto& siblings = n->parent->children;
    int index = indexIn(siblings, n);
    return index > 0 ? siblings[size_t(index) - 1].get() : nullptr;
}

std::vector<HTREEITEM> CTreeCtrl::VisibleItems() const {
    std::vector<TreeItem*> out;
    preOrder(m_root.get(), out, true);
    return out;
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM item) const {
    auto visible = VisibleItems();
    auto it = std::find(visible.begin(), visible.end(), item);
    return it != visible.end() && it + 1 != visible.end() ? *(it + 1) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM item) const {
    auto visible = VisibleItems();
    auto it = std::find(visible.begin(), visible.end(), item);
    return it != visible.end() && it != visible.begin() ? *(it - 1) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
    switch (code) {
    case TVGN_ROOT:
        return GetRootItem();
    case TVGN_NEXT:
        return GetNextSiblingItem(item);
    case TVGN_PREVIOUS:
        return GetPrevSiblingItem(item);
    case TVGN_PARENT:
        return GetParentItem(item);
    case TVGN_CHILD:
        return GetChildItem(item);
    case TVGN_NEXTVISIBLE:
        return GetNextVisibleItem(item);
    case TVGN_PREVIOUSVISIBLE:
        return GetPrevVisibleItem(item);
    case TVGN_DROPHILITE:
        return GetDropHilightItem();
    case TVGN_CARET:
        return m_caret;
    default:
        return nullptr;
    }
}

bool CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
    return !childrenOf(item).empty();
}

UINT CTreeCtrl::GetCount() const {
    std::vector<TreeItem*> all;
    preOrder(m_root.get(), all, false);
    return UINT(all.size());
}

LRESULT CTreeCtrl::Notify(int code, HTREEITEM oldItem, HTREEITEM newItem, CPoint point) {
    CWnd* parent = GetParent() ? GetParent() : GetOwner();
    if (!parent)
        return 0;
    NMTREEVIEW info;
    info.hdr = {m_hWnd, std::uintptr_t(GetDlgCtrlID()), code};
    info.itemOld = oldItem;
    info.itemNew = newItem;
    info.ptDrag = point;
    return parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info));
}

bool CTreeCtrl::Expand(HTREEITEM item, UINT code) {
    TreeItem* n = node(item);
    if (!n)
        return false;
    bool expand = code == TVE_EXPAND || (code == TVE_TOGGLE && !(n->state & TVIS_EXPANDED));
    if (bool(n->state & TVIS_EXPANDED) == expand)
        return true;
    n->state = expand ? n->state | TVIS_EXPANDED : n->state & ~TVIS_EXPANDED;
    NMTREEVIEW info;
    CWnd* parent = GetParent();
    if (parent) {
        info.hdr = {m_hWnd, std::uintptr_t(GetDlgCtrlID()), TVN_ITEMEXPANDED};
        info.action = expand ? TVE_EXPAND : TVE_COLLAPSE;
        info.itemNew = item;
        parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info));
    }
    return true;
}

bool CTreeCtrl::SelectItem(HTREEITEM item) {
    if (item && !node(item))
        return false;
    HTREEITEM old = m_caret;
    if (old == item)
        return true;
    SetItemState(old, 0, TVIS_SELECTED);
    m_caret = item;
    SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
    EnsureVisible(item);
    Notify(TVN_SELCHANGED, old, item);
    return true;
}

bool CTreeCtrl::SelectDropTarget(HTREEITEM item) {
    std::vector<TreeItem*> all;
    preOrder(m_root.get(), all, false);
    for (TreeItem* n : all)
        n->state &= ~TVIS_DROPHILITED;
    return !item || SetItemState(item, TVIS_DROPHILITED, TVIS_DROPHILITED);
}

HTREEITEM CTreeCtrl::GetDropHilightItem() const {
    std::vector<TreeItem*> all;
    preOrder(m_root.get(), all, false);
    for (TreeItem* n : all)
        if (n->state & TVIS_DROPHILITED)
            return n;
    return nullptr;
}

bool CTreeCtrl::EnsureVisible(HTREEITEM item) {
    TreeItem* n = node(item);
    for (TreeItem* p = n ? n->parent : nullptr; p && p != m_root.get(); p = p->parent)
        Expand(p, TVE_EXPAND);
    return n != nullptr;
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM item) {
    TreeItem* n = node(item);
    if (!n || m_label.IsActive())
        return nullptr;
    CWnd* parent = GetParent();
    NMTVDISPINFO info;
    info.hdr = {m_hWnd, std::uintptr_t(GetDlgCtrlID()), TVN_BEGINLABELEDIT};
    info.item = item;
    info.text = n->text.c_str();
    if (parent && parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info)))
        return nullptr;
    EnsureVisible(item);
    CRect rect;
    GetItemRect(item, rect);
    CEdit* edit = m_label.Begin(*this, rect, n->text, false);
    if (edit)
        m_editItem = item;
    return edit;
}

CEdit* CTreeCtrl::GetEditControl() const {
    return m_label.Control();
}

bool CTreeCtrl::EndEditLabelNow(bool cancel) {
    HTREEITEM item = m_editItem;
    m_editItem = nullptr;
    std::optional<ZnsStringW> text = m_label.End();
    if (!text)
        return false;
    NMTVDISPINFO info;
    info.hdr = {m_hWnd, std::uintptr_t(GetDlgCtrlID()), TVN_ENDLABELEDIT};
    info.item = item;
    info.text = cancel ? nullptr : text->c_str();
    CWnd* parent = GetParent();
    LRESULT accepted =
        parent ? parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info)) : 1;
    if (!cancel && accepted)
        SetItemText(item, *text);
    return true;
}

bool CTreeCtrl::SortChildren(HTREEITEM parent, bool recurse) {
    auto& children = childrenOf(parent);
    std::stable_sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
        return zn::compareNoCase(a->text, b->text) < 0;
    });
    if (recurse)
        for (auto& child : children)
            SortChildren(child.get(), true);
    return true;
}

bool CTreeCtrl::SortChildrenCB(const TVSORTCB& sort) {
    if (!sort.lpfnCompare)
        return false;
    auto& children = childrenOf(sort.hParent);
    std::stable_sort(children.begin(), children.end(), [&](const auto& a, const auto& b) {
        return sort.lpfnCompare(LPARAM(a->data), LPARAM(b->data), sort.lParam) < 0;
    });
    return true;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point) const {
    if (point.y < 0 || point.x < 0 || point.x >= GetClientRect().Width())
        return nullptr;
    auto visible = VisibleItems();
    size_t row = size_t(point.y / kRowHeight);
    return row < visible.size() ? visible[row] : nullptr;
}

bool CTreeCtrl::GetItemRect(HTREEITEM item, CRect& rect) const {
    auto visible = VisibleItems();
    auto it = std::find(visible.begin(), visible.end(), item);
    if (it == visible.end())
        return false;
    int row = int(it - visible.begin());
    int depth = 0;
    for (TreeItem* p = item->parent; p && p != m_root.get(); p = p->parent)
        ++depth;
    rect = {depth * kIndent, row * kRowHeight, GetClientRect().Width(), (row + 1) * kRowHeight};
    return true;
}

const CImageList* CTreeCtrl::SetImageList(const CImageList* images, int kind) {
    const CImageList** slot = kind == TVSIL_NORMAL  ? &m_normalImages
                              : kind == TVSIL_STATE ? &m_stateImages
                                                    : nullptr;
    if (!slot)
        return nullptr;
    Invalidate();
    return std::exchange(*slot, images);
}

const CImageList* CTreeCtrl::GetImageList(int kind) const {
    return kind == TVSIL_NORMAL ? m_normalImages : kind == TVSIL_STATE ? m_stateImages : nullptr;
}

void CTreeCtrl::OnPaint() {
    CPaintDC dc(this);
    dc.SetBkMode(TRANSPARENT);
    for (HTREEITEM item : VisibleItems()) {
        CRect rect;
        GetItemRect(item, rect);
        int x = rect.left;
        int stateImage = int((item->state & TVIS_STATEIMAGEMASK) >> 12);
        if (m_stateImages && stateImage > 0 &&
            m_stateImages->Draw(&dc, stateImage - 1, {x, rect.top}, ILD_TRANSPARENT))
            x += m_stateImages->GetImageSize().cx;
        int image = (item->state & TVIS_SELECTED) ? item->selectedImage : item->image;
        if (m_normalImages && m_normalImages->Draw(&dc, image, {x, rect.top}, ILD_TRANSPARENT))
            x += m_normalImages->GetImageSize().cx + 2;
        dc.TextOutW(x, rect.top, item->text);
    }
}

std::optional<CRect> CTreeCtrl::FindItemRect(std::u16string_view text) const {
    for (HTREEITEM item : VisibleItems())
        if (item->text == text) {
            CRect rect;
            GetItemRect(item, rect);
            return rect;
        }
    return std::nullopt;
}

std::vector<std::u16string> CTreeCtrl::ItemLines() const {
    std::vector<std::u16string> lines;
    for (HTREEITEM item : VisibleItems()) {
        size_t depth = 0;
        for (HTREEITEM up = GetParentItem(item); up; up = GetParentItem(up))
            ++depth;
        lines.push_back(std::u16string(depth * 2, u' ') +
                        (GetItemState(item, TVIS_SELECTED) ? u"> " : u"  ") + item->text);
    }
    return lines;
}

void CTreeCtrl::OnItemClicked(HTREEITEM item, WPARAM) {
    SelectItem(item);
}

bool CTreeCtrl::PreTranslateMessage(MSG& msg) {
    // Enter and Esc end a label edit before the dialog sees them.
    InPlaceEdit::Ending ending = m_label.EndingFor(msg);
    if (ending == InPlaceEdit::Ending::None)
        return false;
    EndEditLabelNow(ending == InPlaceEdit::Ending::Cancel);
    return true;
}

LRESULT CTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_COMMAND:
        if (m_label.IsFocusLoss(wParam, lParam))
            EndEditLabelNow(false);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: {
        SetFocus();
        HTREEITEM hit = HitTest(point);
        if (hit)
            OnItemClicked(hit, wParam);
        m_dragCandidate = (GetStyle() & TVS_DISABLEDRAGDROP) ? nullptr : hit;
        m_dragFrom = point;
        Notify(NM_CLICK, nullptr, hit, point);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_dragCandidate && (wParam & MK_LBUTTON) &&
            std::abs(point.x - m_dragFrom.x) + std::abs(point.y - m_dragFrom.y) >= 4) {
            HTREEITEM dragged = m_dragCandidate;
            m_dragCandidate = nullptr;
            Notify(TVN_BEGINDRAG, nullptr, dragged, point);
        }
        return 0;
    case WM_LBUTTONUP:
        m_dragCandidate = nullptr;
        return 0;
    case WM_LBUTTONDBLCLK: {
        HTREEITEM hit = HitTest(point);
        if (!Notify(NM_DBLCLK, nullptr, hit, point) && hit)
            Expand(hit, TVE_TOGGLE);
        return 0;
    }
    case WM_RBUTTONDOWN:
        Notify(NM_RCLICK, nullptr, HitTest(point), point);
        return 0;
    case WM_KEYDOWN: {
        HTREEITEM caret = m_caret;
        if (wParam == VK_DOWN)
            SelectItem(caret ? GetNextVisibleItem(caret) ? GetNextVisibleItem(caret) : caret
                             : GetRootItem());
        else if (wParam == VK_UP && caret && GetPrevVisibleItem(caret))
            SelectItem(GetPrevVisibleItem(caret));
        else if (wParam == VK_RIGHT && caret)
            Expand(caret, TVE_EXPAND);
        else if (wParam == VK_LEFT && caret)
            Expand(caret, TVE_COLLAPSE);
        else if (wParam == VK_F2 && caret && (GetStyle() & TVS_EDITLABELS))
            EditLabel(caret);
        return 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
