#include <gtest/gtest.h>

#include "calculator/CalcEngine.h"
#include "calculator/MeasureSystems.h"
#include "platform/text/CodePage.h"

namespace {

const char16_t* kLengths = uR"xml(<znscalc:schema xmlns:znscalc="urn:test">
  <BaseMeasure bmName="metre" MesureShortName="m">
    <Measure MeasureName="mm" MesureShortName="mm" MeasureFormula="x*1000" MeasureInvertFormula="x/1000"/>
    <Measure MeasureName="cm" MesureShortName="cm" MeasureFormula="x*100" MeasureInvertFormula="x/100"/>
    <Measure MeasureName="sq" MesureShortName="sq" MeasureFormula="x^2" MeasureInvertFormula="sqrt(x)"/>
    <Measure MeasureName="broken" MesureShortName="b" MeasureFormula="exp(x)" MeasureInvertFormula="EXP(x)"/>
  </BaseMeasure>
  <BaseMeasure bmName="second" MesureShortName="s">
    <Measure MeasureName="minute" MesureShortName="min" MeasureFormula="x/60" MeasureInvertFormula="x*60"/>
  </BaseMeasure>
</znscalc:schema>)xml";

// Selects the menu entry named `name` (without regard to case).
bool choose(CMeasureSystems& measures, CCalcEngine& engine, std::u16string_view name) {
    for (const MeasureMenuEntry& entry : measures.BuildMenu())
        if (entry.command >= CMeasureSystems::kCmdFirstMeasure && zn::equalsNoCase(entry.text, name))
            return measures.OnCommand(entry.command, engine);
    return false;
}

CCalcEngine showing(const char16_t* value) {
    CCalcEngine engine;
    engine.Paste(value);
    return engine;
}

} // namespace

TEST(MeasureSystems, AttachThenConvertWithinAKind) {
    CMeasureSystems measures(kLengths);
    CCalcEngine engine = showing(u"2");
    ASSERT_TRUE(choose(measures, engine, u"metre"));
    EXPECT_EQ(engine.Display(), u"2."); // the first selection only attaches
    EXPECT_EQ(measures.ShortNameField(), u"m");
    ASSERT_TRUE(choose(measures, engine, u"mm"));
    EXPECT_EQ(engine.Display(), u"2000.");
    ASSERT_TRUE(choose(measures, engine, u"cm")); // between two units through the base
    EXPECT_EQ(engine.Display(), u"200.");
    ASSERT_TRUE(choose(measures, engine, u"METRE"));
    EXPECT_EQ(engine.Display(), u"2.");
    EXPECT_EQ(measures.CurrentMeasure(), u"metre");
}

TEST(MeasureSystems, MenuOffersOnlyTheCurrentKind) {
    CMeasureSystems measures(kLengths);
    std::vector<MeasureMenuEntry> all = measures.BuildMenu();
    ASSERT_EQ(all.size(), 9u); // 5 + separator + 2 + separator
    EXPECT_EQ(all[0].command, 35001);
    EXPECT_EQ(all[5].command, 0);
    EXPECT_EQ(all[6].text, u"second");
    EXPECT_EQ(all[6].command, 35006);

    CCalcEngine engine = showing(u"90");
    choose(measures, engine, u"minute");
    std::vector<MeasureMenuEntry> kind = measures.BuildMenu();
    ASSERT_EQ(kind.size(), 4u);
    EXPECT_EQ(kind[0].command, CMeasureSystems::kCmdChangeMeasureSystem);
    EXPECT_EQ(kind[0].text, u"Change Measure System");
    EXPECT_EQ(kind[1].command, 0);
    EXPECT_EQ(kind[2].text, u"second");
    EXPECT_FALSE(kind[2].checked);
    EXPECT_TRUE(kind[3].checked);
    EXPECT_FALSE(choose(measures, engine, u"metre"));

    ASSERT_TRUE(measures.OnCommand(CMeasureSystems::kCmdChangeMeasureSystem, engine));
    EXPECT_EQ(measures.CurrentMeasure(), u"");
    EXPECT_EQ(measures.ShortNameField(), u"");
    EXPECT_EQ(measures.BuildMenu().size(), 9u);
}

TEST(MeasureSystems, SubstitutionIsLiteral) {
    CMeasureSystems measures(kLengths);
    CCalcEngine engine;
    // A negative value keeps its sign: -2^2 is 4 for the parser.
    EXPECT_EQ(measures.Convert(engine, u"-2", u"metre", u"sq"), u"4.");
    // Every lower-case x is replaced, also inside a name.
    EXPECT_EQ(measures.Convert(engine, u"0", u"metre", u"broken"), u"Invalid input for function");
    EXPECT_EQ(measures.Convert(engine, u"0", u"broken", u"metre"), u"1.");
}

