// "DText" as a user works it: typing, Add, picks on the drawing, the fields and the grid,
// and what the dialog remembers for the next time.
#include <cmath>

#include "dtext/LineInterval.h"
#include "host/SiblingModules.h"
#include "platform/loader/Loader.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"
#include "tests/host/DTextFixture.h"

namespace {

using dtext::CDTextDlg;

::testing::AssertionResult At(const ZnsPoint3& p, double x, double y, double z) {
    if (std::abs(p.x - x) < 1e-9 && std::abs(p.y - y) < 1e-9 && std::abs(p.z - z) < 1e-9)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << p.x << ", " << p.y << ", " << p.z << ")";
}

using DText = DTextFixture;

TEST_F(DText, AddMakesOneLineAfterAnotherTheNextOneAdvancedByTheInterval) {
    EXPECT_EQ(RunDText(R"s(
type Hello
click 32931
point 100 50
point 200 50
type World
click 32931
click 2
)s"),
              S_OK);
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    const ZnsDTextRecord& first = texts[0]->GetRecord();
    const ZnsDTextRecord& second = texts[1]->GetRecord();
    EXPECT_EQ(first.text, u"Hello");
    EXPECT_EQ(second.text, u"World");
    EXPECT_TRUE(At(first.origin, 100, 50, 0));
    // "At least" and single spacing: one box height (the 5 mm text) times 1.66 lower.
    EXPECT_TRUE(At(second.origin, 100, 50 - 5 * 1.66, 0));
    EXPECT_EQ(first.height, 5.0);
    EXPECT_EQ(first.style, u"Standard");
    EXPECT_EQ(texts[0]->GetColor(), 0xFF0000);
    EXPECT_EQ(texts[0]->Attributes().count(-4), 1u);
    EXPECT_TRUE(Host().Context().OpenDialogs().empty()) << "the dialog said it closed";
}

TEST_F(DText, OkMakesTheLineUnlessAddMadeItAndCancelMakesNone) {
    RunDText("type One\nclick 1\npoint 10 10\npoint 20 20\n");
    ASSERT_EQ(Texts().size(), 1u);
    const ZnsDTextRecord& record = Texts()[0]->GetRecord();
    EXPECT_NEAR(record.direction.x, std::sqrt(0.5), 1e-12) << "the angle point turns it";
    EXPECT_NEAR(record.direction.y, std::sqrt(0.5), 1e-12);

    RunDText("type Two\nclick 32931\npoint 0 0\npoint 1 0\nclick 1\n");
    EXPECT_EQ(Texts().size(), 2u) << "OK after Add adds nothing more";
    RunDText("type Three\nclick 2\n");
    EXPECT_EQ(Texts().size(), 2u);
}

TEST_F(DText, ExactlySpacingAdvancesByTheTextHeightTimesTheFactor) {
    RunDText(R"s(
click 32974
click 32940 "Exactly"
click 32939 "Double (2x)"
click 32931
point 0 100
point 10 100
click 32931
click 2
)s");
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(At(texts[1]->GetRecord().origin, 0, 100 - 5 * 2 * 1.66, 0));
}

TEST_F(DText, ReopensWithTheStoredStateButNotOnCancel) {
    RunDText(R"s(
click 32974
click 32942
point 30 40
point 31 40
click 32941
key End
key Shift+Home
type 7
click 32940 "Exactly"
click 32939 "1.5 lines (1.5x)"
click 32937
key End
key Shift+Home
type 370
key Tab
click 12051
key Home
type Stored 
click 1
)s");
    ASSERT_EQ(Texts().size(), 1u);
    // Cancel stores nothing, even after changes.
    RunDText("click 32941\nkey End\nkey Shift+Home\ntype 9\nclick 2\n");

    res::ModuleResourceScope resources;
    CDTextDlg reopened;
    ASSERT_TRUE(reopened.Create(res::IDD_DTEXT));
    const ZnsDTextRecord& record = reopened.State().record;
    EXPECT_EQ(record.text, u"Stored Text");
    EXPECT_TRUE(At(record.origin, 30, 40, 0));
    // Stored as "%g": six digits.
    EXPECT_NEAR(record.direction.x, std::cos(10 * M_PI / 180), 1e-6) << "370 degrees is 10";
    EXPECT_NEAR(record.direction.y, std::sin(10 * M_PI / 180), 1e-6);
    EXPECT_EQ(record.flags & dtext::kRecordTextFromSettings, dtext::kRecordTextFromSettings);
    EXPECT_EQ(reopened.GetDlgItemTextW(dtext::IDC_HEIGHT), u"7");
    EXPECT_EQ(reopened.GetDlgItemTextW(dtext::IDC_ANGLE), u"10");
    EXPECT_EQ(reopened.GetDlgItemTextW(dtext::IDC_SPACING_TYPE), u"Exactly");
    EXPECT_EQ(reopened.GetDlgItemTextW(dtext::IDC_INTERVAL), u"1.5 lines (1.5x)");
    EXPECT_TRUE(reopened.State().fullMode);
    EXPECT_EQ(reopened.GetDlgItemTextW(dtext::IDC_FULL_MODE), u"<<");
    EXPECT_TRUE(reopened.GetDlgItem(dtext::IDC_HEIGHT)->GetStyle() & zn::ui::WS_VISIBLE);
    EXPECT_FALSE(reopened.IsOriginPicked()) << "a new run picks its own place";
}

TEST_F(DText, FullModeShowsTheFieldsAndSizesTheWindowToThem) {
    res::ModuleResourceScope resources;
    CDTextDlg dialog;
    ASSERT_TRUE(dialog.Create(res::IDD_DTEXT));
    dialog.ShowWindow(zn::ui::SW_SHOW);
    EXPECT_EQ(dialog.GetDlgItemTextW(dtext::IDC_FULL_MODE), u">>");
    EXPECT_FALSE(dialog.GetDlgItem(dtext::IDC_HEIGHT)->IsWindowVisible());
    EXPECT_TRUE(dialog.GetDlgItem(dtext::IDC_TEXT_LINE)->IsWindowVisible());
    int compactHeight = dialog.GetWindowRect().Height();
    auto buttonTop = [&] { return dialog.GetDlgItem(zn::ui::IDOK)->GetRectInParent().top; };
    EXPECT_EQ(buttonTop(), dialog.GetDlgItem(dtext::IDC_TEXT_LINE)->GetRectInParent().bottom + 15);

    dialog.SendMessage(zn::ui::WM_COMMAND,
                       zn::ui::MAKEWPARAM(dtext::IDC_FULL_MODE, zn::ui::BN_CLICKED), 0);
    EXPECT_EQ(dialog.GetDlgItemTextW(dtext::IDC_FULL_MODE), u"<<");
    EXPECT_TRUE(dialog.GetDlgItem(dtext::IDC_HEIGHT)->IsWindowVisible());
    EXPECT_EQ(buttonTop(), dialog.GetDlgItem(dtext::IDC_ANGLE)->GetRectInParent().bottom + 15);
    EXPECT_GT(dialog.GetWindowRect().Height(), compactHeight);
    int addLeft = dialog.GetDlgItem(dtext::IDC_ADD)->GetRectInParent().left;
    EXPECT_EQ(addLeft, dialog.GetDlgItem(dtext::IDC_FULL_MODE)->GetRectInParent().right + 5);
}

TEST_F(DText, EveryAlignmentButtonGivesItsRowAndColumn) {
    std::string script = "click 32974\n";
    for (int button = 0; button < 9; ++button) {
        script += "click " + std::to_string(32963 + button) + "\nclick 32931\n";
        if (button == 0)
            script += "point 0 0\npoint 1 0\n";
    }
    RunDText(script + "click 2\n");
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 9u);
    for (int button = 0; button < 9; ++button) {
        EXPECT_EQ(texts[button]->GetRecord().verticalAlignment, button / 3) << button;
        EXPECT_EQ(texts[button]->GetRecord().horizontalAlignment, button % 3) << button;
    }
}

