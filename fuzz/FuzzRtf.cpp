// libFuzzer entry point: the RTF reader.
#include "platform/richedit/RichText.h"
#include "platform/rtf/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zn::richedit::RichText text;
    zn::rtf::Read(std::string_view(reinterpret_cast<const char*>(data), size), text);
    return 0;
}
