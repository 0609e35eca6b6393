// Thread hooks: a keyboard hook sees every key press and release before the focused
// window does (and may swallow it), an activation hook hears which window is about to
// become active (and may prevent it). Hooks are called newest first; each passes the
// event on with CallNextHookEx.
#pragma once

#include <functional>

#include "platform/ui/Types.h"

namespace zn::ui {

inline constexpr int WH_KEYBOARD = 2;
inline constexpr int WH_CBT = 5;
inline constexpr int HC_ACTION = 0;
inline constexpr int HCBT_ACTIVATE = 5;
// Bit 31 of a keyboard hook's LPARAM: the key is being released.
inline constexpr LPARAM kKeyReleased = LPARAM(1) << 31;

struct HHOOK__;
using HHOOK = HHOOK__*;
// (code, wParam, lParam) -> nonzero to swallow the key or prevent the activation.
using HOOKPROC = std::function<LRESULT(int code, WPARAM wParam, LPARAM lParam)>;

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc);
bool UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

// Runs the hooks of a kind, newest first: the answer of the chain.
LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam);

} // namespace zn::ui
