// The text converter of the formatted edit control: puts host formatted text (the host's
// multiline-text codes) into the control as formatted control text, and inserts links to
// drawing objects as link fields.
#pragma once

#include <string_view>

namespace zn::ui {

// Link-field flag of a link to a view, profile or section.
inline constexpr unsigned kLinkFlagView = 8192;

class IZnTextConverter {
public:
    virtual ~IZnTextConverter() = default;
    // Inserts `hostText` in place of the selection: "\P" paragraph breaks, "\S a^b;" raised a
    // over lowered b, "\S a/b;" the same with a bar between, "%%c", "%%d", "%%p" symbols,
    // "\\", "\{", "\}" and "\~" as characters; other codes are dropped. False when nothing
    // could be inserted (read-only or protected text).
    virtual bool InsertFormattedText(std::u16string_view hostText) = 0;
    // Inserts `text` as a link field to `object` (a host object the caller keeps alive).
    virtual bool InsertObjectLink(const void* object, std::u16string_view text, unsigned flags) = 0;
};

} // namespace zn::ui
