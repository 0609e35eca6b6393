// Host multiline text read into the control: every code of the table, reference spans with
// the link list, and real-world strings from the shared corpus.
#include <filesystem>
#include <fstream>
#include <random>

#include "tests/editor/ReqpadFixture.h"

namespace editor::test {
namespace {

namespace fs = std::filesystem;
using zn::richedit::CharFormat;

class MultilineTest : public ReqpadTest {
protected:
    void read(std::u16string_view mtext) {
        ASSERT_EQ(pad.SetContent(ZnsStringW(mtext), kContentMultiline), 1);
    }
    CharFormat formatOf(std::u16string_view what) const {
        int start = at(what);
        EXPECT_GE(start, 0) << zn::toUtf8(what);
        return pad.GetCharFormat(start, start + int(what.size()));
    }
    int offsetOf(std::u16string_view what) const { return formatOf(what).offset; }
};

TEST_F(MultilineTest, PlainCodesBecomeCharacters) {
    read(u"a\\Pb %%c10 \\\\ \\{x\\} \\U+2205 \\~t \\fArial|b0;f \\Lu\\l \\C1c \\q");
    EXPECT_EQ(text(), u"a\rb \u045C10 \\ {x} \\U+2205 \tt f u c \\q");
    EXPECT_FALSE(pad.GetModify());
}

TEST_F(MultilineTest, StacksAreRaisedAndLowered) {
    read(u"A\\S^low;B\\Shigh^;\\H1.33x;C\\S1/2;D\\S3^4;E\\H2x;(\\H.5x;F\\H2x;)\\H.5x;");
    EXPECT_EQ(text(), u"AlowBhighC1|2D34E(F)");
    EXPECT_EQ(offsetOf(u"low"), -88);
    EXPECT_EQ(formatOf(u"low").height, 150);
    EXPECT_EQ(offsetOf(u"high"), 88);
    EXPECT_EQ(offsetOf(u"1"), 88);
    EXPECT_EQ(offsetOf(u"|"), 0);
    EXPECT_EQ(offsetOf(u"2"), -88);
    EXPECT_EQ(offsetOf(u"3"), 88);
    EXPECT_EQ(offsetOf(u"4"), -88);
    EXPECT_EQ(formatOf(u"E(F)").offset, 0);
    EXPECT_EQ(formatOf(u"E(F)").height, 200);
}

TEST_F(MultilineTest, ItemNumbersAtLineStartsGetTheNumberFormat) {
    read(u"Header\\P1. first\\P7. second\\A1;5. third 3. not");
    EXPECT_EQ(text(), u"Header\r1. first\r2. second5. third 3. not");
    CharFormat number = formatOf(u"2. ");
    EXPECT_TRUE(number.effects & zn::richedit::CFE_PROTECTED);
    EXPECT_TRUE(number.effects & zn::richedit::CFE_BOLD);
    EXPECT_EQ(number.color, pad.m_numberColor);
    EXPECT_FALSE(formatOf(u"second").effects & zn::richedit::CFE_BOLD);
    EXPECT_TRUE(formatOf(u"5. ").effects & zn::richedit::CFE_BOLD) << "a prefix behind a code";
    EXPECT_FALSE(formatOf(u"3. ").effects & zn::richedit::CFE_BOLD);
    EXPECT_EQ(pad.ItemCount(), 2);
}

TEST_F(MultilineTest, ReferenceSpansTakeTheLinkListInOrder) {
    pad.m_specLinks = {{znsWorkID::Numbered(4), u"pos. 2"},
                       {znsWorkID::Null(), u"gone"},
                       {znsWorkID::Numbered(9), u"pos. 5"},
                       {znsWorkID::Numbered(11), u"never read"}};
    agent.AddScript("answer ok");
    read(u"see \\H1.02x;old text\\H0.98x; and \\H1.02x;x\\H0.98x;, \\H1.02x;y\\H0.98x;.");
    EXPECT_EQ(text(), u"see <spcref id=\"4\">pos. 2</spcref> and , <spcref id=\"9\">pos. 5</spcref>.");
    CharFormat tag = formatOf(u"<spcref id=\"4\">");
    EXPECT_EQ(tag.effects & 0x1920u, 0x1920u) << "hidden, emboss, imprint, link";
    EXPECT_EQ(formatOf(u"pos. 2").effects & 0x1920u, 0x1020u) << "imprint and link";
    EXPECT_EQ(pad.m_specLinks.size(), 3u) << "entries beyond the spans read go";
    ASSERT_EQ(zn::ui::RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(zn::ui::RecordedMessageBoxes()[0].text,
              u"Lost link.\nPerhaps, the object linked to specification deleted!");
}

TEST_F(MultilineTest, UnterminatedCodesAreKeptAsText) {
    read(u"\\S1/2 and \\q");
    EXPECT_EQ(text(), u"\\S1/2 and \\q");
    read(u"ends with \\");
    EXPECT_EQ(text(), u"ends with \\");
}

TEST_F(MultilineTest, RandomCodeSoupNeverBreaksTheText) {
    const std::u16string_view pieces[] = {u"\\P", u"\\S", u"^", u";", u"/", u"\\H1.02x;",
                                          u"\\H0.98x;", u"%%c", u"\\", u"{", u"}", u"1. ",
                                          u"ab", u"\\U+", u"\\~", u"\\H2x;(\\H.5x;", u"7",
                                          u"\\C", u"\\L", u"x;"};
    std::mt19937 random(20261206);
    // Whether a span lacks its link depends on the soup: every notice is simply confirmed.
    struct ConfirmsNotices : zn::ui::ScriptedAgent {
        int AnswerMessageBox(std::u16string_view, std::u16string_view, unsigned) override {
            return zn::ui::IDOK;
        }
    } user;
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&user);
    for (int round = 0; round < 300; ++round) {
        ZnsStringW soup;
        for (int i = int(random() % 24); i > 0; --i)
            soup += pieces[random() % std::size(pieces)];
        pad.m_specLinks = {{znsWorkID::Numbered(3), u"pos. 1"}};
        ASSERT_EQ(pad.SetContent(soup, kContentMultiline), 1) << zn::toUtf8(soup);
        EXPECT_LE(pad.m_specLinks.size(), 1u);
        ZnsStringW rtf;
        ASSERT_EQ(pad.GetContent(rtf, kContentRtf), 1);
        CReqpad reread;
        ASSERT_TRUE(reread.Create(zn::ui::WS_VISIBLE, {0, 0, 300, 200}, &owner, 12017));
        EXPECT_EQ(reread.SetContent(rtf, kContentRtf), 1) << zn::toUtf8(soup);
        reread.DestroyWindow();
    }
    zn::ui::SetUserAgent(previous);
}

// The corpus lies beside the clone (or beside the folder of work trees).
std::optional<fs::path> corpusFile() {
    for (const char* up : {"..", "../.."}) {
        fs::path file = fs::path(REQPAD_SOURCE_DIR) / up / "shared/corpus/mtext/corpus.tsv";
        if (fs::is_regular_file(file))
            return file;
    }
    return std::nullopt;
}

std::string unescapeField(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size() && std::string("tnr").find(field[i + 1]) != std::string::npos) {
            out += field[i + 1] == 't' ? '\t' : field[i + 1] == 'n' ? '\n' : '\r';
            ++i;
        } else {
            out += field[i];
        }
    }
    return out;
}

