// The system colours controls paint with (button face, shadow, highlight, text, window,
// ...). They are process settings a GUI backend may replace from its theme; a change is
// announced to every window with WM_SYSCOLORCHANGE so cached pens and bitmaps are rebuilt.
#pragma once

#include "platform/ui/Types.h"

namespace zn::ui {

inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int kSystemColorCount = 31;

// The colour of `index`; black for an index the system does not have.
COLORREF GetSysColor(int index);
// Sets `count` colours and tells every window; false (and nothing changed) when an index
// is out of range.
bool SetSysColors(int count, const int* indexes, const COLORREF* colors);
// Back to the built-in scheme (a new session, a test).
void ResetSysColors();

} // namespace zn::ui
