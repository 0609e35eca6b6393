// libFuzzer entry point: the calculator's formula parser.
#include "calculator/FormulaParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFormulaParser parser;
    int position = 0;
    ZnsStringW message;
    ZnsStringW formula = zn::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    parser.Calculate(formula, 1.5, position, message, true);
    return 0;
}
