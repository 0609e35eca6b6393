// Mouse cursors: handles for the system's standard cursors and for cursors a resource
// module carries (picture with hot spot), the process's current cursor, and the wait
// cursor that long operations show in the framework's manner (counted, restoring what was
// shown before on every way out).
#pragma once

#include <optional>

#include "platform/ui/PixelImage.h"

namespace zn::ui {

class ResourceModule;

// A cursor picture as a resource module keeps it.
struct CursorImage {
    PixelImage image;
    CPoint hotSpot;
};

// What a handle stands for: a standard cursor by its IDC_ number (drawn by whoever
// renders), or a module cursor with its own picture.
struct CursorShape {
    UINT id = 0;
    bool standard = true;
    std::optional<CursorImage> picture; // module cursors only
};
using HCURSOR = const CursorShape*;

// Standard cursors.
inline constexpr UINT IDC_ARROW = 32512;
inline constexpr UINT IDC_IBEAM = 32513;
inline constexpr UINT IDC_WAIT = 32514;
inline constexpr UINT IDC_CROSS = 32515;
inline constexpr UINT IDC_SIZENWSE = 32642;
inline constexpr UINT IDC_SIZENESW = 32643;
inline constexpr UINT IDC_SIZEWE = 32644;
inline constexpr UINT IDC_SIZENS = 32645;
inline constexpr UINT IDC_SIZEALL = 32646;
inline constexpr UINT IDC_NO = 32648;
inline constexpr UINT IDC_HAND = 32649;
inline constexpr UINT IDC_APPSTARTING = 32650;

// The standard cursor `idc`; null for a number that is not one.
HCURSOR LoadStandardCursor(UINT idc);
// Cursor `id` of `module` (null `module`: the standard cursors). A cursor is loaded once
// per process: the same module and id give the same handle. Null when there is none.
HCURSOR LoadCursorW(const ResourceModule* module, UINT id);
// Cursor `id` of the installed resource module.
HCURSOR AfxLoadCursor(UINT id);

// The cursor shown now (the arrow at start); SetCursor answers the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// The wait cursor is counted: the first Begin remembers the cursor shown, the last End
// shows it again. Restore shows the wait cursor again after something changed it while
// waiting (a message box, a set-cursor answer).
void BeginWaitCursor();
void EndWaitCursor();
void RestoreWaitCursor();
bool IsWaitCursorShown();

// Shows the wait cursor for the life of the scope.
class CWaitCursor {
public:
    CWaitCursor() { BeginWaitCursor(); }
    ~CWaitCursor() { EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore() { RestoreWaitCursor(); }
};

} // namespace zn::ui
