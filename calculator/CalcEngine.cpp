// Keypad rules. The operand on display stays outside `m_pending` until an operator, ")"
// or "=" takes it, so a function applied twice, or a result followed by an operator,
// never lands in the expression twice.
#include "calculator/CalcEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calculator/CalcFormat.h"
#include "calculator/FormulaParser.h"
#include "resources/StringTable.h"

namespace {

constexpr std::u16string_view kPiText = u"3.14159265358979";

bool isOperatorChar(char16_t ch) {
    return ch == u'+' || ch == u'-' || ch == u'*' || ch == u'/' || ch == u'^';
}

// The rounding of the display truncates a count of steps to a 64-bit integer.
constexpr double kInt64Limit = 9223372036854775808.0; // 2^63

} // namespace

CCalcEngine::CCalcEngine() = default;

// ---- evaluation and display -------------------------------------------------------------

ZnsStringW CCalcEngine::EvaluateToText(const ZnsStringW& formula) {
    CFormulaParser parser;
    parser.SetDegreeMode(m_degreeMode ? 1 : 0);
    int errorPosition = 0;
    ZnsStringW errorMessage;
    m_value = parser.Calculate(formula, 0.0, errorPosition, errorMessage, true);
    m_showingValue = true;
    ZnsStringW text = zn::format("%.10f", m_value);
    calc::CutTrailingZeros(text);
    if (!std::isfinite(m_value) || errorPosition != 0 || !errorMessage.empty()) {
        m_errorShown = true;
        return res::LoadStringW(kIdsInvalidInput);
    }
    std::replace(text.begin(), text.end(), u',', u'.');
    return text;
}

double CCalcEngine::EvaluateToValue(const ZnsStringW& formula) const {
    CFormulaParser parser;
    parser.SetDegreeMode(m_degreeMode ? 1 : 0);
    int errorPosition = 0;
    ZnsStringW errorMessage;
    return parser.Calculate(formula, 0.0, errorPosition, errorMessage, true);
}

ZnsStringW CCalcEngine::FormatForDisplay(double value, int precision) {
    ZnsStringW text = zn::format("%.14g", value);
    if (text.find_first_of(u"eE") != ZnsStringW::npos && value != 0.0) {
        std::replace(text.begin(), text.end(), u',', u'.');
        return text;
    }
    if (text.find_first_of(u",.") == ZnsStringW::npos)
        return text;
    CFormulaParser parser;
    int errorPosition = 0;
    ZnsStringW errorMessage;
    const double step = parser.Calculate(zn::format("1/10^%d", precision), 0.0, errorPosition,
                                         errorMessage, true);
    const double steps = value > 0.0 ? value / step + 0.500001 : value / step - 0.500001;
    // A count beyond the integer range has no truncation; such a value is shown as it is.
    const double rounded =
        std::fabs(steps) < kInt64Limit ? double(std::int64_t(steps)) * step : value;
    text = zn::format("%.10f", rounded);
    std::replace(text.begin(), text.end(), u',', u'.');
    calc::CutTrailingZeros(text);
    return text;
}

void CCalcEngine::ShowResult(ZnsStringW text) {
    if (!zn::equalsNoCase(text, res::LoadStringW(kIdsInvalidInput))) {
        text = FormatForDisplay(m_value, m_precision);
        if (text.empty())
            text = u"0";
        if (text.find(u'.') == ZnsStringW::npos)
            text += u'.';
    }
    (m_expressionMode ? m_expressionResult : m_display) = std::move(text);
}

ZnsStringW CCalcEngine::ResultText() const {
    return calc::WithoutTrailingPoint(m_expressionMode ? m_expressionResult : m_display);
}

void CCalcEngine::SetPrecision(int precision) {
    if (precision < 0 || precision > kMaxPrecision)
        return;
    m_precision = precision;
    const ZnsStringW& shown = m_expressionMode ? m_expressionResult : m_display;
    if (shown.empty())
        return;
    // Rounding the shown text again does not make typed digits, or the start display, a
    // computed value that "+/-" would negate.
    const bool showingValue = m_showingValue;
    ShowResult(EvaluateToText(shown));
    m_showingValue = showingValue;
}

