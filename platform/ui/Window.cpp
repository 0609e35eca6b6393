// Windows, their handles and the message plumbing: send, post, focus, capture, the active
// window, registered messages and window classes.
#include "platform/ui/Window.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <utility>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Hooks.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menu.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/WindowChanges.h"
#include "platform/ui/WindowClass.h"

namespace zn::ui {

void RegisterStandardClasses();

namespace {

struct Registry {
    std::unordered_map<HWND, CWnd*> windows;
    std::uintptr_t nextHandle = 0x10;
    std::vector<HWND> topLevel;
    std::deque<MSG> posted;
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
    std::map<std::u16string, UINT> registeredMessages;
    std::map<std::u16string, WindowFactory> classes;
};

Registry& registry() {
    static Registry r;
    return r;
}

std::u16string classKey(std::u16string_view name) {
    return zn::toLower(name);
}

} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd)
        DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    auto& windows = registry().windows;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second;
}

bool CWnd::CreateEx(std::uint32_t exStyle, std::u16string_view className, std::u16string_view text,
                    std::uint32_t style, const CRect& rect, CWnd* parent, int id, CWnd* owner) {
    if (m_hWnd)
        return false;
    if ((style & WS_CHILD) && !(parent && parent->m_hWnd))
        return false;
    Registry& r = registry();
    m_className = className;
    m_text = text;
    m_style = style;
    m_exStyle = exStyle;
    m_id = id;
    m_rect = rect;
    m_hWnd = reinterpret_cast<HWND>(r.nextHandle += 0x10);
    r.windows[m_hWnd] = this;
    if (style & WS_CHILD) {
        m_parent = parent;
        parent->m_children.push_back(this);
    } else {
        m_owner = owner ? owner : parent;
        r.topLevel.push_back(m_hWnd);
    }
    if (SendMessage(WM_CREATE) == -1) {
        DestroyWindow();
        return false;
    }
    Invalidate();
    if (!(style & WS_CHILD) && (style & WS_VISIBLE))
        SetActiveWindow(this);
    return true;
}

CWnd* CWnd::CreateOwnedChild(std::u16string_view className, std::u16string_view text,
                             std::uint32_t style, const CRect& rect, int id,
                             std::uint32_t exStyle) {
    std::unique_ptr<CWnd> child = MakeWindowOfClass(className);
    if (!child || !child->CreateEx(exStyle, className, text, style | WS_CHILD, rect, this, id))
        return nullptr;
    m_ownedChildren.push_back(std::move(child));
    return m_ownedChildren.back().get();
}

void CWnd::adoptState(CWnd& from) {
    m_className = from.m_className;
    m_text = from.m_text;
    m_style = from.m_style;
    m_exStyle = from.m_exStyle;
    m_id = from.m_id;
    m_rect = from.m_rect;
    m_updateRect = from.m_updateRect;
    m_parent = from.m_parent;
    m_owner = from.m_owner;
    m_hWnd = from.m_hWnd;
    from.m_hWnd = nullptr;
    from.m_parent = nullptr;
}

bool CWnd::SubclassDlgItem(int id, CWnd* parent) {
    CWnd* item = parent ? parent->GetDlgItem(id) : nullptr;
    if (!item || m_hWnd || item == this)
        return false;
    auto slot = std::find(parent->m_children.begin(), parent->m_children.end(), item);
    adoptState(*item);
    *slot = this;
    registry().windows[m_hWnd] = this;
    auto& owned = parent->m_ownedChildren;
    owned.erase(std::remove_if(owned.begin(), owned.end(),
                               [item](const std::unique_ptr<CWnd>& p) { return p.get() == item; }),
                owned.end());
    return true;
}

void CWnd::detachFromParent() {
    Registry& r = registry();
    if (m_parent) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    } else {
        r.topLevel.erase(std::remove(r.topLevel.begin(), r.topLevel.end(), m_hWnd),
                         r.topLevel.end());
    }
}