TEST_F(DText, ThePictureAsksForTheAlignmentPoint) {
    RunDText(R"s(
click 32974
click 32976
click 32966
click 1
click 32931
point 0 0
point 1 0
click 32976
click 2
click 1
)s");
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0]->GetRecord().verticalAlignment, 1);
    EXPECT_EQ(Texts()[0]->GetRecord().horizontalAlignment, 1);
}

TEST_F(DText, FitStretchesTheTextBetweenTwoPickedPoints) {
    RunDText(R"s(
click 32974
click 32961
click 32931
point 10 20
point 40 60
click 2
)s");
    ASSERT_EQ(Texts().size(), 1u);
    const ZnsDTextRecord& record = Texts()[0]->GetRecord();
    EXPECT_TRUE(At(record.origin, 10, 20, 0));
    EXPECT_NEAR(record.width, 50, 1e-12);
    EXPECT_NEAR(record.direction.x, 0.6, 1e-12);
    EXPECT_NEAR(record.direction.y, 0.8, 1e-12);
    EXPECT_EQ(record.horizontalAlignment, 0);
    EXPECT_EQ(record.verticalAlignment, 2);

    // The preview ran from the first point to the cursor, one box height high.
    const auto& preview = Host().ObjManager().LastPreview();
    ASSERT_EQ(preview.size(), 1u);
    ASSERT_EQ(preview[0].size(), 5u);
    EXPECT_TRUE(At(preview[0][0], 10, 20, 0));
    EXPECT_TRUE(At(preview[0][1], 40, 60, 0));
    EXPECT_TRUE(At(preview[0][2], 40 - 0.8 * 5, 60 + 0.6 * 5, 0));
}

