// The expression evaluator behind the calculator and the unit conversions: operators,
// named functions, PI, physical constants, the variable X and the slots A..H. It never
// throws: problems come back as an error position and an error text, and a value is
// always returned.
#pragma once

#include <string_view>

#include "calculator/PhysConst.h"
#include "platform/text/ZnsString.h"

class CFormulaParser {
public:
    static constexpr int kSlotCount = 10;

    CFormulaParser();
    virtual ~CFormulaParser() = default;

    void SetDegreeMode(int flag) { m_degreeMode = flag; }
    int GetDegreeMode() const { return m_degreeMode; }
    void SetSpare(const ZnsStringW& text) { m_spare = text; }
    const ZnsStringW& GetSpare() const { return m_spare; }

    // Stores `value` in slot 1..9 and returns the index; any other index is a programming
    // error that is reported to the user and changes nothing.
    int SetFunctConst(int index, double value);

    // Evaluates `formula` with X = x. `errorPosition` becomes 0 when the whole text was
    // read, else the 1-based position in the (normalised) text where parsing stopped;
    // `errorMessage` is empty when no evaluation error was raised. An empty formula
    // returns 0 and leaves both outputs untouched.
    double Calculate(ZnsStringW formula, double x, int& errorPosition, ZnsStringW& errorMessage,
                     bool normalise);

    // The recognised names in search order; index 0 is empty and never matches.
    static const std::u16string_view* Names();
    static int NameCount();

    // Rewrites a formula the way Calculate does before parsing when asked to normalise.
    static ZnsStringW Normalise(ZnsStringW formula);

private:
    int ReadToken();
    double Sum();
    double Product();
    double Power();
    double Signed();
    double Factor();
    double Number();
    double NamedFactor(int nameIndex);
    double ApplyFunction(int nameIndex, double v, bool& domainError) const;
    int FindName() const;

    CPhysConst m_physConst;
    int m_degreeMode = 0;
    ZnsStringW m_spare;
    ZnsStringW m_formula;
    ZnsStringW m_errorText;
    double m_xValue = 0.0;
    double m_constSlots[kSlotCount] = {};

    // Scanner state of one evaluation.
    int m_position = 0; // 1-based; the current token is m_formula[m_position - 1]
    int m_token = 0;    // a character, or kEndToken past the end
    int m_depth = 0;    // nesting of the recursive descent, bounded to protect the stack
};
