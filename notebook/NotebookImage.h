// A notebook file as its reader finds it and its writer lays it out: the item tree with
// keys, state and images, the page records by item key, and the trailing view state. The
// notebook turns its tree into an image to save and applies an image it has read, so a
// file that fails to read leaves the tree untouched.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "notebook/NotebookPage.h"

namespace notebook {

struct NotebookFileItem {
    ZnsStringW text;
    std::int32_t key = 0;
    std::uint32_t state = 0;
    std::int32_t image = 0;
    std::int32_t selectedImage = 0;
    std::vector<NotebookFileItem> children;
};

struct ViewState {
    // Pre-order ordinals counted from 1 at the first top-level item; 0 selects nothing.
    std::int32_t selected = 0;
    std::vector<std::int32_t> expanded;
    // Absent in files that end before the History tag.
    std::optional<std::pair<NotebookPage, NotebookPage>> historyAndFindResult;
};

struct NotebookImage {
    // 0: the top-level items are the root's children, and a root is made on open.
    std::int32_t rootFlag = 1;
    std::vector<NotebookFileItem> items;
    std::vector<std::pair<std::int32_t, NotebookPage>> pages;
    ViewState viewState;
};

} // namespace notebook
