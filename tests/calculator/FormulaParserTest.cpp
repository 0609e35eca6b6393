#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "calculator/FormulaParser.h"
#include "platform/ui/MessageBox.h"

namespace {

struct Result {
    double value;
    int position;
    std::string message;
};

Result eval(const char* formula, bool normalise = true, int degrees = 0, double x = 0.0) {
    CFormulaParser parser;
    parser.SetDegreeMode(degrees);
    int position = -7;
    ZnsStringW message = u"untouched";
    double value = parser.Calculate(zn::fromUtf8(formula), x, position, message, normalise);
    return {value, position, zn::toUtf8(message)};
}

void expectClean(const char* formula, double expected, int degrees = 0) {
    Result r = eval(formula, true, degrees);
    EXPECT_DOUBLE_EQ(r.value, expected) << formula;
    EXPECT_EQ(r.position, 0) << formula;
    EXPECT_EQ(r.message, "") << formula;
}

} // namespace

TEST(FormulaParser, PrecedenceAndAssociativity) {
    expectClean("2+3*4", 14);
    expectClean("(2+3)*4", 20);
    expectClean("2^3^2", 64); // left-associative
    expectClean("-2^2", 4);   // unary minus binds tighter than ^
    expectClean("2^-1", 0.5);
    expectClean("10-4-3", 3);
    expectClean("64/4/2", 8);
    expectClean("2*-3", -6);
    expectClean("2--3", 5);
}

TEST(FormulaParser, ErrorsKeepEvaluating) {
    Result r = eval("8/0");
    EXPECT_EQ(r.value, 8);
    EXPECT_EQ(r.position, 0);
    EXPECT_EQ(r.message, " Divide by zero!");

    r = eval("(-8)^(1/3)");
    EXPECT_EQ(r.value, -8);
    EXPECT_EQ(r.message, " No SQRT from neg. values!");
    expectClean("(-2)^2", 4);
    expectClean("0^2", 0);
    r = eval("0^1");
    EXPECT_EQ(r.value, 0);
    EXPECT_EQ(r.message, " No SQRT from neg. values!");

    // Only the last error text survives.
    r = eval("SQRT(-4)+8/0");
    EXPECT_EQ(r.value, 4);
    EXPECT_EQ(r.message, " Divide by zero!");
}

TEST(FormulaParser, FunctionDomains) {
    Result r = eval("SQRT(-4)");
    EXPECT_EQ(r.value, -4);
    EXPECT_EQ(r.message, " General Parser Error blocked!");
    expectClean("EXP(41)", std::exp(41.0));
    EXPECT_EQ(eval("EXP(41.5)").message, " General Parser Error blocked!");
    EXPECT_EQ(eval("ARCSIN(1)").message, " General Parser Error blocked!");
    EXPECT_EQ(eval("ARCSIN(-1)").message, " General Parser Error blocked!");
    expectClean("ARCCOS(1)", 0);
    expectClean("LN(0)", -HUGE_VAL);
    EXPECT_EQ(eval("LOG(-1)").message, " General Parser Error blocked!");
    EXPECT_EQ(eval("ARTANH(2)").message, " General Parser Error blocked!");
    EXPECT_EQ(eval("ARCOSH(0.5)").message, " General Parser Error blocked!");
    EXPECT_EQ(eval("TAN(90)", true, 1).message, " General Parser Error blocked!");

    r = eval("ARCOSH(-2)"); // passes the domain test and yields not-a-number silently
    EXPECT_TRUE(std::isnan(r.value));
    EXPECT_EQ(r.message, "");
}

TEST(FormulaParser, AngleModes) {
    EXPECT_NEAR(eval("SIN(30)", true, 1).value, 0.5, 1e-15);
    EXPECT_DOUBLE_EQ(eval("COT(45)", true, 1).value, std::cos(45.0) / std::sin(45.0));
    EXPECT_DOUBLE_EQ(eval("ARCSIN(0.5)", true, 0).value, 0.5235987755982989);
    EXPECT_DOUBLE_EQ(eval("ARCSIN(0.5)", true, 1).value, 0.5235987755982989);
    EXPECT_DOUBLE_EQ(eval("COS(PI)", true, 0).value, -1);
    expectClean("DEG(PI)", 180);
    expectClean("RAD(180)", 3.141592653589793);
}

