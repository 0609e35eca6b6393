// The notebook file (".ntb", tag "NBF20"): reading bytes into a NotebookImage and writing
// one out. Reading never half-succeeds: the result says why it stopped and where.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "notebook/NotebookImage.h"

namespace notebook {

enum class ReadStatus {
    Ok,
    NotNotebook,  // no "NBF" tag: perhaps an old notebook
    OtherVersion, // "NBF" with a version this reader does not know
    Truncated,    // the bytes end inside a record
    Damaged,      // a count or length no writer produces
};

struct NotebookReadResult {
    ReadStatus status = ReadStatus::Ok;
    std::size_t offset = 0; // where reading stopped for a bad status
    NotebookImage image;
    // Where the view-state block begins, so it can be rewritten in place.
    std::size_t viewStateOffset = 0;
    explicit operator bool() const { return status == ReadStatus::Ok; }
};

// Strings go through the system ANSI code page.
NotebookReadResult ReadNotebookFile(std::string_view bytes);

// Appends the file to `out`; returns the offset of its view-state block.
std::size_t WriteNotebookFile(const NotebookImage& image, std::string& out);
void WriteViewState(const ViewState& state, std::string& out);

} // namespace notebook
