// The calculator without its window: keypad mode (a pocket calculator that builds a
// parser expression behind the scenes), expression mode (a typed formula), precision,
// angle mode, display formatting and clipboard text. The dialog drives it and shows
// `Display()` in the result static and `ExpressionResult()` in the expression result.
#pragma once

#include <vector>

#include "platform/text/ZnsString.h"

enum class CalcKey {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Point, Sign, Add, Subtract, Multiply, Divide, Power,
    Sqrt, Reciprocal, Exp, Sin, Cos, Tan, Log, Ln, Pi,
    Open, Close, Equals, Clear, ClearEntry, Backspace,
};

class CCalcEngine {
public:
    static constexpr int kMaxPrecision = 6;
    static constexpr size_t kMaxEntry = 12;
    static constexpr unsigned kIdsInvalidInput = 57713;

    CCalcEngine();

    void Press(CalcKey key);
    // Keypad: loads the number in `text` as the entry. Expression mode: inserts it at the caret.
    void Paste(std::u16string_view text);
    // What Copy puts on the clipboard; `resultFocused` says the expression result has the focus.
    ZnsStringW CopyText(bool resultFocused) const;

    void SetPrecision(int precision);
    int Precision() const { return m_precision; }
    void SetDegreeMode(bool degrees) { m_degreeMode = degrees; }
    bool DegreeMode() const { return m_degreeMode; }
    void SetExpressionMode(bool on);
    bool ExpressionMode() const { return m_expressionMode; }

    // The expression edit (expression mode) with its caret.
    const ZnsStringW& ExpressionText() const { return m_expressionText; }
    size_t ExpressionCaret() const { return m_caret; }
    // The caret goes to the end, or to `caret` when the edit says where the user left it.
    void SetExpressionText(ZnsStringW text);
    void SetExpressionText(ZnsStringW text, size_t caret);
    void InsertExpressionText(std::u16string_view text);

    const ZnsStringW& Display() const { return m_display; }
    const ZnsStringW& ExpressionResult() const { return m_expressionResult; }
    // The shown text of the current mode without the trailing point and blanks.
    ZnsStringW ResultText() const;
    bool ErrorShown() const { return m_errorShown; }
    double Value() const { return m_value; }

    // Parser calls with this calculator's angle mode.
    ZnsStringW EvaluateToText(const ZnsStringW& formula);
    double EvaluateToValue(const ZnsStringW& formula) const;
    static ZnsStringW FormatForDisplay(double value, int precision);
    void ShowResult(ZnsStringW text);

private:
    struct Level {
        ZnsStringW pending;
        bool hasOperand;
        bool mulChain;
    };

    void PressKeypad(CalcKey key);
    void PressExpression(CalcKey key);
    void Digit(char16_t digit);
    void Point();
    void Backspace();
    void Sign();
    void BinaryOperator(char16_t op);
    void Function(CalcKey key);
    void Pi();
    void Open();
    void Close();
    void Equals();
    void ClearEntry();
    void Clear();
    void StartNewCalculationIfFresh();
    void SetEntry(ZnsStringW entry);
    ZnsStringW Operand() const;
    bool EvaluatePending();

    ZnsStringW m_entry;
    ZnsStringW m_pending;
    std::vector<Level> m_levelStack;
    int m_parenDepth = 0;
    double m_value = 0.0;
    bool m_pointTyped = false;
    bool m_fresh = false;
    bool m_entering = false;
    bool m_justOpened = false;
    bool m_hasOperand = false;
    bool m_mulChain = false;
    bool m_errorShown = false;
    bool m_showingValue = false;
    // An operand is shown that no operator has taken yet (false right after an operator
    // or "("), so an operator pressed now replaces the previous one.
    bool m_operandReady = true;
    bool m_lastWasEquals = false;
    int m_precision = kMaxPrecision;
    bool m_expressionMode = false;
    bool m_degreeMode = true;

    ZnsStringW m_display = u"0.";
    ZnsStringW m_expressionText;
    size_t m_caret = 0;
    ZnsStringW m_expressionResult;
};