TEST_F(DText, FitClearsTheGridAndTheMeasuredWidthStays) {
    RunDText("click 32974\nclick 32961\nclick 32942\npoint 0 0\npoint 30 0\nclick 1\n");
    ASSERT_EQ(Texts().size(), 1u);
    res::ModuleResourceScope resources;
    CDTextDlg reopened;
    ASSERT_TRUE(reopened.Create(res::IDD_DTEXT));
    EXPECT_EQ(reopened.State().measuredWidth, 30.0);
    EXPECT_TRUE(reopened.IsDlgButtonChecked(dtext::IDC_FIT));
    EXPECT_EQ(reopened.GetCheckedRadioButton(dtext::IDC_ALIGN_FIRST, dtext::IDC_ALIGN_FIRST + 8),
              0);
    ASSERT_TRUE(reopened.ReadBack());
    EXPECT_EQ(reopened.State().record.width, 30.0);
    reopened.CheckDlgButton(dtext::IDC_FIT, 0);
    ASSERT_TRUE(reopened.ReadBack());
    EXPECT_EQ(reopened.State().record.width, 0.0);
}

TEST_F(DText, ThePreviewStandsOnTheAlignmentPoint) {
    RunDText("click 32974\nclick 32971\nclick 32942\npoint 100 100\npick cancel\nclick 2\n");
    const auto& preview = Host().ObjManager().LastPreview();
    ASSERT_EQ(preview.size(), 1u);
    // Bottom right: the box lies left of the point, on it.
    EXPECT_TRUE(At(preview[0][1], 100, 100, 0));
    EXPECT_LT(preview[0][0].x, 100);
}

TEST_F(DText, ACancelledPickMakesNothingAndKeepsTheDialog) {
    RunDText(R"s(
type Nothing
click 32931
pick cancel
click 32931
point 5 5
pick cancel
click 2
)s");
    EXPECT_TRUE(Texts().empty());

    // A cancelled Specify location keeps the place picked before.
    RunDText(R"s(
click 32974
click 32942
point 7 8
point 9 8
click 32942
pick cancel
click 1
)s");
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_TRUE(At(Texts()[0]->GetRecord().origin, 7, 8, 0));
}

TEST_F(DText, AnIntervalOrHeightThatDoesNotParseIsRefused) {
    RunDText(R"s(
click 32974
click 32941
key End
key Shift+Home
type tall
click 32931
answer ok
click 32939
key End
key Shift+Home
type wide
key Tab
answer ok
click 2
)s");
    EXPECT_TRUE(Texts().empty()) << "nothing was added with a bad height";
    const auto& boxes = zn::ui::RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, u"Please enter a number.");
    EXPECT_EQ(boxes[1].text, u"Please enter a number.");

    res::ModuleResourceScope resources;
    CDTextDlg dialog;
    ASSERT_TRUE(dialog.Create(res::IDD_DTEXT));
    dialog.SetDlgItemTextW(dtext::IDC_HEIGHT, u"2,5");
    EXPECT_FALSE(dialog.ReadBack());
    EXPECT_EQ(dialog.GetDlgItemTextW(dtext::IDC_HEIGHT), u"5") << "the old value is back";
    EXPECT_EQ(dialog.State().record.height, 5.0);
    dialog.SetDlgItemTextW(dtext::IDC_INTERVAL, u"1.2y");
    EXPECT_FALSE(dialog.ReadBack());
    EXPECT_EQ(dialog.GetDlgItemTextW(dtext::IDC_INTERVAL), u"Single (1x)");
}

TEST_F(DText, AnglesAndObliqueReadBackAsRadiansOfTheDrawingPlane) {
    res::ModuleResourceScope resources;
    CDTextDlg dialog;
    ASSERT_TRUE(dialog.Create(res::IDD_DTEXT));
    dialog.SetDlgItemTextW(dtext::IDC_ANGLE, u"-90");
    dialog.SetDlgItemTextW(dtext::IDC_OBLIQUE, u"15");
    ASSERT_TRUE(dialog.ReadBack());
    EXPECT_NEAR(dialog.State().record.direction.x, 0, 1e-12);
    EXPECT_NEAR(dialog.State().record.direction.y, -1, 1e-12);
    EXPECT_NEAR(dialog.State().record.oblique, 15 * M_PI / 180, 1e-12);
    dialog.ShowValues();
    EXPECT_EQ(dialog.GetDlgItemTextW(dtext::IDC_ANGLE), u"-90");
    EXPECT_EQ(dialog.GetDlgItemTextW(dtext::IDC_OBLIQUE), u"15");
    dialog.SetDlgItemTextW(dtext::IDC_ANGLE, u"540");
    ASSERT_TRUE(dialog.ReadBack());
    dialog.ShowValues();
    EXPECT_EQ(dialog.GetDlgItemTextW(dtext::IDC_ANGLE), u"180");
}