// Drawing files escape some characters with a caret; the host hands them over decoded.
std::string decodeCarets(const std::string& raw) {
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '^' && i + 1 < raw.size() && std::string("IJ ").find(raw[i + 1]) != std::string::npos) {
            out += raw[i + 1] == 'I' ? '\t' : raw[i + 1] == 'J' ? '\n' : '^';
            ++i;
        } else {
            out += raw[i];
        }
    }
    return out;
}

// Words of two or more letters or digits that the raw string also spells out.
std::vector<std::u16string> literalWords(const std::u16string& plain, const std::u16string& raw) {
    auto wordChar = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
               (c >= u'\u0400' && c <= u'\u04FF');
    };
    std::vector<std::u16string> words;
    std::u16string word;
    for (size_t i = 0; i <= plain.size(); ++i) {
        if (i < plain.size() && wordChar(plain[i])) {
            word += plain[i];
            continue;
        }
        if (word.size() >= 2 && raw.find(word) != std::u16string::npos)
            words.push_back(word);
        word.clear();
    }
    return words;
}

TEST_F(MultilineTest, CorpusStringsReadWithoutLosingWords) {
    std::optional<fs::path> file = corpusFile();
    if (!file)
        GTEST_SKIP() << "no multiline-text corpus beside the clone";
    std::ifstream in(*file);
    std::string line;
    std::getline(in, line); // the header
    int rows = 0, checkedWords = 0;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        for (size_t start = 0;;) {
            size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        ASSERT_GE(fields.size(), 4u) << line;
        ++rows;
        std::string raw = unescapeField(fields[1]);
        if (fields[3].rfind("[api]", 0) != 0)
            raw = decodeCarets(raw);
        ZnsStringW mtext = zn::fromUtf8(raw);
        ASSERT_EQ(pad.SetContent(mtext, kContentMultiline), 1) << raw;
        ZnsStringW shown = pad.GetText();
        for (const std::u16string& word : literalWords(zn::fromUtf8(unescapeField(fields[2])), mtext)) {
            EXPECT_NE(shown.find(word), ZnsStringW::npos)
                << "row " << rows << ": \"" << zn::toUtf8(word) << "\" lost from " << raw;
            ++checkedWords;
        }
    }
    EXPECT_GT(rows, 40);
    EXPECT_GT(checkedWords, 30) << "rows with the text their source expects";
}

} // namespace
} // namespace editor::test
