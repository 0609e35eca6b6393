// The system colours: the face, shadow, highlight, text and window colours controls draw
// with. A user (or a test) may change them; every window then hears WM_SYSCOLORCHANGE so
// that it can rebuild the pens and brushes it made from them.
#pragma once

#include "platform/ui/Types.h"

namespace zn::ui {

inline constexpr UINT WM_SYSCOLORCHANGE = 0x0015;

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

// The colour of `index`; black for an index the system does not have.
COLORREF GetSysColor(int index);
// Sets `count` colours at once and then tells every window; false (and nothing changed)
// when an index is unknown.
bool SetSysColors(int count, const int* indexes, const COLORREF* colors);

} // namespace zn::ui
