// Recursive-descent evaluation over single-character tokens. Precedence, lowest first:
// + -, * /, ^ (left-associative), unary minus, factor. Unary minus binds tighter than
// "^", so -2^2 is 4, and a function takes a factor as its argument, so SIN X^2 is
// (SIN X)^2.
#include "calculator/FormulaParser.h"

#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "platform/ui/MessageBox.h"

namespace {

constexpr int kEndToken = -1;
constexpr double kPi = 3.141592653589793;
// The smallest normal single-precision value: X is never exactly zero.
constexpr double kTinyX = 1.1754943508222875e-38;
// Deeper nesting than any hand-typed formula; beyond it the stack would be at risk.
constexpr int kMaxDepth = 2000;

enum NameIndex {
    kPI = 1, kABS, kSQRT, kSINH, kCOSH, kTANH, kARCTAN, kLN, kLOG, kEXP, kSIN, kCOS, kTAN, kCOT,
    kARCSIN, kARCCOS, kINT, kRAD, kDEG, kSIGN, kARSINH, kARCOSH, kARTANH, kKGV, kGGT,
    kFirstConstant
};

constexpr int kMaxConstantNames = 99;

struct NameTable {
    std::array<std::u16string_view, kFirstConstant + kMaxConstantNames> names{};
    std::array<char16_t, kFirstConstant + kMaxConstantNames> firstUpper{};
    int count = 0;

    NameTable() {
        constexpr std::u16string_view functions[] = {
            u"", u"PI", u"ABS", u"SQRT", u"SINH", u"COSH", u"TANH", u"ARCTAN", u"LN", u"LOG",
            u"EXP", u"SIN", u"COS", u"TAN", u"COT", u"ARCSIN", u"ARCCOS", u"INT", u"RAD",
            u"DEG", u"SIGN", u"ARSINH", u"ARCOSH", u"ARTANH", u"KGV", u"GGT"};
        for (std::u16string_view name : functions)
            names[size_t(count++)] = name;
        CPhysConst constants;
        for (int i = 1; i <= kMaxConstantNames; ++i) {
            std::u16string_view name = constants.GetName(i);
            if (name == CPhysConst::kTerminator)
                break;
            names[size_t(count++)] = name;
        }
        for (int i = 1; i < count; ++i)
            firstUpper[size_t(i)] = zn::asciiUpper(names[size_t(i)][0]);
    }
};

const NameTable& nameTable() {
    static const NameTable table;
    return table;
}

// The x86 conversion answers out-of-range and not-a-number inputs with the "integer
// indefinite" value; the power rule and INT rely on that answer.
int32_t truncToInt32(double v) {
    if (!(v > double(INT32_MIN) - 1.0 && v < double(INT32_MAX) + 1.0))
        return INT32_MIN;
    return int32_t(v);
}

struct NestingTooDeep : std::runtime_error {
    NestingTooDeep() : std::runtime_error("Expression nested too deeply") {}
};

struct DepthGuard {
    explicit DepthGuard(int& depth) : m_depth(depth) {
        if (++m_depth > kMaxDepth)
            throw NestingTooDeep();
    }
    ~DepthGuard() { --m_depth; }
    int& m_depth;
};

} // namespace

const std::u16string_view* CFormulaParser::Names() { return nameTable().names.data(); }
int CFormulaParser::NameCount() { return nameTable().count; }

CFormulaParser::CFormulaParser() = default;

int CFormulaParser::SetFunctConst(int index, double value) {
    if (index < 1 || index > 9) {
        zn::ui::MessageBoxW(nullptr, u"ProgrammError in SetFunctConst()", u"", zn::ui::MB_OK);
        return index;
    }
    m_constSlots[index] = value;
    return index;
}

double CFormulaParser::Calculate(ZnsStringW formula, double x, int& errorPosition,
                                 ZnsStringW& errorMessage, bool normalise) {
    if (formula.empty())
        return 0.0;
    m_errorText.clear();
    try {
        m_formula = normalise ? Normalise(std::move(formula)) : std::move(formula);
        m_xValue = x == 0.0 ? kTinyX : x;
        m_position = 0;
        m_depth = 0;
        ReadToken();
        double value = Sum();
        if (m_token == kEndToken) {
            errorPosition = 0;
            errorMessage = m_errorText;
        } else {
            errorPosition = m_position;
            errorMessage = zn::format("Error found on position %d!", m_position) + m_errorText;
        }
        return value;
    } catch (const std::exception& e) {
        std::string what = e.what();
        if (what.size() > 255)
            what.resize(255);
        errorMessage = u"System Error: " + zn::fromUtf8(what);
        return 0.0;
    }
}

int CFormulaParser::ReadToken() {
    const int size = int(m_formula.size());
    do {
        ++m_position;
        m_token = m_position <= size ? int(m_formula[size_t(m_position - 1)]) : kEndToken;
    } while (m_token == u' ');
    return m_token;
}

double CFormulaParser::Sum() {
    DepthGuard guard(m_depth);
    double value = Product();
    while (m_token == u'+' || m_token == u'-') {
        int op = m_token;
        ReadToken();
        double rhs = Product();
        value = op == u'+' ? value + rhs : value - rhs;
    }
    return value;
}

double CFormulaParser::Product() {
    double value = Power();
    while (m_token == u'*' || m_token == u'/') {
        int op = m_token;
        ReadToken();
        double rhs = Power();
        if (op == u'*')
            value *= rhs;
        else if (rhs == 0.0)
            m_errorText = u" Divide by zero!";
        else
            value /= rhs;
    }
    return value;
}

