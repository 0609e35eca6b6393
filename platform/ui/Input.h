// User input as the window system receives it: key presses with modifiers, typed text,
// mouse clicks, drags and resizing by the user. Each goes through the targets'
// PreTranslateMessage chain (focused window up to its top-level window) before the
// target's window procedure, as a message loop delivers it. Agents and a GUI backend
// feed input through here.
#pragma once

#include "platform/ui/Window.h"

namespace zn::ui {

inline constexpr unsigned kModShift = 0x1;
inline constexpr unsigned kModCtrl = 0x2;
inline constexpr unsigned kModAlt = 0x4;

// Whether a key is held: negative when down (only the modifier keys are tracked).
short GetKeyState(int virtualKey);

// Before each mouse message the window under the pointer gets WM_SETCURSOR and may set
// its cursor (unanswered: the arrow); while the wait cursor is shown, it stays.

// Delivers one input message the way the message loop does; true when a PreTranslate
// handler consumed it.
bool DeliverInput(MSG msg);

// Key down (with the modifiers pressed around it, unless they are held), the character it
// types (none with Ctrl, so Ctrl+Enter types no paragraph), key up. The keyboard hooks see
// the press and the release first and may swallow them; the target is the focused window,
// or the active window when nothing has the focus.
void KeyPress(UINT virtualKey, unsigned modifiers = 0);
// The same for a key of a real keyboard, whose layout says what it types: `typed` goes as
// characters between key down and key up (none with Ctrl, as above).
void KeyPress(UINT virtualKey, unsigned modifiers, std::u16string_view typed);
// Keeps exactly `modifiers` held down between key presses: presses those not yet held and
// releases the others (key-down and key-up messages to the keyboard target). A user who
// holds Shift through several arrow keys sends one Shift key-down; 0 lets everything go. Key
// presses, typing, clicks and drags that do not name a held modifier release it first.
void HoldModifiers(unsigned modifiers);
// Characters to the focused window; CR or LF presses Enter, TAB presses Tab.
void TypeText(std::u16string_view text);

enum class MouseButton { Left, Right };
// Button down and up at `point` (client coordinates of `target`); a double click sends the
// second press as a double-click message. Mouse capture redirects the messages.
void Click(CWnd& target, CPoint point, MouseButton button = MouseButton::Left,
           bool doubleClick = false, unsigned modifiers = 0);
// Press at `from`, move to `to`, release there (client coordinates of `target`).
void Drag(CWnd& target, CPoint from, CPoint to);
// The pointer moves to `point` (client coordinates of `target`) with no button held.
void MoveMouse(CWnd& target, CPoint point);
// One press, release or move of a real pointer at `point` (client coordinates of `target`):
// `message` is a mouse message, `modifiers` the keys held and `buttons` the MK_ button bits.
void MouseEvent(CWnd& target, UINT message, CPoint point, unsigned modifiers, WPARAM buttons);
// Where the pointer is, in screen coordinates: where the last mouse input left it.
CPoint GetCursorPos();
// The user drags a top-level window's frame to `size`: the window's minimum tracking size
// (WM_GETMINMAXINFO) limits it.
void UserResize(CWnd& window, CSize size);

} // namespace zn::ui