TEST(FormulaParser, NamesAndArguments) {
    expectClean("sqrt(16)", 4);
    expectClean("SqRt(16)", 4);
    expectClean("SQRT 16", 4);
    expectClean("_c", 299792458.0);
    expectClean("_C", 299792458.0);
    expectClean("_h_BAR_MeVs", 6.582122e-22); // the longest name wins
    expectClean("_h", 6.6260755e-34);
    expectClean("2*PI", 2 * 3.141592653589793);
    expectClean("SIGN(-3)+SIGN(0)", -1);
    expectClean("INT(-2.7)", -2);
    expectClean("ABS(-2)^2", 4); // the function takes a factor: (ABS -2)^2
    expectClean("ARSINH(-1)", -std::log(1 + std::sqrt(2.0)));
    expectClean("KGV(7)+GGT(5)", 12);
    EXPECT_DOUBLE_EQ(eval("SIN X^2", true, 0, 2.0).value, std::pow(std::sin(2.0), 2));
    EXPECT_DOUBLE_EQ(eval("SINX", true, 0, 2.0).value, std::sin(2.0));
}

TEST(FormulaParser, NumbersAndPositions) {
    expectClean("1.2.3", 1.2);
    expectClean(".", 0);
    Result r = eval("1E5");
    EXPECT_EQ(r.value, 1);
    EXPECT_EQ(r.position, 2);
    EXPECT_EQ(r.message, "Error found on position 2!");

    expectClean("1,5*2", 3);
    r = eval("1,5*2", false);
    EXPECT_EQ(r.value, 1);
    EXPECT_EQ(r.position, 2);

    expectClean("2+", 2);
    r = eval("2)");
    EXPECT_EQ(r.value, 2);
    EXPECT_EQ(r.position, 2);
    EXPECT_EQ(r.message, "Error found on position 2!");
    expectClean("2*", 0);
    expectClean("2**3", 0);
    expectClean("(1+2", 3);

    // Positions count the normalised text: blanks are gone.
    r = eval("1 + 2 )");
    EXPECT_EQ(r.position, 4);
    // Without normalisation blanks are skipped but counted; a number ends at a blank.
    r = eval("1 2", false);
    EXPECT_EQ(r.value, 1);
    EXPECT_EQ(r.position, 0);

    r = eval("2)/0");
    EXPECT_EQ(r.message, "Error found on position 2!");
    r = eval("8/0)");
    EXPECT_EQ(r.message, "Error found on position 4! Divide by zero!");
}

TEST(FormulaParser, VariableAndSlots) {
    EXPECT_EQ(eval("X", true, 0, 0.0).value, 1.1754943508222875e-38);
    EXPECT_EQ(eval("x*2", true, 0, 4.0).value, 8);
    CFormulaParser parser;
    EXPECT_EQ(parser.SetFunctConst(3, 7.5), 3);
    int position = 0;
    ZnsStringW message;
    EXPECT_EQ(parser.Calculate(u"C*2", 0, position, message, true), 15);
}

TEST(FormulaParser, SetFunctConstOutsideSlotsIsReported) {
    std::u16string shown;
    auto previous = zn::ui::SetMessageBoxHandler(
        [&](void*, std::u16string_view text, std::u16string_view, unsigned) {
            shown = text;
            return 1;
        });
    CFormulaParser parser;
    parser.SetFunctConst(10, 1.0);
    parser.SetFunctConst(0, 1.0);
    zn::ui::SetMessageBoxHandler(previous);
    EXPECT_EQ(shown, u"ProgrammError in SetFunctConst()");
}

TEST(FormulaParser, EmptyAndBlankFormulas) {
    Result r = eval("");
    EXPECT_EQ(r.value, 0);
    EXPECT_EQ(r.position, -7); // untouched
    EXPECT_EQ(r.message, "untouched");
    r = eval("   ");
    EXPECT_EQ(r.value, 0);
    EXPECT_EQ(r.position, 0);
    EXPECT_EQ(r.message, "");
}

TEST(FormulaParser, Normalisation) {
    EXPECT_EQ(CFormulaParser::Normalise(u"((2+3)*(4+5))"), u"(2+3)*(4+5)");
    EXPECT_EQ(CFormulaParser::Normalise(u"((2+3))*4"), u"(2+3)*4");
    EXPECT_EQ(CFormulaParser::Normalise(u"(((1)))"), u"1");
    EXPECT_EQ(CFormulaParser::Normalise(u"x+(((1)))"), u"x+(1)");
    EXPECT_EQ(CFormulaParser::Normalise(u"((1))+((2))"), u"(1)+(2)");
    EXPECT_EQ(CFormulaParser::Normalise(u"2*((3))+1"), u"2*(3)+1");
    EXPECT_EQ(CFormulaParser::Normalise(u" + 2 , 5 "), u"2.5");
    EXPECT_EQ(CFormulaParser::Normalise(u"[1+{2}]*3"), u"(1+(2))*3");
    EXPECT_EQ(CFormulaParser::Normalise(u"2*(x)*3"), u"2*x*3");
    EXPECT_EQ(CFormulaParser::Normalise(u"(exp(x))*2"), u"exp(x)*2");
    EXPECT_EQ(CFormulaParser::Normalise(u"(1)*x*(1)"), u"x");
    EXPECT_EQ(CFormulaParser::Normalise(u"2+3\t\n"), u"2+3");
    expectClean("((2+3)*(4+5))", 45);
    // Malformed nestings must not read outside the text.
    for (const char16_t* text : {u"((", u"))((", u"(()", u"())", u"((1)", u"(1))", u"()"})
        CFormulaParser::Normalise(text);
}

