// libFuzzer entry point of the notebook file reader: whatever it accepts, it writes back
// in a form it reads to the same image.
#include <cstdint>
#include <string>

#include "notebook/NotebookFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    notebook::NotebookReadResult read =
        notebook::ReadNotebookFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read)
        return 0;
    std::string written, again;
    notebook::WriteNotebookFile(read.image, written);
    notebook::WriteNotebookFile(notebook::ReadNotebookFile(written).image, again);
    if (again != written)
        __builtin_trap();
    return 0;
}
