// Specification references in the editor: inserted from the record picker, kept whole while
// the user edits, brought up to date on load, and left out of exported files.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "editor/SpecReference.h"
#include "platform/ui/Input.h"
#include "tests/editor/ReqpadFixture.h"
#include "tests/editor/SiblingFakes.h"

namespace editor::test {
namespace {

using zn::richedit::CharFormat;

class ReferencesTest : public ReqpadTest {
protected:
    void SetUp() override {
        ReqpadTest::SetUp();
        fakes.document.records[5] = {3, u"B2"};
        fakes.document.records[6] = {0, u""};
        pad.m_allowedInserts = kAllowPosition;
    }
    void command(zn::ui::UINT id) { pad.SendMessage(zn::ui::WM_COMMAND, id, 0); }
    // Loads RTF that a control with these references wrote.
    void loadWithReferences(std::u16string_view before, std::vector<std::pair<int, const char16_t*>> refs) {
        CReqpad writer;
        ASSERT_TRUE(writer.Create(zn::ui::WS_VISIBLE, {0, 0, 300, 200}, &owner, 12016));
        writer.ReplaceSel(before);
        for (auto [id, visible] : refs) {
            WriteReference(writer, id, visible);
            writer.ReplaceSel(u" ");
        }
        std::string rtf = writer.GetRtf(false);
        writer.DestroyWindow();
        ASSERT_EQ(pad.SetContent(zn::fromUtf8(rtf), kContentRtf), 1);
    }