TEST(FormulaParser, DeepNestingIsASystemErrorNotACrash) {
    std::string formula;
    for (int i = 0; i < 100000; ++i)
        formula += "-(";
    formula += "1";
    Result r = eval(formula.c_str());
    EXPECT_EQ(r.value, 0);
    EXPECT_EQ(r.message.rfind("System Error: ", 0), 0u);
}

TEST(PhysConst, NamesAndValues) {
    CPhysConst constants;
    EXPECT_EQ(constants.GetValue(u"_c"), 299792458.0);
    EXPECT_EQ(constants.GetValue(u"_C"), 299792458.0);
    EXPECT_EQ(constants.GetValue(u"_c "), 0.0);
    EXPECT_EQ(constants.GetValue(u"_h"), 6.6260755e-34);
    EXPECT_EQ(constants.GetValue(u"_H_BAR"), 1.05457266e-34);
    EXPECT_GT(constants.GetValue(u"_Alpha"), 0.0);
    EXPECT_EQ(constants.GetName(0), u"");
    EXPECT_EQ(constants.GetName(1), u"_LAMBDA_BAR_e");
    EXPECT_EQ(constants.GetName(44), u"_g");
    EXPECT_EQ(constants.GetName(45), u"***");
    EXPECT_THROW(constants.GetName(46), std::invalid_argument);
    EXPECT_THROW(constants.GetName(-1), std::invalid_argument);
    EXPECT_TRUE(constants.IsConstName(u"_k_b_ev"));
    EXPECT_FALSE(constants.IsConstName(u"_k_b_e"));
    // Every name is reachable through a first-match search: no name is preceded by a
    // prefix of itself.
    for (int i = 1; i <= CPhysConst::kCount; ++i)
        for (int j = 1; j < i; ++j)
            EXPECT_FALSE(zn::equalsNoCaseAscii(constants.GetName(i).substr(0, constants.GetName(j).size()),
                                               constants.GetName(j)))
                << zn::toUtf8(constants.GetName(j)) << " hides " << zn::toUtf8(constants.GetName(i));
}

TEST(FormulaParser, NameListOrder) {
    const std::u16string_view* names = CFormulaParser::Names();
    ASSERT_EQ(CFormulaParser::NameCount(), 26 + CPhysConst::kCount);
    EXPECT_EQ(names[0], u"");
    EXPECT_EQ(names[1], u"PI");
    EXPECT_EQ(names[25], u"GGT");
    EXPECT_EQ(names[26], u"_LAMBDA_BAR_e");
    EXPECT_EQ(names[26 + CPhysConst::kCount - 1], u"_g");
}

TEST(FormulaParser, RandomInputNeverEscapesTheText) {
    // Seeded random formulas from the characters that matter to the scanner and the
    // normaliser; under the sanitizers this also proves no read outside the text.
    const std::u16string_view alphabet = u"0123456789.,+-*/^()[]{}xXABHsinSQRTPIc_h| \t";
    std::mt19937 random(20261205);
    for (int round = 0; round < 20000; ++round) {
        ZnsStringW formula;
        const int length = int(random() % 24);
        for (int i = 0; i < length; ++i)
            formula += alphabet[random() % alphabet.size()];
        const bool normalise = round % 2 == 0;
        const ZnsStringW parsed = normalise ? CFormulaParser::Normalise(formula) : formula;
        CFormulaParser parser;
        int position = -1;
        ZnsStringW message;
        parser.Calculate(formula, 0.0, position, message, normalise);
        if (formula.empty())
            continue;
        ASSERT_GE(position, 0) << zn::toUtf8(formula);
        ASSERT_LE(position, int(parsed.size())) << zn::toUtf8(formula);
        ASSERT_EQ(position == 0, message.rfind(u"Error found", 0) != 0) << zn::toUtf8(formula);
    }
}
