// Delivery of user input through the PreTranslateMessage chain to the target window.
#include "platform/ui/Input.h"

#include <algorithm>

#include "platform/ui/Cursor.h"
#include "platform/ui/Hooks.h"

namespace zn::ui {

namespace {

unsigned g_modifiers = 0;
unsigned g_held = 0; // held between key presses (HoldModifiers)
CPoint g_pointer;

CWnd* keyboardTarget() {
    if (CWnd* focus = CWnd::GetFocus())
        return focus;
    return GetActiveWindow();
}

// The character a key types, when it types one.
char16_t characterOf(UINT key, unsigned modifiers) {
    if (key == VK_RETURN)
        return (modifiers & kModCtrl) ? 0 : u'\r';
    if (key == VK_BACK)
        return 0x08;
    if (key == VK_TAB && !(modifiers & kModCtrl))
        return u'\t';
    if (key == VK_ESCAPE)
        return 0x1B;
    if (key >= 'A' && key <= 'Z' && (modifiers & kModCtrl) && !(modifiers & kModAlt))
        return char16_t(key - 'A' + 1);
    return 0;
}

WPARAM mouseKeys(MouseButton button, unsigned modifiers, bool down) {
    WPARAM keys = down ? (button == MouseButton::Left ? MK_LBUTTON : MK_RBUTTON) : 0;
    if (modifiers & kModShift)
        keys |= MK_SHIFT;
    if (modifiers & kModCtrl)
        keys |= MK_CONTROL;
    return keys;
}

// The pointer is at `screen`; the window under it (or the one that captured the mouse)
// gets the message in its own client coordinates.
void mouseMessage(CWnd& target, UINT message, WPARAM keys, CPoint screen) {
    g_pointer = screen;
    CWnd* receiver = CWnd::GetCapture();
    if (!receiver) {
        receiver = &target;
        // The window under the pointer chooses the cursor first; unanswered, the arrow.
        // A running wait keeps its cursor, as the framework's set-cursor handling does.
        if (IsWaitCursorShown())
            RestoreWaitCursor();
        else if (!receiver->SendMessage(WM_SETCURSOR, WPARAM(receiver->m_hWnd),
                                        MAKELPARAM(int(HTCLIENT), int(message))))
            SetCursor(LoadStandardCursor(IDC_ARROW));
        if (!CWnd::IsWindow(target.m_hWnd))
            return;
    }
    // A press in another top-level window makes it the active one, as a click on it does.
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        HWND hwnd = receiver->m_hWnd;
        CWnd* top = receiver->GetTopLevelParent();
        if (top != GetActiveWindow() && top->IsWindowEnabled())
            SetActiveWindow(top);
        if (!CWnd::IsWindow(hwnd))
            return;
    }
    CPoint point = receiver->ScreenToClient(screen);
    DeliverInput({receiver->m_hWnd, message, keys, MAKELPARAM(point.x, point.y)});
}

void pressModifiers(unsigned modifiers, bool down) {
    const std::pair<unsigned, UINT> keys[] = {
        {kModCtrl, VK_CONTROL}, {kModShift, VK_SHIFT}, {kModAlt, VK_MENU}};
    for (auto [bit, key] : keys) {
        if (!(modifiers & bit))
            continue;
        if (down)
            g_modifiers |= bit;
        if (CWnd* target = keyboardTarget())
            DeliverInput({target->m_hWnd, down ? WM_KEYDOWN : WM_KEYUP, key, 0});
        if (!down)
            g_modifiers &= ~bit;
    }
}

} // namespace

short GetKeyState(int virtualKey) {
    unsigned bit = virtualKey == int(VK_SHIFT)     ? kModShift
                   : virtualKey == int(VK_CONTROL) ? kModCtrl
                   : virtualKey == int(VK_MENU)    ? kModAlt
                                                   : 0;
    return (g_modifiers & bit) ? short(-128) : short(0);
}

bool DeliverInput(MSG msg) {
    CWnd* target = CWnd::FromHandle(msg.hwnd);
    if (!target)
        return false;
    std::vector<HWND> chain;
    for (CWnd* w = target; w; w = w->GetParent())
        chain.push_back(w->m_hWnd);
    for (HWND hwnd : chain) {
        CWnd* w = CWnd::FromHandle(hwnd);
        if (w && w->PreTranslateMessage(msg))
            return true;
    }
    SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return false;
}

void HoldModifiers(unsigned modifiers) {
    pressModifiers(g_held & ~modifiers, false);
    pressModifiers(modifiers & ~g_held, true);
    g_held = modifiers;
}

namespace {
// Input that does not name a held modifier comes after the user let it go.
void releaseHeldBeyond(unsigned modifiers) {
    if (g_held & ~modifiers)
        HoldModifiers(g_held & modifiers);
}
} // namespace

void KeyPress(UINT virtualKey, unsigned modifiers) {
    KeyPress(virtualKey, modifiers, {});
}

