// String ids of the texts the window system itself shows (validation messages, file
// dialog questions, colour names, file errors). They live in the resource module like
// every other text, so each language set carries them; "%1" and "%2" mark the inserted
// values.
#pragma once

#include <initializer_list>

#include "platform/text/ZnsString.h"
#include "platform/ui/Types.h"

namespace zn::ui {

inline constexpr UINT kIdsParseInt = 61712;
inline constexpr UINT kIdsParseReal = 61713;
inline constexpr UINT kIdsParseIntRange = 61714;
inline constexpr UINT kIdsParseRealRange = 61715;
inline constexpr UINT kIdsParseStringSize = 61716;
inline constexpr UINT kIdsFileNotFound = 61717;
inline constexpr UINT kIdsFileExists = 61718;
inline constexpr UINT kIdsColorBlack = 61720;
inline constexpr UINT kIdsColorWhite = kIdsColorBlack + 1;
inline constexpr UINT kIdsColorRed = kIdsColorWhite + 1;
inline constexpr UINT kIdsColorGreen = kIdsColorRed + 1;
inline constexpr UINT kIdsColorBlue = kIdsColorGreen + 1;
inline constexpr UINT kIdsColorYellow = kIdsColorBlue + 1;
inline constexpr UINT kIdsColorCyan = kIdsColorYellow + 1;
inline constexpr UINT kIdsColorMagenta = kIdsColorCyan + 1;
// The file-error box: "%1" is the file name, or the unnamed-file text when there is none.
inline constexpr UINT kIdsUnnamedFile = 61728;
inline constexpr UINT kIdsFileErrorGeneric = 61729;
inline constexpr UINT kIdsFileErrorNotFound = 61730;
inline constexpr UINT kIdsFileErrorBadPath = 61731;
inline constexpr UINT kIdsFileErrorTooManyOpen = 61732;
inline constexpr UINT kIdsFileErrorAccessDenied = 61733;
inline constexpr UINT kIdsFileErrorInvalidFile = 61734;
inline constexpr UINT kIdsFileErrorDirectoryFull = 61735;
inline constexpr UINT kIdsFileErrorBadSeek = 61736;
inline constexpr UINT kIdsFileErrorHardIO = 61737;
inline constexpr UINT kIdsFileErrorSharing = 61738;
inline constexpr UINT kIdsFileErrorLock = 61739;
inline constexpr UINT kIdsFileErrorDiskFull = 61740;
inline constexpr UINT kIdsFileErrorEndOfFile = 61741;
// The pickers of sibling modules as the desktop shows them: captions and field labels.
inline constexpr UINT kIdsPickRecord = 61744;
inline constexpr UINT kIdsPickMaterial = 61745;
inline constexpr UINT kIdsMaterialName = 61746;
inline constexpr UINT kIdsMaterialNumerator = 61747;
inline constexpr UINT kIdsMaterialDenominator = 61748;
inline constexpr UINT kIdsPickFit = 61749;
inline constexpr UINT kIdsFitUpper = 61750;
inline constexpr UINT kIdsFitLower = 61751;
inline constexpr UINT kIdsPickSymbol = 61752;
inline constexpr UINT kIdsSymbolText = 61753;

// Loads string `id` and puts `args` in place of %1, %2, ...
ZnsStringW FormatString(UINT id, std::initializer_list<std::u16string_view> args);

} // namespace zn::ui
