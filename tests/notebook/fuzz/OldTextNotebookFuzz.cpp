// libFuzzer entry point of the old text notebook reader.
#include <cstdint>
#include <string_view>

#include "notebook/OldNotebooks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<ZnsStringW> headers{
        u"Reqpad DataBase file. // Don't change data manually!."};
    notebook::ReadOldTextNotebook(std::string_view(reinterpret_cast<const char*>(data), size),
                                  headers);
    return 0;
}