void KeyPress(UINT virtualKey, unsigned modifiers, std::u16string_view typed) {
    releaseHeldBeyond(modifiers);
    const unsigned pressed = modifiers & ~g_held;
    pressModifiers(pressed, true);
    if (CallHooks(WH_KEYBOARD, HC_ACTION, virtualKey, 1)) {
        CallHooks(WH_KEYBOARD, HC_ACTION, virtualKey, 1 | kKeyReleased);
    } else if (CWnd* target = keyboardTarget()) {
        bool consumed = DeliverInput({target->m_hWnd, WM_KEYDOWN, virtualKey, 1});
        char16_t ch = characterOf(virtualKey, modifiers);
        std::u16string_view characters(&ch, ch ? 1 : 0);
        if (!typed.empty() && !(modifiers & kModCtrl))
            characters = typed;
        if (!consumed)
            for (char16_t c : characters)
                if (CWnd* now = keyboardTarget())
                    DeliverInput({now->m_hWnd, WM_CHAR, c, 1});
        if (!CallHooks(WH_KEYBOARD, HC_ACTION, virtualKey, 1 | kKeyReleased))
            if (CWnd* now = keyboardTarget())
                DeliverInput({now->m_hWnd, WM_KEYUP, virtualKey, 1});
    }
    pressModifiers(pressed, false);
}

void TypeText(std::u16string_view text) {
    releaseHeldBeyond(0);
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t ch = text[i];
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            KeyPress(VK_RETURN);
        } else if (ch == u'\t') {
            KeyPress(VK_TAB);
        } else if (CWnd* target = keyboardTarget()) {
            DeliverInput({target->m_hWnd, WM_CHAR, ch, 1});
        }
    }
}

void Click(CWnd& target, CPoint clientPoint, MouseButton button, bool doubleClick,
           unsigned modifiers) {
    releaseHeldBeyond(modifiers);
    HWND hwnd = target.m_hWnd;
    CPoint point = target.ClientToScreen(clientPoint);
    UINT down = button == MouseButton::Left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
    UINT up = button == MouseButton::Left ? WM_LBUTTONUP : WM_RBUTTONUP;
    g_modifiers |= modifiers;
    mouseMessage(target, down, mouseKeys(button, modifiers, true), point);
    if (CWnd::IsWindow(hwnd))
        mouseMessage(target, up, mouseKeys(button, modifiers, false), point);
    if (doubleClick && CWnd::IsWindow(hwnd)) {
        mouseMessage(target, button == MouseButton::Left ? WM_LBUTTONDBLCLK : down,
                     mouseKeys(button, modifiers, true), point);
        if (CWnd::IsWindow(hwnd))
            mouseMessage(target, up, mouseKeys(button, modifiers, false), point);
    }
    g_modifiers &= ~modifiers;
}

void Drag(CWnd& target, CPoint clientFrom, CPoint clientTo) {
    releaseHeldBeyond(0);
    HWND hwnd = target.m_hWnd;
    CPoint from = target.ClientToScreen(clientFrom), to = target.ClientToScreen(clientTo);
    mouseMessage(target, WM_LBUTTONDOWN, MK_LBUTTON, from);
    // Two moves: a drag starts once the pointer leaves the press point, then arrives.
    CPoint middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    for (CPoint p : {middle, to})
        if (CWnd::IsWindow(hwnd))
            mouseMessage(target, WM_MOUSEMOVE, MK_LBUTTON, p);
    if (CWnd::IsWindow(hwnd))
        mouseMessage(target, WM_LBUTTONUP, 0, to);
}

void MoveMouse(CWnd& target, CPoint clientPoint) {
    mouseMessage(target, WM_MOUSEMOVE, 0, target.ClientToScreen(clientPoint));
}

void MouseEvent(CWnd& target, UINT message, CPoint point, unsigned modifiers, WPARAM buttons) {
    const unsigned before = g_modifiers;
    g_modifiers |= modifiers;
    WPARAM keys = buttons;
    if (modifiers & kModShift)
        keys |= MK_SHIFT;
    if (modifiers & kModCtrl)
        keys |= MK_CONTROL;
    mouseMessage(target, message, keys, target.ClientToScreen(point));
    g_modifiers = before;
}

CPoint GetCursorPos() {
    return g_pointer;
}

void UserResize(CWnd& window, CSize size) {
    MINMAXINFO info{};
    info.ptMaxTrackSize = {1 << 15, 1 << 15};
    window.SendMessage(WM_GETMINMAXINFO, 0, LPARAM(&info));
    size.cx = std::clamp(size.cx, info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
    size.cy = std::clamp(size.cy, info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
    CRect rect = window.GetRectInParent();
    window.MoveWindow(rect.left, rect.top, size.cx, size.cy);
    window.SendMessage(WM_EXITSIZEMOVE);
}

} // namespace zn::ui
