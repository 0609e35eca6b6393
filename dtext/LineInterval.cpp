#include "dtext/LineInterval.h"

#include <cmath>

#include "resources/StringTable.h"

namespace dtext {

namespace {

constexpr unsigned IDS_INTERVAL_SINGLE = 57698;

struct NamedInterval {
    unsigned stringId;
    double factor;
};
constexpr NamedInterval kNamedIntervals[] = {
    {IDS_INTERVAL_SINGLE, 1.0}, {IDS_INTERVAL_SINGLE + 1, 1.5}, {IDS_INTERVAL_SINGLE + 2, 2.0}};

double roundTo(double value, double step) {
    return std::round(value / step) * step;
}

// A number that ends in "x" (blanks allowed before the x) is a factor.
std::optional<double> parseFactor(ZnsStringW text) {
    text = zn::trim(text);
    if (text.empty() || (text.back() != u'x' && text.back() != u'X'))
        return std::nullopt;
    text.pop_back();
    return ParseDecimal(text);
}

} // namespace

std::optional<double> ParseDecimal(const ZnsStringW& text) {
    std::string narrow = zn::toUtf8(zn::trim(text));
    if (narrow.empty())
        return std::nullopt;
    size_t consumed = 0;
    double value = zn::parseDoubleC(narrow, &consumed);
    if (consumed != narrow.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

ZnsStringW FormatLineInterval(double factor) {
    for (const NamedInterval& named : kNamedIntervals)
        if (factor == named.factor)
            return res::LoadStringW(named.stringId);
    return zn::format("%g(%gx)", roundTo(factor * kIntervalPerFactor, 0.00001),
                      roundTo(factor, 0.01));
}

std::optional<double> ParseLineInterval(const ZnsStringW& text) {
    ZnsStringW trimmed = zn::trim(text);
    for (const NamedInterval& named : kNamedIntervals)
        if (zn::equalsNoCase(trimmed, res::LoadStringW(named.stringId)))
            return named.factor;
    // "0.4(1.2x)": the factor in the parentheses says it exactly.
    size_t open = trimmed.find(u'(');
    if (open != ZnsStringW::npos && trimmed.back() == u')' && ParseDecimal(trimmed.substr(0, open)))
        return parseFactor(trimmed.substr(open + 1, trimmed.size() - open - 2));
    if (auto factor = parseFactor(trimmed))
        return factor;
    if (auto distance = ParseDecimal(trimmed))
        return *distance / kIntervalPerFactor;
    return std::nullopt;
}

} // namespace dtext
