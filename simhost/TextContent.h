// The visible paragraphs of a text as the host receives it: plain text (CR or LF between
// paragraphs), the host's multiline-text codes ("\P" between paragraphs, formatting codes
// that change how, not what, is shown) or RTF (hidden text left out).
#pragma once

#include <optional>
#include <vector>

#include "host/GeometrySink.h"

namespace simhost {

// Nullopt for content that is not of its kind (RTF that is not RTF).
std::optional<std::vector<ZnsStringW>> VisibleParagraphs(std::u16string_view content,
                                                         ZnsContentKind kind);

// The host's multiline-text codes reduced to what is shown, paragraphs separated by LF.
ZnsStringW HostMTextToPlain(std::u16string_view text);

} // namespace simhost
