// libFuzzer entry point: the XPM picture reader.
#include "platform/ui/XpmReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zn::ui::XpmImage image;
    zn::ui::ReadXpm(std::string_view(reinterpret_cast<const char*>(data), size), image);
    return 0;
}
