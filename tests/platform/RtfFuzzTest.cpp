// Robustness of the RTF reader: mutated and truncated documents never crash it, and what it
// reads always loads into a consistent model.
#include <gtest/gtest.h>

#include <random>

#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfReader.h"

using namespace zn::richedit;

TEST(RtfFuzz, MutatedDocumentsReadIntoConsistentModels) {
    RichEditModel source;
    source.ReplaceSel(u"1. Сталь 45 ≤ 50\t{x}\r2. \\par item\rlast");
    CharFormat bold;
    bold.mask = CFM_BOLD | CFM_PROTECTED | CFM_OFFSET;
    bold.effects = CFE_BOLD | CFE_PROTECTED;
    bold.offset = 88;
    source.SetCharFormat(0, 3, bold);
    const std::string seed =
        source.GetRtf() + "{\\*\\x{\\bin3 }}}\\uc2\\u-1\\'e0\\'\\fonttbl{\\f9\\fcharset128 \\'82;}";
    const std::string alphabet = "{}\\'0123456789abcdef-*; \r\nuc\xe0\x82";
    std::mt19937 random(42);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = seed;
        const int edits = std::uniform_int_distribution<int>(1, 8)(random);
        for (int e = 0; e < edits; ++e) {
            const size_t at = std::uniform_int_distribution<size_t>(0, bytes.size())(random);
            switch (std::uniform_int_distribution<int>(0, 3)(random)) {
            case 0:
                bytes.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            case 1:
                if (at < bytes.size())
                    bytes.erase(at, 1);
                break;
            case 2:
                bytes.resize(at); // truncated
                break;
            default:
                if (at < bytes.size())
                    bytes[at] = char(random());
                break;
            }
        }
        RichText text;
        if (!zn::rtf::Read(bytes, text))
            continue;
        int covered = 0;
        for (const RichText::Run& run : text.runs) {
            ASSERT_GT(run.length, 0);
            covered += run.length;
        }
        ASSERT_EQ(covered, int(text.text.size()));
        ASSERT_EQ(text.paragraphs.size(),
                  size_t(std::count(text.text.begin(), text.text.end(), u'\r')) + 1);
        RichEditModel model;
        ASSERT_TRUE(model.StreamInRtf(bytes, false));
        ASSERT_NO_THROW(model.Check());
    }
    // Deep nesting is bounded, not recursive.
    RichText deep;
    EXPECT_TRUE(zn::rtf::Read("{\\rtf1 " + std::string(200000, '{') + "x", deep));
    EXPECT_EQ(deep.text, u"x");
}

// Found by mutation: a parameter of nine or more digits overflowed on its way to twips.
TEST(RtfFuzz, HugeParametersSaturate) {
    for (const char* word : {"fs", "up", "dn", "li", "fi", "sl", "sa", "znheight"})
        for (const char* number : {"299999999", "-299999999", "99999999999999999999"}) {
            const std::string bytes = std::string("{\\rtf1\\ansi\\pard\\li-2147483647\\") + word +
                                      number + " text\\par}";
            RichText text;
            ASSERT_TRUE(zn::rtf::Read(bytes, text)) << bytes;
            EXPECT_EQ(text.text.substr(0, 4), u"text") << bytes;
        }
}