// ---- modes and clipboard ----------------------------------------------------------------

void CCalcEngine::SetExpressionMode(bool on) {
    if (on == m_expressionMode)
        return;
    m_expressionMode = on;
    if (!on)
        Clear();
}

void CCalcEngine::SetExpressionText(ZnsStringW text) {
    m_expressionText = std::move(text);
    m_caret = m_expressionText.size();
}

void CCalcEngine::SetExpressionText(ZnsStringW text, size_t caret) {
    m_expressionText = std::move(text);
    m_caret = std::min(caret, m_expressionText.size());
}

void CCalcEngine::InsertExpressionText(std::u16string_view text) {
    m_expressionText.insert(m_caret, text);
    m_caret += text.size();
}

ZnsStringW CCalcEngine::CopyText(bool resultFocused) const {
    if (m_expressionMode)
        return resultFocused ? m_expressionResult : m_expressionText;
    return m_display;
}

void CCalcEngine::Paste(std::u16string_view text) {
    if (m_expressionMode) {
        ZnsStringW pasted(text);
        std::replace(pasted.begin(), pasted.end(), u',', u'.');
        InsertExpressionText(pasted);
        return;
    }
    if (m_errorShown)
        return;
    ZnsStringW number = calc::NumberFromPastedText(text);
    if (number.empty())
        return;
    StartNewCalculationIfFresh();
    m_pointTyped = number.find(u'.') != ZnsStringW::npos;
    SetEntry(m_pointTyped ? number : number + u'.');
}

// ---- keys -------------------------------------------------------------------------------

void CCalcEngine::Press(CalcKey key) {
    if (m_expressionMode)
        PressExpression(key);
    else
        PressKeypad(key);
}

void CCalcEngine::PressExpression(CalcKey key) {
    static constexpr std::u16string_view kInserts[] = {
        u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u".", u"",
        u"+", u"-", u"*", u"/", u"^", u"sqrt(", u"1/", u"exp(", u"sin(", u"cos(", u"tan(",
        u"log(", u"ln(", kPiText, u"(", u")"};
    switch (key) {
    case CalcKey::Equals:
        if (!m_expressionText.empty()) {
            m_errorShown = false;
            ShowResult(EvaluateToText(m_expressionText));
        }
        return;
    case CalcKey::Clear:
        Clear();
        return;
    case CalcKey::ClearEntry: // disabled in this mode but still clears the result field
        m_expressionResult.clear();
        return;
    case CalcKey::Backspace:
        return; // disabled in this mode
    default:
        InsertExpressionText(kInserts[size_t(key)]);
    }
}

void CCalcEngine::PressKeypad(CalcKey key) {
    const bool wasEquals = m_lastWasEquals;
    m_lastWasEquals = false;
    if (m_errorShown && key != CalcKey::Clear && key != CalcKey::ClearEntry)
        return;
    switch (key) {
    case CalcKey::Point:
        Point();
        break;
    case CalcKey::Sign:
        Sign();
        break;
    case CalcKey::Add:
        BinaryOperator(u'+');
        break;
    case CalcKey::Subtract:
        BinaryOperator(u'-');
        break;
    case CalcKey::Multiply:
        BinaryOperator(u'*');
        break;
    case CalcKey::Divide:
        BinaryOperator(u'/');
        break;
    case CalcKey::Power:
        BinaryOperator(u'^');
        break;
    case CalcKey::Pi:
        Pi();
        break;
    case CalcKey::Open:
        Open();
        break;
    case CalcKey::Close:
        Close();
        break;
    case CalcKey::Equals:
        m_lastWasEquals = true;
        if (!wasEquals) // a second "=" changes nothing
            Equals();
        break;
    case CalcKey::Clear:
        Clear();
        break;
    case CalcKey::ClearEntry:
        ClearEntry();
        break;
    case CalcKey::Backspace:
        Backspace();
        break;
    default:
        if (key <= CalcKey::Digit9)
            Digit(char16_t(u'0' + int(key)));
        else
            Function(key);
    }
}