void CWnd::DestroyWindow() {
    NotifyWindowChanged();
    if (!m_hWnd)
        return;
    Registry& r = registry();
    SendMessage(WM_DESTROY);
    // Top-level windows this one owns go with it, then the children.
    for (HWND hwnd : std::vector<HWND>(r.topLevel))
        if (CWnd* wnd = FromHandle(hwnd); wnd && wnd->m_owner == this)
            wnd->DestroyWindow();
    for (CWnd* child : std::vector<CWnd*>(m_children))
        child->DestroyWindow();
    detachFromParent();
    if (r.focus == m_hWnd)
        r.focus = nullptr;
    if (r.capture == m_hWnd)
        r.capture = nullptr;
    if (r.active == m_hWnd) {
        r.active = nullptr;
        if (m_owner && m_owner->m_hWnd)
            r.active = m_owner->GetTopLevelParent()->m_hWnd;
    }
    r.windows.erase(m_hWnd);
    m_hWnd = nullptr;
    m_parent = nullptr;
    m_ownedChildren.clear();
    PostNcDestroy();
}

CWnd* CWnd::GetDlgItem(int id) const {
    for (CWnd* child : m_children)
        if (child->m_id == id)
            return child;
    return nullptr;
}

CWnd* CWnd::FindDescendant(int id) const {
    for (CWnd* child : m_children) {
        if (child->m_id == id)
            return child;
        if (CWnd* found = child->FindDescendant(id))
            return found;
    }
    return nullptr;
}

void CWnd::SetWindowTextW(std::u16string_view text) {
    NotifyWindowChanged();
    ZnsStringW copy(text);
    SendMessage(WM_SETTEXT, 0, LPARAM(copy.c_str()));
}

ZnsStringW CWnd::GetWindowTextW() const {
    CWnd* self = const_cast<CWnd*>(this);
    auto length = size_t(self->SendMessage(WM_GETTEXTLENGTH));
    ZnsStringW text(length + 1, u'\0');
    auto copied = size_t(self->SendMessage(WM_GETTEXT, length + 1, LPARAM(text.data())));
    text.resize(copied);
    return text;
}

int CWnd::GetWindowTextLengthW() const {
    return int(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXTLENGTH));
}

void CWnd::SetDlgItemTextW(int id, std::u16string_view text) {
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowTextW(text);
}

ZnsStringW CWnd::GetDlgItemTextW(int id) const {
    CWnd* item = GetDlgItem(id);
    return item ? item->GetWindowTextW() : ZnsStringW();
}

void CWnd::ModifyStyle(std::uint32_t remove, std::uint32_t add) {
    NotifyWindowChanged();
    m_style = (m_style & ~remove) | add;
}

void CWnd::ModifyStyleEx(std::uint32_t remove, std::uint32_t add) {
    NotifyWindowChanged();
    m_exStyle = (m_exStyle & ~remove) | add;
}

bool CWnd::ShowWindow(int command) {
    NotifyWindowChanged();
    bool wasVisible = m_style & WS_VISIBLE;
    bool show = command != SW_HIDE;
    if (show)
        m_style |= WS_VISIBLE;
    else
        m_style &= ~WS_VISIBLE;
    if (show != wasVisible)
        SendMessage(WM_SHOWWINDOW, show ? 1 : 0);
    Registry& r = registry();
    if (!show) {
        if (CWnd* focus = GetFocus(); focus && (focus == this || IsChild(focus)))
            r.focus = nullptr;
        if (r.active == m_hWnd)
            r.active = m_owner && m_owner->m_hWnd ? m_owner->GetTopLevelParent()->m_hWnd : nullptr;
    } else if (!m_parent) {
        SetActiveWindow(this);
    }
    return wasVisible;
}

bool CWnd::IsWindowVisible() const {
    for (const CWnd* w = this; w; w = w->m_parent)
        if (!(w->m_style & WS_VISIBLE))
            return false;
    return m_hWnd != nullptr;
}

bool CWnd::EnableWindow(bool enable) {
    NotifyWindowChanged();
    bool wasDisabled = m_style & WS_DISABLED;
    if (enable)
        m_style &= ~WS_DISABLED;
    else
        m_style |= WS_DISABLED;
    if (wasDisabled == enable)
        SendMessage(WM_ENABLE, enable ? 1 : 0);
    if (!enable)
        if (CWnd* focus = GetFocus(); focus && (focus == this || IsChild(focus)))
            registry().focus = nullptr;
    return wasDisabled;
}