TEST_F(DText, TextHandedOverGoesInPlaceOfTheSelection) {
    res::ModuleResourceScope resources;
    CDTextDlg dialog;
    ASSERT_TRUE(dialog.Create(res::IDD_DTEXT));
    dialog.ReceiveText(u"M10\\Px");
    ASSERT_TRUE(dialog.ReadBack());
    EXPECT_EQ(dialog.State().record.text, u"M10\\Px") << "the opening text was selected";
}

TEST_F(DText, TheCalculatorInsertsItsResultIntoTheTextLine) {
    RunDText(R"s(
key End
click 32945
click 1009
click 1021
click 1012
click 1028
click 1056
click 32931
point 0 0
point 1 0
click 2
)s");
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0]->GetRecord().text, u"Text12") << "4 * 3, inserted at the caret";
}

ZnsStringW diameterSymbol(void*, const char16_t* helpTopic, const char16_t*, bool, std::int32_t,
                          std::int32_t) {
    return ZnsStringW(u"%%c[") + helpTopic + u"]";
}

TEST_F(DText, TheSymbolButtonInsertsThePickedSymbol) {
    ZnsShowSpecSymbolsFunction picker = &diameterSymbol;
    zn::loader::RegisterModule(u"znCoreSymbols.dll",
                               {{"ZnShowSpecSymbols", reinterpret_cast<void*>(picker)}});
    RunDText("key End\nclick 32803\nclick 32931\npoint 0 0\npoint 1 0\nclick 2\n");
    ASSERT_EQ(Texts().size(), 1u);
    // After the caret, as the converter puts the symbol's code into the line.
    const ZnsStringW& text = Texts()[0]->GetRecord().text;
    EXPECT_EQ(text.substr(0, 4), u"Text");
    EXPECT_EQ(text.substr(5), u"[ZNS_HELP_DTEXT]");
    EXPECT_NE(text[4], u'%');
}

TEST_F(DText, LeavingTheIntervalShowsWhatWasUnderstood) {
    RunDText(R"s(
click 32974
click 32939
key End
key Shift+Home
type 0.66665
key Tab
click 32939
key End
key Shift+Home
type 1.2 x
key Tab
click 1
point 0 0
point 1 0
)s");
    res::ModuleResourceScope resources;
    CDTextDlg reopened;
    ASSERT_TRUE(reopened.Create(res::IDD_DTEXT));
    EXPECT_NEAR(reopened.State().spacingFactor, 1.2, 1e-12);
    EXPECT_EQ(reopened.GetDlgItemTextW(dtext::IDC_INTERVAL), u"0.39999(1.2x)");
}

TEST_F(DText, F1AndTheHelpButtonShowItsTopic) {
    RunDText("key F1\nclick 57670\nclick 2\n");
    int shown = 0;
    for (const simhost::HostEvent& event : Host().Notifications().Events())
        if (event.kind == simhost::HostEvent::Kind::Help) {
            EXPECT_EQ(event.text, u"ZNS_HELP_DTEXT");
            ++shown;
        }
    EXPECT_EQ(shown, 2);
}

TEST(LineInterval, NamedEntriesAndNumbersBothWays) {
    res::ModuleResourceScope resources;
    const std::pair<double, const char16_t*> named[] = {
        {1.0, u"Single (1x)"}, {1.5, u"1.5 lines (1.5x)"}, {2.0, u"Double (2x)"}};
    for (auto [factor, text] : named) {
        EXPECT_EQ(dtext::FormatLineInterval(factor), text);
        EXPECT_EQ(dtext::ParseLineInterval(text), factor) << zn::toUtf8(text);
    }
    EXPECT_NEAR(*dtext::ParseLineInterval(u"0.66665"), 2.0, 1e-12) << "a distance";
    EXPECT_EQ(dtext::ParseLineInterval(u"1.2x"), 1.2);
    EXPECT_EQ(dtext::ParseLineInterval(u" 3 X "), 3.0);
    EXPECT_EQ(dtext::FormatLineInterval(1.2), u"0.39999(1.2x)");
    EXPECT_EQ(dtext::ParseLineInterval(u"0.39999(1.2x)"), 1.2) << "what is shown reads back";
    EXPECT_EQ(dtext::FormatLineInterval(1.23456), u"0.41151(1.23x)");
    for (const char16_t* bad : {u"", u"x", u"abc", u"1,5", u"1.2y", u"(2x)", u"1(2)"})
        EXPECT_FALSE(dtext::ParseLineInterval(bad)) << zn::toUtf8(bad);
}

} // namespace
