#include <sstream>

#include <gtest/gtest.h>

#include "calculator/CalcEngine.h"
#include "calculator/CalcKeyNames.h"

namespace {

// Presses keys by their keypad names; a run of digits presses each digit.
void press(CCalcEngine& engine, const std::string& keys) {
    std::istringstream words(keys);
    std::string key;
    while (words >> key) {
        if (key.size() > 1 && key.find_first_not_of("0123456789") == std::string::npos) {
            for (char d : key)
                engine.Press(CalcKey(d - '0'));
            continue;
        }
        std::optional<CalcKey> calcKey = CalcKeyFromName(key);
        ASSERT_TRUE(calcKey) << key;
        engine.Press(*calcKey);
    }
}

std::string display(const std::string& keys, int precision = 6) {
    CCalcEngine engine;
    engine.SetPrecision(precision);
    press(engine, keys);
    return zn::toUtf8(engine.Display());
}

} // namespace

TEST(CalcKeypad, ResultsLikeOneExpression) {
    EXPECT_EQ(display(""), "0.");
    EXPECT_EQ(display("2 + 3 * 4 ="), "14.");
    EXPECT_EQ(display("1 / 3 =", 2), "0.33");
    EXPECT_EQ(display("1 / 3 =", 0), "0.");
    EXPECT_EQ(display("9 sqrt"), "3.");
    EXPECT_EQ(display("9 sqrt + 1 ="), "4.");
    EXPECT_EQ(display("9 sqrt sqrt"), "1.732051");
    EXPECT_EQ(display("2 * 3 *"), "6."); // the product so far is shown
    EXPECT_EQ(display("2 + 3 * 4 * 5 ="), "62.");
    EXPECT_EQ(display("2 + 3 * 4 +"), "14.");
    EXPECT_EQ(display("2 ^ 10 ="), "1024.");
    EXPECT_EQ(display("2 + 3 ^ 2 ="), "11.");
    EXPECT_EQ(display("2 * ( 3 + 4 ) ="), "14.");
    EXPECT_EQ(display("2 + 3 * ( 1 + 1 ) * 2 ="), "14.");
    EXPECT_EQ(display("2 * ( 3 + 4 ="), "7."); // only the innermost level
    EXPECT_EQ(display("4 1/x"), "0.25");
    EXPECT_EQ(display("30 sin"), "0.5");
    EXPECT_EQ(display("100 log"), "2.");
    EXPECT_EQ(display("pi"), "3.14159265358979");
    EXPECT_EQ(display("2 * pi ="), "6.283185");
    EXPECT_EQ(display("5 - 8 ="), "-3.");
    EXPECT_EQ(display("5 * 3 +/- ="), "-15.");
}

TEST(CalcKeypad, OperatorAfterOperatorReplacesIt) {
    EXPECT_EQ(display("2 + * 3 ="), "6.");
    EXPECT_EQ(display("2 * - 3 ="), "-1.");
    EXPECT_EQ(display("2 + 3 + - 1 ="), "4.");
}

TEST(CalcKeypad, EqualsAndNewCalculations) {
    EXPECT_EQ(display("2 + 3 = ="), "5.");         // a second "=" changes nothing
    EXPECT_EQ(display("2 + 3 = 4 ="), "4.");       // a digit after a result starts anew
    EXPECT_EQ(display("2 + 3 = * 2 ="), "10.");    // an operator continues with the result
    EXPECT_EQ(display("2 + 3 = +/-"), "-5.");
}

TEST(CalcKeypad, Entry) {
    EXPECT_EQ(display("1 2 3"), "123.");
    EXPECT_EQ(display("0 0"), "0.");
    EXPECT_EQ(display("0 5"), "5.");
    EXPECT_EQ(display("1 2 , 5"), "12.5");
    EXPECT_EQ(display(", 5"), "0.5");
    EXPECT_EQ(display("1 , , 5"), "1.5");
    EXPECT_EQ(display("123456789012345"), "12345678901."); // 12 characters with the point
    EXPECT_EQ(display("1 , 12345678901234"), "1.1234567890");
    EXPECT_EQ(display("1 2 3 BS"), "12.");
    EXPECT_EQ(display("1 BS"), "0.");
    EXPECT_EQ(display("1 2 , BS"), "12.");
    EXPECT_EQ(display("1 2 , 5 BS"), "12.");
    EXPECT_EQ(display("1 2 +/-"), "-12.");
    EXPECT_EQ(display("1 2 +/- +/-"), "12.");
    EXPECT_EQ(display("2 + 3 CE 4 ="), "6.");
}

TEST(CalcKeypad, ErrorsBlockUntilClear) {
    EXPECT_EQ(display("1 / 0 ="), "Invalid input for function");
    EXPECT_EQ(display("1 / 0 = 5 + 1 ="), "Invalid input for function");
    EXPECT_EQ(display("1 / 0 = C 5 + 1 ="), "6.");
    EXPECT_EQ(display("1 / 0 = CE 5 ="), "5.");
    EXPECT_EQ(display("4 +/- sqrt"), "Invalid input for function");
    EXPECT_EQ(display("0 ln"), "Invalid input for function"); // minus infinity
}