void CWnd::MoveWindow(const CRect& rect, bool) {
    NotifyWindowChanged();
    CRect old = m_rect;
    m_rect = rect;
    if (old.TopLeft() != rect.TopLeft())
        SendMessage(WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if (old.Size() != rect.Size()) {
        SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
        Invalidate();
    }
}

bool CWnd::SetWindowPos(int x, int y, int width, int height, UINT flags) {
    if (!m_hWnd)
        return false;
    CRect rect = m_rect;
    if (!(flags & SWP_NOMOVE))
        rect = {x, y, x + rect.Width(), y + rect.Height()};
    if (!(flags & SWP_NOSIZE))
        rect = {rect.left, rect.top, rect.left + width, rect.top + height};
    MoveWindow(rect);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(SW_SHOW);
    else if (flags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    return true;
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    if (!m_hWnd)
        return false;
    if (!(flags & SWP_NOZORDER) && insertAfter == HWND_TOPMOST)
        ModifyStyleEx(0, WS_EX_TOPMOST);
    else if (!(flags & SWP_NOZORDER) && insertAfter == HWND_NOTOPMOST)
        ModifyStyleEx(WS_EX_TOPMOST, 0);
    return SetWindowPos(x, y, width, height, flags);
}

int CWnd::SetIcon(int icon, bool big) {
    int& slot = big ? m_bigIcon : m_smallIcon;
    int previous = slot;
    slot = icon;
    return previous;
}

void CWnd::CheckDlgButton(int id, int check) {
    SendDlgItemMessage(id, BM_SETCHECK, WPARAM(check));
}

int CWnd::IsDlgButtonChecked(int id) const {
    return int(const_cast<CWnd*>(this)->SendDlgItemMessage(id, BM_GETCHECK));
}

void CWnd::CheckRadioButton(int first, int last, int id) {
    for (int button = first; button <= last; ++button)
        CheckDlgButton(button, button == id ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
    for (int button = first; button <= last; ++button)
        if (IsDlgButtonChecked(button) == BST_CHECKED)
            return button;
    return 0;
}

CRect CWnd::GetWindowRect() const {
    return m_parent ? m_parent->ClientToScreen(m_rect) : m_rect;
}

CPoint CWnd::ClientToScreen(CPoint point) const {
    CPoint p{point.x + m_rect.left, point.y + m_rect.top};
    return m_parent ? m_parent->ClientToScreen(p) : p;
}

CPoint CWnd::ScreenToClient(CPoint point) const {
    CPoint origin = ClientToScreen(CPoint{0, 0});
    return {point.x - origin.x, point.y - origin.y};
}

CRect CWnd::ClientToScreen(const CRect& rect) const {
    CPoint origin = ClientToScreen(CPoint{0, 0});
    CRect r = rect;
    r.OffsetRect(origin.x, origin.y);
    return r;
}

CRect CWnd::ScreenToClient(const CRect& rect) const {
    CPoint origin = ClientToScreen(CPoint{0, 0});
    CRect r = rect;
    r.OffsetRect(-origin.x, -origin.y);
    return r;
}

CWnd* CWnd::GetTopLevelParent() const {
    const CWnd* w = this;
    while (w->m_parent)
        w = w->m_parent;
    return const_cast<CWnd*>(w);
}

bool CWnd::IsChild(const CWnd* other) const {
    for (const CWnd* w = other ? other->m_parent : nullptr; w; w = w->m_parent)
        if (w == this)
            return true;
    return false;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindow(this, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ui::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* item = GetDlgItem(id);
    return item ? item->SendMessage(message, wParam, lParam) : 0;
}

CWnd* CWnd::SetFocus() {
    Registry& r = registry();
    CWnd* old = FromHandle(r.focus);
    if (old == this || !m_hWnd)
        return old;
    if (old)
        old->SendMessage(WM_KILLFOCUS, WPARAM(m_hWnd));
    if (!m_hWnd) // a kill-focus handler may destroy us
        return old;
    r.focus = m_hWnd;
    GetTopLevelParent()->m_lastFocus = m_hWnd;
    SendMessage(WM_SETFOCUS, WPARAM(old ? old->m_hWnd : nullptr));
    return old;
}

bool CWnd::RestoreLastFocus() {
    CWnd* focus = GetFocus();
    if (focus && (focus == this || IsChild(focus)))
        return true;
    CWnd* last = FromHandle(m_lastFocus);
    if (!last || (last != this && !IsChild(last)) || !last->IsWindowVisible() ||
        !last->IsWindowEnabled())
        return false;
    last->SetFocus();
    return true;
}

CWnd* CWnd::GetFocus() {
    return FromHandle(registry().focus);
}

CWnd* CWnd::SetCapture() {
    CWnd* old = GetCapture();
    registry().capture = m_hWnd;
    return old;
}

CWnd* CWnd::GetCapture() {
    return FromHandle(registry().capture);
}

void CWnd::ReleaseCapture() {
    registry().capture = nullptr;
}

bool CWnd::PreTranslateMessage(MSG&) {
    return false;
}

bool CWnd::OnCmdMsg(UINT id, int code) {
    if (code == 0 || code == 1) {
        if (auto it = m_commandHandlers.find(id); it != m_commandHandlers.end()) {
            it->second();
            return true;
        }
        for (auto& [range, handler] : m_rangeHandlers)
            if (id >= range.first && id <= range.second) {
                handler(id);
                return true;
            }
    }
    if (auto it = m_notifyHandlers.find({id, code}); it != m_notifyHandlers.end()) {
        it->second(nullptr);
        return true;
    }
    return false;
}

void CWnd::OnCommandId(UINT id, std::function<void()> handler) {
    m_commandHandlers[id] = std::move(handler);
}

void CWnd::OnCommandRange(UINT first, UINT last, std::function<void(UINT)> handler) {
    m_rangeHandlers.push_back({{first, last}, std::move(handler)});
}

void CWnd::OnNotifyCode(UINT id, int code, std::function<LRESULT(NMHDR*)> handler) {
    m_notifyHandlers[{id, code}] = std::move(handler);
}

std::optional<CRect> CWnd::FindItemRect(std::u16string_view) const {
    return std::nullopt;
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam) {
        // Only a child's notification is reflected: a command routed here from elsewhere
        // already passed its source on the way.
        LRESULT ignored = 0;
        if (CWnd* control = FromHandle(HWND(lParam)); control && control->GetParent() == this &&
                                                      control->OnChildNotify(WM_COMMAND, wParam,
                                                                             lParam, &ignored))
            return true;
    }
    return OnCmdMsg(LOWORD(wParam), int(std::int16_t(HIWORD(wParam))));
}

bool CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return false;
    if (CWnd* control = FromHandle(header->hwndFrom);
        control && control->OnChildNotify(WM_NOTIFY, 0, lParam, result))
        return true;
    auto it = m_notifyHandlers.find({UINT(header->idFrom), header->code});
    if (it == m_notifyHandlers.end())
        return false;
    *result = it->second(header);
    return true;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return false;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SETTEXT:
        m_text = lParam ? reinterpret_cast<const char16_t*>(lParam) : u"";
        return 1;
    case WM_GETTEXTLENGTH:
        return LRESULT(m_text.size());
    case WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        size_t n = std::min(size_t(wParam) - 1, m_text.size());
        auto* out = reinterpret_cast<char16_t*>(lParam);
        std::copy_n(m_text.data(), n, out);
        out[n] = 0;
        return LRESULT(n);
    }
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ACTIVATE:
        // A window made active gets the keyboard back where it was, else takes it itself.
        if (LOWORD(wParam) != 0 && !RestoreLastFocus())
            SetFocus();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SIZE:
        RepositionBars();
        OnSize(UINT(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 1 : 0;
    case WM_NOTIFY: {
        LRESULT result = 0;
        OnNotify(wParam, lParam, &result);
        return result;
    }
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = std::max(info->ptMinTrackSize.x, m_minTrackSize.cx);
        info->ptMinTrackSize.y = std::max(info->ptMinTrackSize.y, m_minTrackSize.cy);
        return 0;
    }
    case WM_RBUTTONUP: {
        // A right click nobody answered asks for the context menu at the pointer.
        CPoint screen = ClientToScreen(CPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return SendMessage(WM_CONTEXTMENU, WPARAM(m_hWnd), MAKELPARAM(screen.x, screen.y));
    }
    case WM_KEYUP:
        // Shift+F10 and the menu key ask for it where the keyboard is: (-1, -1).
        if (wParam == VK_APPS || (wParam == VK_F10 && GetKeyState(int(VK_SHIFT)) < 0))
            return SendMessage(WM_CONTEXTMENU, WPARAM(m_hWnd), LPARAM(-1));
        return 0;
    case WM_CONTEXTMENU:
    case WM_HELP:
        // Unanswered, these travel up to the parent, as the system does.
        return m_parent ? m_parent->SendMessage(message, wParam, lParam) : 0;
    case WM_ERASEBKGND: {
        // Windows of a class with a background colour are filled with it.
        int background = GetWindowClassInfo(m_className).backgroundColor;
        auto* dc = reinterpret_cast<CDC*>(wParam);
        if (background < 0 || !dc)
            return FALSE;
        dc->FillSolidRect(dc->GetClipBox(), GetSysColor(background));
        return TRUE;
    }
    case WM_SETCURSOR: {
        // The parent may choose first; over the client area the class cursor follows.
        if (m_parent && m_parent->SendMessage(message, wParam, lParam))
            return TRUE;
        HCURSOR cursor = GetWindowClassInfo(m_className).cursor;
        if (LOWORD(WPARAM(lParam)) != HTCLIENT || !cursor)
            return FALSE;
        SetCursor(cursor);
        return TRUE;
    }
    default:
        return 0;
    }
}

LRESULT DispatchToWindow(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!wnd || !wnd->m_hWnd)
        return 0;
    return wnd->WindowProc(message, wParam, lParam);
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindow(CWnd::FromHandle(hwnd), message, wParam, lParam);
}

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!CWnd::IsWindow(hwnd))
        return false;
    registry().posted.push_back({hwnd, message, wParam, lParam});
    return true;
}

