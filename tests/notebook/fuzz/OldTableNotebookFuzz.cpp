// libFuzzer entry point of the old table notebook reader.
#include <cstdint>
#include <string_view>

#include "notebook/OldNotebooks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    notebook::ReadOldTableNotebook(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
