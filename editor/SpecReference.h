// A specification reference as it stands in the control's text: the hidden opening tag
// `<spcref id="N">`, the visible text, the hidden closing tag "</spcref>". Finding them in a
// text and writing them into a control.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/richedit/RichEditModel.h"
#include "platform/text/ZnsString.h"

namespace editor {

inline constexpr std::u16string_view kReferenceOpening = u"<spcref id=\"";
inline constexpr std::u16string_view kReferenceClosing = u"</spcref>";

// Effects of the tags and of the visible text.
inline constexpr std::uint32_t kReferenceTagEffects = zn::richedit::CFE_HIDDEN |
                                                      zn::richedit::CFE_EMBOSS |
                                                      zn::richedit::CFE_IMPRINT |
                                                      zn::richedit::CFE_LINK;
inline constexpr std::uint32_t kReferenceTextEffects =
    zn::richedit::CFE_IMPRINT | zn::richedit::CFE_LINK;

struct ReferenceSpan {
    int start = 0;     // the opening tag's "<"
    int textStart = 0; // behind the opening tag's ">"
    int textEnd = 0;   // the closing tag's "<"
    int end = 0;       // behind the closing tag
    std::int32_t id = 0;
};

// `<spcref id="N">`
ZnsStringW ReferenceOpeningTag(std::int32_t recordId);

// The reference whose opening tag starts at `start`, when a whole one does; the id is the
// decimal number in the ten characters behind `<spcref id="` (0 when there is none).
std::optional<ReferenceSpan> ReferenceStartingAt(std::u16string_view text, int start);
// Every reference of the text, in text order.
std::vector<ReferenceSpan> FindReferences(std::u16string_view text);
// The reference that `position` lies strictly inside (after its start, before its end).
std::optional<ReferenceSpan> ReferenceAround(std::u16string_view text, int position);

// Writes a reference at the model's caret, replacing the selection; the caret ends up
// behind the closing tag. Returns false when the control refused the text.
bool WriteReference(zn::richedit::RichEditModel& edit, std::int32_t recordId,
                    std::u16string_view text);

} // namespace editor
