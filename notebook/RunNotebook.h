// The exported entry that opens the notebook window for a sibling module.
#pragma once

#include <cstdint>

#include "module/Exports.h"
#include "notebook/NotebookDlg.h"

// What the opener gives and gets back: the function that receives transfers, its context
// word, and the last transferred text of a modal notebook with mode flag 0x20.
struct NotebookCallbackBlock {
    notebook::CNotebook::TransferFunction function = nullptr;
    std::uintptr_t context = 0;
    ZnsStringW text;
};

// With a parent and without flag 0x20 the window is modeless and the answer is whether it
// was made; otherwise the modal result. `file` null: the default notebook.
ZNS_EXPORT std::intptr_t RunNotebook(zn::ui::HWND parent, const ZnsStringW* file,
                                     std::uint32_t flags, NotebookCallbackBlock* callback);
