// Normalisation of a formula before parsing: blanks out, decimal commas and brackets to
// the parser's forms, the tidy-ups for formulas built by substitution (unit conversions),
// and redundant outer and doubled parentheses.
#include <vector>

#include "calculator/FormulaParser.h"

namespace {

struct Replacement {
    std::u16string_view from, to;
};

constexpr Replacement kReplacements[] = {
    {u",", u"."},         {u"[", u"("},           {u"]", u")"},           {u"{", u"("},
    {u"}", u")"},         {u"*(1)", u""},         {u"(1)*", u""},         {u"*(x)", u"*x"},
    {u"((x)*", u"(x*"},   {u"+(x)*", u"+x*"},     {u"-(x)*", u"-x*"},     {u"*(x)*", u"*x*"},
    {u"(sin(x))", u"sin(x)"}, {u"(cos(x))", u"cos(x)"}, {u"(cot(x))", u"cot(x)"},
    {u"(tan(x))", u"tan(x)"}, {u"(exp(x))", u"exp(x)"}, {u"(log(x))", u"log(x)"},
    {u"(ln(x))", u"ln(x)"},
};

// For each "(" the index of its ")", or npos when it has none.
std::vector<size_t> matchParentheses(const ZnsStringW& text) {
    std::vector<size_t> match(text.size(), ZnsStringW::npos);
    std::vector<size_t> open;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            open.push_back(i);
        } else if (text[i] == u')' && !open.empty()) {
            match[open.back()] = i;
            open.pop_back();
        }
    }
    return match;
}

void dropOuterParentheses(ZnsStringW& text) {
    if (text.empty() || text.front() != u'(' || text.back() != u')')
        return;
    const std::vector<size_t> match = matchParentheses(text);
    size_t first = 0, last = text.size() - 1;
    while (first < last && text[first] == u'(' && match[first] == last)
        ++first, --last;
    text = text.substr(first, last + 1 - first);
}

// Where "((" encloses a pair that closes right before the outer one, the outer pair is
// overwritten by "|" (positions stay put while scanning) and the markers go at the end.
void dropDoubledParentheses(ZnsStringW& text) {
    if (text.find(u"((") == ZnsStringW::npos)
        return;
    const std::vector<size_t> match = matchParentheses(text);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'(' || text[i + 1] != u'(')
            continue;
        const size_t outer = match[i], inner = match[i + 1];
        if (outer != ZnsStringW::npos && inner != ZnsStringW::npos && inner + 1 == outer) {
            text[i] = u'|';
            text[outer] = u'|';
        }
    }
    std::erase(text, u'|');
}

bool hasReplaceableCharacter(const ZnsStringW& text) {
    return text.find_first_of(u",[]{}(") != ZnsStringW::npos;
}

} // namespace

ZnsStringW CFormulaParser::Normalise(ZnsStringW text) {
    std::erase(text, u' ');
    if (hasReplaceableCharacter(text))
        for (const Replacement& r : kReplacements)
            zn::replaceAll(text, r.from, r.to);
    dropOuterParentheses(text);
    size_t lead = 0;
    while (lead < text.size() && (text[lead] == u'+' || text[lead] == u' '))
        ++lead;
    text.erase(0, lead);
    while (!text.empty() && zn::isWhite(text.back()))
        text.pop_back();
    dropDoubledParentheses(text);
    return text;
}