void CCalcEngine::StartNewCalculationIfFresh() {
    if (!m_fresh)
        return;
    if (!m_justOpened)
        m_pending.clear();
    m_value = 0.0;
    m_hasOperand = m_pointTyped = m_mulChain = m_showingValue = false;
    m_entering = false;
    m_fresh = false;
}

void CCalcEngine::SetEntry(ZnsStringW entry) {
    m_entry = std::move(entry);
    m_display = m_entry.empty() ? ZnsStringW(u"0.") : m_entry;
    m_entering = true;
    m_showingValue = false;
    m_operandReady = true;
    m_justOpened = false;
}

void CCalcEngine::Digit(char16_t digit) {
    StartNewCalculationIfFresh();
    if (!m_entering) {
        m_entry.clear();
        m_pointTyped = false;
    }
    if (m_entry.size() >= kMaxEntry) {
        m_entering = true;
        return;
    }
    if (m_pointTyped) {
        SetEntry(m_entry + digit);
        return;
    }
    ZnsStringW digits = calc::WithoutTrailingPoint(m_entry);
    const bool negative = !digits.empty() && digits[0] == u'-';
    if (digits == u"0" || digits == u"-0")
        digits = negative ? u"-" : u"";
    if (digits.empty() && digit == u'0') {
        SetEntry(u"0.");
        return;
    }
    SetEntry(digits + digit + u'.');
}

void CCalcEngine::Point() {
    StartNewCalculationIfFresh();
    if (!m_entering) {
        m_entry.clear();
        m_pointTyped = false;
    }
    if (m_pointTyped)
        return;
    m_pointTyped = true;
    m_fresh = false;
    SetEntry(m_entry.empty() ? ZnsStringW(u"0.") : m_entry);
}

void CCalcEngine::Backspace() {
    if (!m_entering)
        return;
    ZnsStringW entry = m_entry;
    if (m_pointTyped) {
        if (!entry.empty() && entry.back() == u'.')
            m_pointTyped = false;
        else if (!entry.empty())
            entry.pop_back();
    } else {
        entry = calc::WithoutTrailingPoint(entry);
        if (!entry.empty())
            entry.pop_back();
        entry = (entry.empty() || entry == u"-") ? ZnsStringW() : entry + u'.';
    }
    SetEntry(std::move(entry));
}

void CCalcEngine::Sign() {
    if (m_entering && !m_entry.empty()) {
        SetEntry(m_entry[0] == u'-' ? m_entry.substr(1) : u"-" + m_entry);
    } else if (m_showingValue) {
        m_value = -m_value;
        ShowResult(ZnsStringW());
        m_operandReady = true;
    }
}

ZnsStringW CCalcEngine::Operand() const {
    if (m_showingValue)
        return zn::format("%.14G", m_value);
    return calc::WithoutTrailingPoint(m_display);
}

// Evaluates `m_pending`, shows the result and makes its text the new `m_pending`. A
// failed expression is dropped: after C or CE the user starts from an empty one.
bool CCalcEngine::EvaluatePending() {
    ZnsStringW result = EvaluateToText(m_pending);
    ShowResult(result);
    if (m_errorShown) {
        m_pending.clear();
        m_hasOperand = m_mulChain = false;
        return false;
    }
    m_pending = std::move(result);
    return true;
}

void CCalcEngine::BinaryOperator(char16_t op) {
    const bool additive = op == u'+' || op == u'-';
    if (!m_operandReady && !m_pending.empty() && isOperatorChar(m_pending.back())) {
        // Directly after another operator: the new one replaces it.
        while (!m_pending.empty() && (isOperatorChar(m_pending.back()) || m_pending.back() == u'.'))
            m_pending.pop_back();
        if (!m_pending.empty() && !EvaluatePending())
            return;
        m_hasOperand = !m_pending.empty();
        m_mulChain = additive;
    } else {
        m_pending += Operand();
        if (additive) {
            if (m_hasOperand && !EvaluatePending())
                return;
            m_mulChain = true;
        } else if (!m_mulChain) {
            if (m_hasOperand && !EvaluatePending())
                return;
        }
        m_hasOperand = true;
    }
    m_pending += op;
    m_entry.clear();
    m_entering = m_pointTyped = false;
    m_fresh = m_justOpened = false;
    m_operandReady = false;
}

