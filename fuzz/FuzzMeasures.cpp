// libFuzzer entry point: the calculator's measure document.
#include "calculator/MeasureSystems.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMeasureSystems measures(zn::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size)));
    measures.BuildMenu();
    return 0;
}