TEST(MeasureSystems, ImpossibleConversionsChangeNothing) {
    CCalcEngine engine;
    CMeasureSystems bad(u"<not-xml");
    EXPECT_TRUE(bad.BuildMenu().empty());
    EXPECT_EQ(bad.Convert(engine, u"5", u"metre", u"mm"), u"5");
    CMeasureSystems measures(kLengths);
    EXPECT_EQ(measures.Convert(engine, u"5", u"furlong", u"mm"), u"5");
    EXPECT_EQ(measures.Convert(engine, u"5", u"mm", u"furlong"), u"5");
    EXPECT_EQ(engine.Display(), u"0.");
}

TEST(MeasureSystems, ConversionStartsFromTheRoundedDisplay) {
    CMeasureSystems measures(kLengths);
    CCalcEngine engine;
    engine.SetPrecision(1);
    engine.Paste(u"1,26");
    engine.Press(CalcKey::Equals);
    EXPECT_EQ(engine.Display(), u"1.3");
    choose(measures, engine, u"metre");
    choose(measures, engine, u"mm");
    EXPECT_EQ(engine.Display(), u"1300.");
}

TEST(MeasureSystems, ShippedDocumentRoundTrips) {
    CMeasureSystems measures;
    std::vector<MeasureMenuEntry> menu = measures.BuildMenu();
    ASSERT_GT(menu.size(), 50u);
    // Every unit's two formulas are inverse to each other.
    ZnsStringW base;
    for (size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].command == 0)
            continue;
        if (i == 0 || menu[i - 1].command == 0) {
            base = menu[i].text;
            continue;
        }
        CCalcEngine engine;
        const ZnsStringW unit = menu[i].text;
        ZnsStringW inBase = measures.Convert(engine, u"12.5", unit, base);
        ZnsStringW back = measures.Convert(engine, inBase, base, unit);
        ASSERT_FALSE(engine.ErrorShown()) << zn::toUtf8(unit);
        EXPECT_NEAR(zn::parseDoubleC(zn::toUtf8(back)), 12.5, 1e-6) << zn::toUtf8(unit);
    }
}

TEST(MeasureSystems, ShippedFactors) {
    CMeasureSystems measures;
    CCalcEngine engine;
    EXPECT_EQ(measures.Convert(engine, u"1", u"inch", u"millimetre"), u"25.4");
    EXPECT_EQ(measures.Convert(engine, u"100", u"degree Celsius", u"degree Fahrenheit"), u"212.");
    EXPECT_EQ(measures.Convert(engine, u"1", u"standard atmosphere", u"kilopascal"), u"101.325");
    EXPECT_EQ(measures.Convert(engine, u"1", u"pound", u"kilogram"), u"0.45359237");
    EXPECT_EQ(measures.Convert(engine, u"36", u"kilometre per hour", u"metre per second"), u"10.");
    EXPECT_EQ(measures.Convert(engine, u"180", u"degree", u"radian"), u"3.1415926536");
}

TEST(MeasureSystems, ShippedDocumentsDifferOnlyInNames) {
    auto formulas = [](int language) {
        zn::setInterfaceLanguage(language);
        CMeasureSystems measures;
        std::vector<MeasureMenuEntry> menu = measures.BuildMenu();
        CCalcEngine engine;
        // The same value through each unit's formulas must give the same text everywhere.
        std::vector<ZnsStringW> results;
        ZnsStringW base;
        for (size_t i = 0; i < menu.size(); ++i) {
            if (menu[i].command == 0)
                continue;
            if (i == 0 || menu[i - 1].command == 0)
                base = menu[i].text;
            else
                results.push_back(measures.Convert(engine, u"3", base, menu[i].text));
        }
        return std::make_pair(results, menu.front().text);
    };
    auto english = formulas(1033);
    auto russian = formulas(1049);
    auto spanish = formulas(3082);
    zn::setInterfaceLanguage(1033);
    EXPECT_EQ(english.first, russian.first);
    EXPECT_EQ(english.first, spanish.first);
    EXPECT_EQ(english.second, u"metre");
    EXPECT_EQ(russian.second, u"\u043c\u0435\u0442\u0440");
    EXPECT_EQ(spanish.second, u"metro");
}
