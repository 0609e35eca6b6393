#include "calculator/CalcKeyNames.h"

#include <utility>

namespace {

constexpr std::pair<std::string_view, CalcKey> kNames[] = {
    {",", CalcKey::Point},        {".", CalcKey::Point},      {"+/-", CalcKey::Sign},
    {"+", CalcKey::Add},          {"-", CalcKey::Subtract},   {"*", CalcKey::Multiply},
    {"/", CalcKey::Divide},       {"^", CalcKey::Power},      {"sqrt", CalcKey::Sqrt},
    {"1/x", CalcKey::Reciprocal}, {"exp", CalcKey::Exp},      {"sin", CalcKey::Sin},
    {"cos", CalcKey::Cos},        {"tan", CalcKey::Tan},      {"log", CalcKey::Log},
    {"ln", CalcKey::Ln},          {"pi", CalcKey::Pi},        {"(", CalcKey::Open},
    {")", CalcKey::Close},        {"=", CalcKey::Equals},     {"C", CalcKey::Clear},
    {"CE", CalcKey::ClearEntry},  {"BS", CalcKey::Backspace},
};

} // namespace

std::optional<CalcKey> CalcKeyFromName(std::string_view name) {
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9')
        return CalcKey(name[0] - '0');
    for (const auto& [text, key] : kNames)
        if (text == name)
            return key;
    return std::nullopt;
}

std::string_view CalcKeyNameList() {
    return "0-9 , . +/- + - * / ^ sqrt 1/x exp sin cos tan log ln pi ( ) = C CE BS";
}