bool PumpOneMessage() {
    auto& posted = registry().posted;
    if (posted.empty())
        return false;
    MSG msg = posted.front();
    posted.pop_front();
    SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return true;
}

int PumpMessages() {
    int n = 0;
    while (PumpOneMessage())
        ++n;
    BroadcastToWindows(WM_IDLEUPDATECMDUI, TRUE);
    PaintInvalidWindows();
    return n;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam) {
    // By handle: a child may go away while it handles the message.
    std::vector<HWND> children;
    for (CWnd* child : m_children)
        children.push_back(child->m_hWnd);
    for (HWND hwnd : children) {
        if (CWnd* child = FromHandle(hwnd))
            child->SendMessage(message, wParam, lParam);
        if (CWnd* child = FromHandle(hwnd))
            child->SendMessageToDescendants(message, wParam, lParam);
    }
}

void BroadcastToWindows(UINT message, WPARAM wParam, LPARAM lParam) {
    for (CWnd* top : TopLevelWindows()) {
        HWND hwnd = top->m_hWnd;
        top->SendMessage(message, wParam, lParam);
        if (CWnd::IsWindow(hwnd))
            top->SendMessageToDescendants(message, wParam, lParam);
    }
}

void ClearMessageQueue() {
    registry().posted.clear();
}