double CFormulaParser::Power() {
    double base = Signed();
    while (m_token == u'^') {
        ReadToken();
        double exponent = Signed();
        if (base <= 0.0 &&
            (std::fabs(exponent) <= 1.0 || double(truncToInt32(exponent)) != exponent))
            m_errorText = u" No SQRT from neg. values!";
        else
            base = std::pow(base, exponent);
    }
    return base;
}

double CFormulaParser::Signed() {
    if (m_token == u'-') {
        ReadToken();
        return -1.0 * Factor();
    }
    return Factor();
}

double CFormulaParser::Factor() {
    DepthGuard guard(m_depth);
    if (m_token == kEndToken)
        return 0.0;
    if ((m_token >= u'0' && m_token <= u'9') || m_token == u'.')
        return Number();
    if (m_token == u'(') {
        ReadToken();
        double value = Sum();
        if (m_token == u')') // a missing ")" is forgiven
            ReadToken();
        return value;
    }
    const char16_t upper = zn::asciiUpper(char16_t(m_token));
    if (upper == u'X') {
        ReadToken();
        return m_xValue;
    }
    if (int nameIndex = FindName())
        return NamedFactor(nameIndex);
    if (upper >= u'A' && upper <= u'H') {
        ReadToken();
        return m_constSlots[upper - u'A' + 1];
    }
    return 0.0; // nothing consumed: the caller stops at this token
}

double CFormulaParser::Number() {
    const int start = m_position;
    while ((m_token >= u'0' && m_token <= u'9') || m_token == u'.')
        ReadToken();
    // The text runs up to the current token and may hold blanks the scanner skipped; the
    // C conversion stops at the first of them, and at a second point.
    std::string digits; // short literals stay in the small-string buffer
    for (int i = start; i < m_position; ++i) {
        char16_t ch = m_formula[size_t(i - 1)];
        if (!((ch >= u'0' && ch <= u'9') || ch == u'.'))
            break;
        digits += char(ch);
    }
    double value = 0.0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) // the C conversion saturates instead
        value = zn::parseDoubleC(digits);
    return value;
}

int CFormulaParser::FindName() const {
    const NameTable& table = nameTable();
    const char16_t first = zn::asciiUpper(char16_t(m_token));
    const std::u16string_view rest = std::u16string_view(m_formula).substr(size_t(m_position - 1));
    for (int i = 1; i < table.count; ++i) {
        if (table.firstUpper[size_t(i)] != first)
            continue;
        std::u16string_view name = table.names[size_t(i)];
        if (rest.size() >= name.size() && zn::equalsNoCaseAscii(rest.substr(0, name.size()), name))
            return i;
    }
    return 0;
}

double CFormulaParser::NamedFactor(int nameIndex) {
    const std::u16string_view name = nameTable().names[size_t(nameIndex)];
    m_position += int(name.size()) - 1;
    ReadToken();
    const double argument = Factor();
    bool domainError = false;
    double value = ApplyFunction(nameIndex, argument, domainError);
    if (domainError) {
        m_errorText = u" General Parser Error blocked!";
        return argument;
    }
    return value;
}

double CFormulaParser::ApplyFunction(int nameIndex, double v, bool& domainError) const {
    const double angle = m_degreeMode ? v * kPi / 180.0 : v;
    switch (nameIndex) {
    case kPI:
        return kPi;
    case kABS:
        return std::fabs(v);
    case kSQRT:
        domainError = v < 0.0;
        return std::sqrt(v);
    case kSINH:
        return std::sinh(v);
    case kCOSH:
        return std::cosh(v);
    case kTANH:
        return std::tanh(v);
    case kARCTAN:
        return std::atan(v);
    case kLN:
        domainError = v < 0.0;
        return std::log(v);
    case kLOG:
        domainError = v < 0.0;
        return std::log10(v);
    case kEXP:
        domainError = v > 41.0;
        return std::exp(v);
    case kSIN:
        return std::sin(angle);
    case kCOS:
        return std::cos(angle);
    case kTAN:
        domainError = std::fabs(std::cos(angle)) <= 1e-11;
        return std::tan(angle);
    case kCOT:
        return std::cos(v) / std::sin(v);
    case kARCSIN:
        domainError = std::fabs(v) >= 1.0;
        return std::asin(v);
    case kARCCOS:
        domainError = std::fabs(v) > 1.0;
        return std::acos(v);
    case kINT:
        return double(truncToInt32(v));
    case kRAD:
        return v * kPi / 180.0;
    case kDEG:
        return v * 180.0 / kPi;
    case kSIGN:
        return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0);
    case kARSINH:
        return v < 0.0 ? -std::log(-v + std::sqrt(v * v + 1.0)) : std::log(v + std::sqrt(v * v + 1.0));
    case kARCOSH:
        domainError = std::fabs(v) < 1.0;
        return std::log(v + std::sqrt(v * v - 1.0));
    case kARTANH:
        domainError = std::fabs(v) > 1.0;
        return 0.5 * std::log((1.0 + v) / (1.0 - v));
    case kKGV:
    case kGGT:
        return v;
    default: {
        double constant = m_physConst.GetValue(nameTable().names[size_t(nameIndex)]);
        return constant == 0.0 ? v : constant;
    }
    }
}
