// What the single-line text dialog edits and remembers between runs: the host text record
// and the dialog's own values, stored in the settings section "ZnDTextDlg".
#pragma once

#include <cstdint>

#include "host/SettingsSection.h"
#include "host/SingleLineText.h"

namespace dtext {

inline constexpr unsigned IDS_DEFAULT_TEXT = 57709;
inline constexpr unsigned IDS_SPACING_AT_LEAST = 57696;
inline constexpr unsigned IDS_SPACING_EXACTLY = 57697;

// Set in the record's flags when the stored text fields were read into it.
inline constexpr std::uint32_t kRecordTextFromSettings = 0x80000000u;

struct DTextState {
    ZnsDTextRecord record;
    std::int32_t color = 0xFF0000;
    ZnsStringW spacingType;
    double spacingFactor = 1.0;
    double measuredWidth = 0; // the distance of the two points of the last fitted pick
    bool fullMode = false;

    // The dialog's defaults: text "Text", spacing "At least" (in the installed language).
    static DTextState Defaults();

    // Reads what was stored; the text and its style only when `withText` (no existing
    // object is edited). Empty stored texts keep the values there are.
    void Load(const IZnSettingsSection& section, bool withText);
    void Store(IZnSettingsSection& section) const;
};

// The settings section of the dialog; null when the host has none.
ZnPtr<IZnSettingsSection> OpenDTextSettings();

} // namespace dtext