namespace {
WindowChangeListener& changeListener() {
    static WindowChangeListener listener;
    return listener;
}
} // namespace

WindowChangeListener SetWindowChangeListener(WindowChangeListener listener) {
    return std::exchange(changeListener(), std::move(listener));
}

void NotifyWindowChanged() {
    if (changeListener())
        changeListener()();
}

UINT RegisterWindowMessageW(std::u16string_view name) {
    auto& messages = registry().registeredMessages;
    auto key = classKey(name);
    auto it = messages.find(key);
    if (it != messages.end())
        return it->second;
    UINT id = kFirstRegisteredMessage + UINT(messages.size());
    messages.emplace(key, id);
    return id;
}

void RegisterWindowClass(std::u16string_view className, WindowFactory factory) {
    registry().classes[classKey(className)] = std::move(factory);
}

std::unique_ptr<CWnd> MakeWindowOfClass(std::u16string_view className) {
    static const bool standard = (RegisterStandardClasses(), true);
    (void)standard;
    auto& classes = registry().classes;
    auto it = classes.find(classKey(className));
    return it == classes.end() ? nullptr : it->second();
}

CWnd* GetActiveWindow() {
    return CWnd::FromHandle(registry().active);
}

void SetActiveWindow(CWnd* wnd) {
    Registry& r = registry();
    CWnd* old = GetActiveWindow();
    HWND next = wnd ? wnd->GetTopLevelParent()->m_hWnd : nullptr;
    if (old && old->m_hWnd == next)
        return;
    if (next && CallHooks(WH_CBT, HCBT_ACTIVATE, WPARAM(next), 0))
        return; // an activation hook kept it from becoming active
    r.active = next;
    if (old)
        old->SendMessage(WM_ACTIVATE, 0, LPARAM(next));
    if (CWnd* now = CWnd::FromHandle(next))
        now->SendMessage(WM_ACTIVATE, 1, LPARAM(old ? old->m_hWnd : nullptr));
}

std::vector<CWnd*> TopLevelWindows() {
    std::vector<CWnd*> out;
    for (HWND hwnd : registry().topLevel)
        if (CWnd* wnd = CWnd::FromHandle(hwnd))
            out.push_back(wnd);
    return out;
}

} // namespace zn::ui