void CCalcEngine::Function(CalcKey key) {
    const ZnsStringW v = Operand();
    ZnsStringW formula;
    switch (key) {
    case CalcKey::Sqrt:
        formula = u"sqrt(" + v + u")";
        break;
    case CalcKey::Reciprocal:
        formula = u"(1%" + v + u")";
        std::replace(formula.begin(), formula.end(), u'%', u'/');
        break;
    case CalcKey::Exp:
        formula = u"Exp(" + v + u")";
        break;
    case CalcKey::Sin:
        formula = u"sin(" + v + u")";
        break;
    case CalcKey::Tan:
        formula = u"tan(" + v + u")";
        break;
    case CalcKey::Cos:
        formula = u"cos(" + v + u")";
        break;
    case CalcKey::Log:
        formula = u"log(" + v + u")";
        break;
    default:
        formula = u"ln(" + v + u")";
        break;
    }
    ShowResult(EvaluateToText(formula));
    m_entering = false;
    m_operandReady = true;
    m_fresh = true; // a digit now starts a new calculation
}

void CCalcEngine::Pi() {
    StartNewCalculationIfFresh();
    m_pointTyped = true;
    SetEntry(ZnsStringW(kPiText));
}

void CCalcEngine::Open() {
    m_levelStack.push_back({m_pending, m_hasOperand, m_mulChain});
    m_pending.clear();
    m_entry.clear();
    m_entering = false;
    m_hasOperand = m_mulChain = false;
    m_operandReady = false;
    ++m_parenDepth;
    m_justOpened = true;
}

void CCalcEngine::Close() {
    if (m_parenDepth <= 0)
        return;
    --m_parenDepth;
    m_pending += Operand();
    const bool evaluated = EvaluatePending();
    // The level closes even when it failed, so after CE the outer term goes on.
    Level outer = std::move(m_levelStack.back());
    m_levelStack.pop_back();
    m_pending = std::move(outer.pending);
    m_mulChain = outer.mulChain;
    m_entering = m_justOpened = false;
    if (!evaluated) {
        m_hasOperand = outer.hasOperand;
        return;
    }
    m_hasOperand = true;
    m_operandReady = true;
}

void CCalcEngine::Equals() {
    m_pending += Operand();
    if (!EvaluatePending())
        return;
    // The result is the operand on display from here on, not part of the expression.
    m_pending.clear();
    m_hasOperand = m_mulChain = false;
    m_entering = false;
    m_operandReady = true;
    m_fresh = true;
}

void CCalcEngine::ClearEntry() {
    m_expressionResult.clear();
    if (m_justOpened && !m_levelStack.empty()) {
        Level outer = std::move(m_levelStack.back());
        m_levelStack.pop_back();
        m_pending = std::move(outer.pending);
        m_hasOperand = outer.hasOperand;
        m_mulChain = outer.mulChain;
        --m_parenDepth;
        m_justOpened = false;
        m_operandReady = false;
        return;
    }
    m_errorShown = false;
    if (!m_hasOperand)
        m_pending.clear();
    m_pointTyped = false;
    SetEntry(ZnsStringW());
    m_entering = false;
}

void CCalcEngine::Clear() {
    m_entry.clear();
    m_pending.clear();
    m_levelStack.clear();
    m_value = 0.0;
    m_parenDepth = 0;
    m_hasOperand = m_pointTyped = m_mulChain = m_errorShown = m_showingValue = false;
    m_entering = m_justOpened = false;
    m_operandReady = true;
    m_fresh = true;
    m_display = u"0.";
    m_expressionResult.clear();
    if (m_expressionMode)
        SetExpressionText(ZnsStringW());
}
