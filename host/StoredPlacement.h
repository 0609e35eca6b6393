// A window's place and show state kept in a settings section under the window's key.
#pragma once

#include "host/SettingsSection.h"

namespace zn::ui {
class CWnd;
}

// Puts `window` where the section says it was, when the section holds a placement at `key`.
void RestoreStoredPlacement(const IZnSettingsSection& section, const ZnsStringW& key,
                            zn::ui::CWnd& window);
// Keeps `window`'s normal rectangle and show state at `key`.
void StorePlacement(IZnSettingsSection& section, const ZnsStringW& key, const zn::ui::CWnd& window);