    SiblingFakes fakes;
};

TEST_F(ReferencesTest, APickedRecordBecomesThreeRunsAndALink) {
    load(u"1. Steel");
    agent.AddScript("record 5");
    command(ID_INSERT_POSITION);
    EXPECT_EQ(text(), u"1. Steel <spcref id=\"5\">pos. 3</spcref> ");
    EXPECT_EQ(pad.GetSelStart(), at(u"</spcref>") + 9) << "behind the closing tag";
    EXPECT_EQ(pad.m_specLinks, (ZnsArray<ZnsLink>{{znsWorkID::Numbered(5), u"pos. 3"}}));
    const std::uint32_t marks = 0x1920;
    EXPECT_EQ(pad.GetCharFormat(at(u"<spcref"), at(u"pos.")).effects & marks, marks);
    EXPECT_EQ(pad.GetCharFormat(at(u"pos."), at(u"</")).effects & marks, 0x1020u);
    EXPECT_EQ(pad.GetCharFormat(at(u"</"), at(u"</") + 9).effects & marks, marks);
    EXPECT_TRUE(pad.m_undoAvailable);

    // A record without a position number, typed into the middle: the list stays in text order.
    pad.SetSel(3, 3);
    agent.AddScript("record 6");
    command(ID_INSERT_POSITION);
    EXPECT_EQ(pad.m_specLinks, (ZnsArray<ZnsLink>{{znsWorkID::Numbered(6), u"pos. "},
                                                  {znsWorkID::Numbered(5), u"pos. 3"}}));
}

TEST_F(ReferencesTest, CancelledOrRefusedInsertsChangeNothing) {
    load(u"1. Steel");
    pad.m_undoAvailable = 0;
    agent.AddScript("pick cancel");
    command(ID_INSERT_POSITION);
    EXPECT_EQ(text(), u"1. Steel");
    EXPECT_FALSE(pad.m_undoAvailable) << "a cancelled picker takes no snapshot";

    pad.m_allowedInserts = 0;
    command(ID_INSERT_POSITION); // the script has nothing to answer with
    EXPECT_EQ(text(), u"1. Steel");

    pad.m_allowedInserts = kAllowPosition;
    zn::loader::UnregisterModule(u"SpecificationDlg.dll");
    agent.AddScript("answer ok");
    command(ID_INSERT_POSITION);
    ASSERT_EQ(zn::ui::RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(zn::ui::RecordedMessageBoxes()[0].text, u"SpecificationDlg.dll can't be loaded.");
    EXPECT_EQ(text(), u"1. Steel");
}

TEST_F(ReferencesTest, EditsTakeReferencesWholeAndTheLinkListFollows) {
    load(u"1. Steel");
    agent.AddScript("record 5");
    command(ID_INSERT_POSITION);
    ZnsStringW withReference = text();

    int inside = at(u"pos.") + 2;
    pad.SelectReferenceAt(inside);
    EXPECT_EQ(pad.GetSelStart(), at(u"<spcref"));
    EXPECT_EQ(pad.GetSelEnd(), at(u"</spcref>") + 9);

    // Backspace right behind the reference: its last character is part of the closing tag.
    pad.SetSel(at(u"</spcref>") + 9, at(u"</spcref>") + 9);
    run("key Back");
    EXPECT_EQ(text(), u"1. Steel  ");
    EXPECT_TRUE(pad.m_specLinks.empty());

    run("key Ctrl+Z");
    EXPECT_EQ(text(), withReference);
    // A typed character over a selection from the middle of the visible text onwards.
    pad.SetSel(at(u"pos.") + 2, pad.GetTextLength());
    run("type x");
    EXPECT_EQ(text(), u"1. Steel x");
    EXPECT_TRUE(pad.m_specLinks.empty());
}

TEST_F(ReferencesTest, LoadWithoutLinksRefreshesOrDropsEachReference) {
    fakes.document.records[5] = {4, u"B2"}; // renumbered since the text was written
    loadWithReferences(u"1. See ", {{5, u"pos. 3"}, {8, u"pos. 7"}, {0, u"pos. 9"}});
    EXPECT_EQ(text(), u"1. See <spcref id=\"5\">pos. 4</spcref> pos. 7 pos. 9 ");
    CharFormat gone = pad.GetCharFormat(at(u"pos. 7"), at(u"pos. 7") + 6);
    EXPECT_EQ(gone.color, 255u);
    EXPECT_EQ(gone.effects & 0x1920u, 0u) << "plain text, no marks";
    EXPECT_EQ(pad.m_specLinks, (ZnsArray<ZnsLink>{{znsWorkID::Numbered(5), u"pos. 4"}}));
    ASSERT_EQ(fakes.notifier.notices.size(), 1u) << "one notice for both dropped references";
    EXPECT_EQ(fakes.notifier.notices[0].text,
              u"Some objects linked with technical conditions do not exist anymore.\nLinks will be dropped.");
    EXPECT_TRUE(pad.GetModify());
}

TEST_F(ReferencesTest, LoadWithLinksFillsRedPlaceholders) {
    CReqpad writer;
    ASSERT_TRUE(writer.Create(zn::ui::WS_VISIBLE, {0, 0, 300, 200}, &owner, 12016));
    writer.ReplaceSel(u"1. Pos (a), gone {b}, view (c), kept (d)");
    CharFormat red;
    red.mask = zn::richedit::CFM_COLOR;
    red.color = 255;
    for (const char16_t* placeholder : {u"(a)", u"{b}", u"(c)"}) {
        int start = int(writer.GetText().find(placeholder));
        writer.SetCharFormat(start, start + 3, red);
    }
    std::string rtf = writer.GetRtf(false);
    writer.DestroyWindow();

    pad.m_specLinks = {{znsWorkID::Numbered(5), u"pos. 3"},
                       {znsWorkID::Null(), u"lost"},
                       {znsWorkID::ForObject(1, 2, 40), u"A-A"}};
    ASSERT_EQ(pad.SetContent(zn::fromUtf8(rtf), kContentRtf), 1);
    EXPECT_EQ(text(), u"1. Pos <spcref id=\"5\">pos. 3</spcref>, gone , view A-A, kept (d)");
    EXPECT_EQ(pad.m_specLinks.size(), 2u) << "the entry without target is dropped";
    ASSERT_EQ(pad.GetObjectLinks().size(), 1u);
    EXPECT_EQ(pad.GetObjectLinks()[0].flags, zn::ui::kLinkFlagView);
    EXPECT_EQ(fakes.notifier.notices.size(), 1u);
}

TEST_F(ReferencesTest, StoredReferencesAreReadAsSpecificationReferences) {
    ZnsStringW stored = u"x <ref obj=\"Specification\" id=\"5\">pos. 3</ref> <ref obj=\"View\">A</ref>";
    CReqpad::RewriteIncomingReferences(stored);
    EXPECT_EQ(stored, u"x <spcref id=\"5\">pos. 3</spcref> <ref obj=\"View\">A</ref>");
}

TEST_F(ReferencesTest, ExportedFilesCarryNoTags) {
    load(u"1. Steel");
    agent.AddScript("record 5");
    command(ID_INSERT_POSITION);
    ZnsStringW before = text();
    std::string path = (std::filesystem::temp_directory_path() /
                        ("reqpad-export-test-" + std::to_string(::getpid()) + ".rtf"))
                           .string();
    std::filesystem::remove(path);
    agent.AddScript("answer ok\nfile " + path);
    command(ID_FILE_SAVE);
    EXPECT_EQ(zn::ui::RecordedMessageBoxes().at(0).text, u"There will be no links in export file.");
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_EQ(bytes.find("spcref"), std::string::npos);
    EXPECT_NE(bytes.find("pos. 3"), std::string::npos);
    EXPECT_EQ(text(), before) << "the control keeps its references";

    // Read back: the visible text, renumbered.
    pad.SetSel(0, -1);
    agent.AddScript("file " + path);
    command(ID_FILE_OPEN);
    EXPECT_EQ(text(), u"1. Steel pos. 3 ");
    EXPECT_TRUE(pad.GetModify());

    agent.AddScript("answer ok");
    EXPECT_FALSE(pad.SaveRtfFile("/nonexistent/dir/x.rtf"));
    EXPECT_EQ(zn::ui::RecordedMessageBoxes().back().text,
              u"Cannot open file.\n Perhaps, it is used by another application.");

    // A file that is not RTF leaves the text as it was.
    std::ofstream(path) << "plain words";
    agent.AddScript("answer ok");
    EXPECT_FALSE(pad.LoadRtfFile(path));
    EXPECT_EQ(text(), u"1. Steel pos. 3 ");
    std::filesystem::remove(path);
}

} // namespace
} // namespace editor::test