TEST(CalcKeypad, ClearEntryUndoesAnOpenedParenthesis) {
    EXPECT_EQ(display("2 * ( CE 3 ="), "6.");
}

TEST(CalcKeypad, AFailedLevelStillClosesSoTheOuterTermCarriesOn) {
    EXPECT_EQ(display("2 * ( 1 / 0 )"), "Invalid input for function");
    EXPECT_EQ(display("2 * ( 1 / 0 ) CE 3 ="), "6.");
    EXPECT_EQ(display("2 * ( 1 / 0 = CE 3 ) ="), "6.");
    EXPECT_EQ(display("2 * ( 3 + ( 1 / 0 ) CE 4 ) ="), "14."); // one level at a time
}

TEST(CalcKeypad, TheStartDisplayIsNoResultToNegate) {
    EXPECT_EQ(display("+/-"), "0.");
    EXPECT_EQ(display("C +/-"), "0.");
    EXPECT_EQ(display("+/- 5 ="), "5.");
    EXPECT_EQ(display("1 . 5"), "1.5"); // the keyboard's point is the decimal point too
}

TEST(CalcKeypad, Paste) {
    CCalcEngine engine;
    engine.Paste(u"-1 234,5 mm");
    EXPECT_EQ(engine.Display(), u"-1234.5");
    engine.Paste(u"no digits here");
    EXPECT_EQ(engine.Display(), u"-1234.5");
    engine.Paste(u"\t42,\t");
    EXPECT_EQ(engine.Display(), u"42.");
    engine.Press(CalcKey::Add);
    engine.Paste(u"1.2.3");
    engine.Press(CalcKey::Equals);
    EXPECT_EQ(engine.Display(), u"43.23");
}

TEST(CalcDisplay, FormatAndPrecision) {
    EXPECT_EQ(CCalcEngine::FormatForDisplay(1e20, 2), u"1e+20");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(0.0, 2), u"0");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(2.0 / 3.0, 2), u"0.67");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(-2.0 / 3.0, 2), u"-0.67");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(0.125, 2), u"0.13");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(0.1 + 0.2, 6), u"0.3");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(1.0 / 3.0, 0), u"0.");
    // Beyond the range of a 64-bit integer of steps the value is kept as it is.
    EXPECT_EQ(CCalcEngine::FormatForDisplay(9999999999999.5, 6), u"9999999999999.5");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(-9999999999999.5, 6), u"-9999999999999.5");
    EXPECT_EQ(CCalcEngine::FormatForDisplay(9223372036.5, 6), u"9223372036.5");

    CCalcEngine engine;
    engine.SetPrecision(2);
    press(engine, "1 / 3 =");
    EXPECT_EQ(engine.Display(), u"0.33");
    engine.SetPrecision(6); // the shown text is re-evaluated, not the full result
    EXPECT_EQ(engine.Display(), u"0.33");
    EXPECT_EQ(engine.ResultText(), u"0.33");
    press(engine, "C 10000000000 * 10000000000 =");
    EXPECT_EQ(engine.Display(), u"1e+20.");
}

TEST(CalcExpression, EvaluatesTheTypedFormula) {
    CCalcEngine engine;
    engine.SetExpressionMode(true);
    engine.SetExpressionText(u"2*(3+4)");
    engine.Press(CalcKey::Equals);
    EXPECT_EQ(engine.ExpressionResult(), u"14.");
    EXPECT_EQ(engine.Display(), u"0."); // the keypad display is hidden and untouched

    engine.SetExpressionText(u"sin(90)");
    engine.Press(CalcKey::Equals);
    EXPECT_EQ(engine.ExpressionResult(), u"1.");
    engine.SetDegreeMode(false);
    engine.Press(CalcKey::Equals);
    EXPECT_EQ(engine.ExpressionResult(), u"0.893997");

    engine.Press(CalcKey::Clear);
    EXPECT_EQ(engine.ExpressionText(), u"");
    press(engine, "2 sqrt ( pi ) , 5");
    EXPECT_EQ(engine.ExpressionText(), u"2sqrt((3.14159265358979).5");
    engine.Paste(u"+1,5");
    EXPECT_EQ(engine.ExpressionText(), u"2sqrt((3.14159265358979).5+1.5");
    EXPECT_EQ(engine.CopyText(false), engine.ExpressionText());

    engine.SetExpressionText(u"8/0");
    engine.Press(CalcKey::Equals);
    EXPECT_EQ(engine.ExpressionResult(), u"Invalid input for function");
    engine.SetExpressionText(u"1+1");
    engine.Press(CalcKey::Equals); // a new formula is evaluated despite the previous error
    EXPECT_EQ(engine.ExpressionResult(), u"2.");
    EXPECT_EQ(engine.CopyText(true), u"2.");

    engine.SetExpressionMode(false); // leaving performs C
    EXPECT_EQ(engine.Display(), u"0.");
    EXPECT_EQ(engine.ExpressionResult(), u"");
}
