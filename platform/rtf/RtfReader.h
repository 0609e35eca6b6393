// The tolerant RTF reader: groups on a state stack, unknown control words and `\*`
// destinations skipped, `\ucN`/`\uN` with their fallback characters, `\'hh` and raw bytes
// through the font's charset or the document's code page, `\binN` skipped, field results kept,
// list labels and the cells of nested tables read as the rich-edit control shows them, hidden
// destinations left out, anything after the final brace ignored.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/richedit/RichText.h"

namespace zn::rtf {

enum class ReadStatus {
    Ok,
    NotRtf,  // the bytes do not open with "{\rtf"
    Refused, // read, but the control's owner refused the edit of protected text
};

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    size_t offset = 0; // byte where reading stopped for a bad status
    explicit operator bool() const { return status == ReadStatus::Ok; }
};

struct ReadOptions {
    int ansiCodePage = 0; // code page when the document names none; 0: the system ANSI page
    // Face and pitch-and-family of text in a document that names no font.
    richedit::CharFormat defaultFormat;
};

ReadResult Read(std::string_view bytes, richedit::RichText& out, const ReadOptions& options = {});

} // namespace zn::rtf
