// The hook chains.
#include "platform/ui/Hooks.h"

#include <algorithm>
#include <vector>

namespace zn::ui {

namespace {

struct Hook {
    HHOOK handle;
    int kind;
    HOOKPROC proc;
};

std::vector<Hook>& hooks() {
    static std::vector<Hook> list;
    return list;
}

std::uintptr_t g_nextHook = 0;

// The hook of the same kind installed before `hook` (the next to call), or none.
const Hook* nextAfter(HHOOK hook) {
    auto& list = hooks();
    auto it =
        std::find_if(list.begin(), list.end(), [hook](const Hook& h) { return h.handle == hook; });
    if (it == list.end())
        return nullptr;
    int kind = it->kind;
    while (it != list.begin()) {
        --it;
        if (it->kind == kind)
            return &*it;
    }
    return nullptr;
}

} // namespace

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc) {
    if (!proc || (idHook != WH_KEYBOARD && idHook != WH_CBT))
        return nullptr;
    HHOOK handle = reinterpret_cast<HHOOK>(++g_nextHook);
    hooks().push_back({handle, idHook, std::move(proc)});
    return handle;
}

bool UnhookWindowsHookEx(HHOOK hook) {
    auto& list = hooks();
    auto it =
        std::find_if(list.begin(), list.end(), [hook](const Hook& h) { return h.handle == hook; });
    if (it == list.end())
        return false;
    list.erase(it);
    return true;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    const Hook* next = nextAfter(hook);
    if (!next)
        return 0;
    HOOKPROC proc = next->proc; // the hook may unhook itself while it runs
    return proc(code, wParam, lParam);
}

LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam) {
    auto& list = hooks();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->kind == idHook) {
            HOOKPROC proc = it->proc;
            return proc(code, wParam, lParam);
        }
    return 0;
}

} // namespace zn::ui
