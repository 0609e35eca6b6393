// Cursor handles, the current cursor and the wait-cursor count.
#include "platform/ui/Cursor.h"

#include <map>

#include "platform/ui/Resources.h"

namespace zn::ui {

namespace {

const UINT kStandardIds[] = {IDC_ARROW,    IDC_IBEAM,    IDC_WAIT,   IDC_CROSS,
                             IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS,
                             IDC_SIZEALL,  IDC_NO,       IDC_HAND,   IDC_APPSTARTING};

const std::map<UINT, CursorShape>& standardCursors() {
    static const std::map<UINT, CursorShape> cursors = [] {
        std::map<UINT, CursorShape> m;
        for (UINT id : kStandardIds)
            m[id] = CursorShape{id, true, std::nullopt};
        return m;
    }();
    return cursors;
}

// Module cursors stay for the life of the process, so their handles stay valid.
std::map<std::pair<const ResourceModule*, UINT>, CursorShape>& moduleCursors() {
    static std::map<std::pair<const ResourceModule*, UINT>, CursorShape> cursors;
    return cursors;
}

HCURSOR g_current = LoadStandardCursor(IDC_ARROW);
int g_waitCount = 0;
HCURSOR g_beforeWait = nullptr;

} // namespace

HCURSOR LoadStandardCursor(UINT idc) {
    auto it = standardCursors().find(idc);
    return it == standardCursors().end() ? nullptr : &it->second;
}

HCURSOR LoadCursorW(const ResourceModule* module, UINT id) {
    if (!module)
        return LoadStandardCursor(id);
    auto key = std::make_pair(module, id);
    auto& loaded = moduleCursors();
    if (auto it = loaded.find(key); it != loaded.end())
        return &it->second;
    const CursorImage* picture = module->FindCursor(id);
    if (!picture)
        return nullptr;
    return &loaded.emplace(key, CursorShape{id, false, *picture}).first->second;
}

HCURSOR AfxLoadCursor(UINT id) {
    const ResourceModule* module = AfxGetResourceHandle();
    return module ? LoadCursorW(module, id) : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = g_current;
    g_current = cursor;
    return previous;
}

HCURSOR GetCursor() {
    return g_current;
}

void BeginWaitCursor() {
    HCURSOR shown = SetCursor(LoadStandardCursor(IDC_WAIT));
    if (g_waitCount++ == 0)
        g_beforeWait = shown;
}

void EndWaitCursor() {
    if (g_waitCount == 0)
        return;
    if (--g_waitCount == 0)
        SetCursor(g_beforeWait);
}

void RestoreWaitCursor() {
    if (g_waitCount > 0)
        SetCursor(LoadStandardCursor(IDC_WAIT));
}

bool IsWaitCursorShown() {
    return g_waitCount > 0;
}

} // namespace zn::ui
