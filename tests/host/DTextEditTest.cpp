// "DText" on a selected single-line text, the stored texts it reads or leaves, and the
// drawing that refuses changes.
#include "dtext/DTextCommand.h"
#include "dtext/DTextState.h"
#include "dtext/LineInterval.h"
#include "host/Services.h"
#include "tests/host/DTextFixture.h"

namespace {

using DTextEditing = DTextFixture;

simhost::SingleLineText* appendText(const ZnsDTextRecord& record, std::int32_t color) {
    ZnPtr<simhost::SingleLineText> text =
        ZnPtr<simhost::SingleLineText>::Adopt(new simhost::SingleLineText);
    text->SetRecord(record);
    text->SetColor(color);
    EXPECT_EQ(gpZnObjManager->Append(text.get(), nullptr), S_OK);
    return text.get();
}

TEST_F(DTextEditing, ASelectedTextIsReplacedInPlaceThenFollowedByNewLines) {
    RunDText("type Stored elsewhere\nclick 1\npoint 0 0\npoint 1 0\n");
    ZnsDTextRecord record;
    record.text = u"Old";
    record.style = u"Standard";
    record.origin = {50, 60, 0};
    record.height = 3.5;
    simhost::SingleLineText* old = appendText(record, 0x00FF00);
    znsWorkID oldId = old->GetId();
    Host().Documents().Active()->Selection() = {oldId};
    std::size_t before = Texts().size();

    RunDText("key End\ntype er\nclick 32931\ntype Next\nclick 32931\nclick 2\n");
    auto texts = Texts();
    ASSERT_EQ(texts.size(), before + 1) << "the old one went, two came";
    EXPECT_EQ(Host().ActiveDrawing()->Find(oldId), nullptr);
    const ZnsDTextRecord& replaced = texts[texts.size() - 2]->GetRecord();
    EXPECT_EQ(replaced.text, u"Older") << "the object's text, not the stored one";
    EXPECT_EQ(replaced.origin, record.origin) << "no pick: it stays where it was";
    EXPECT_EQ(replaced.height, 3.5);
    EXPECT_EQ(texts[texts.size() - 2]->GetColor(), 0x00FF00);
    EXPECT_EQ(texts.back()->GetRecord().text, u"Next");
    EXPECT_NEAR(texts.back()->GetRecord().origin.y, 60 - 3.5 * 1.66, 1e-9);
}

TEST_F(DTextEditing, EmptyStoredTextsKeepTheDefaults) {
    ZnPtr<IZnSettingsSection> settings = dtext::OpenDTextSettings();
    ASSERT_TRUE(settings);
    settings->WriteString(u"text", u"");
    settings->WriteString(u"spacingType", u"");
    settings->WriteDouble(u"height", 2.5);
    dtext::DTextState state = dtext::DTextState::Defaults();
    state.Load(*settings, true);
    EXPECT_EQ(state.record.text, u"Text");
    EXPECT_EQ(state.spacingType, u"At least");
    EXPECT_EQ(state.record.height, 2.5);

    settings->WriteString(u"text", u"Stored");
    dtext::DTextState editing = dtext::DTextState::Defaults();
    editing.Load(*settings, false);
    EXPECT_EQ(editing.record.text, u"Text") << "an edited object keeps its own text";
    EXPECT_EQ(editing.record.flags & dtext::kRecordTextFromSettings, 0u);
}

TEST_F(DTextEditing, StateSurvivesTheSettingsFile) {
    dtext::DTextState state = dtext::DTextState::Defaults();
    state.record.origin = {1.25, -3, 1e-7};
    state.record.direction = {0, -1, 0};
    state.record.horizontalAlignment = 2;
    state.record.verticalAlignment = 0;
    state.record.oblique = dtext::kIntervalPerFactor;
    state.color = 0x123456;
    state.spacingType = u"Exactly";
    state.spacingFactor = 1.75;
    state.measuredWidth = 12.5;
    state.fullMode = true;
    state.Store(*dtext::OpenDTextSettings());
    dtext::DTextState read = dtext::DTextState::Defaults();
    read.Load(*dtext::OpenDTextSettings(), true);
    read.record.flags = 0;
    EXPECT_EQ(read.record, state.record);
    EXPECT_EQ(read.color, state.color);
    EXPECT_EQ(read.spacingType, state.spacingType);
    EXPECT_EQ(read.spacingFactor, state.spacingFactor);
    EXPECT_EQ(read.measuredWidth, state.measuredWidth);
    EXPECT_TRUE(read.fullMode);
}

TEST_F(DTextEditing, AReadOnlyDrawingRunsNoDialog) {
    Host().ActiveDrawing()->SetReadOnly(true);
    EXPECT_NO_THROW(RunDText("")) << "no dialog waited for the user";
    EXPECT_EQ(dtext::RunDText(nullptr), E_FAIL);
    EXPECT_TRUE(Host().Context().OpenDialogs().empty());
}

} // namespace
