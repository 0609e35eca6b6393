#include <clocale>

#include <gtest/gtest.h>

#include "platform/text/CodePage.h"
#include "platform/text/ZnsString.h"

TEST(Text, Utf8RoundTripIncludingSurrogatePairs) {
    const ZnsStringW text = u"Ra 3,2 \u00b5m \u0422\u0423 \U0001D400 \u2300";
    EXPECT_EQ(zn::fromUtf8(zn::toUtf8(text)), text);
    EXPECT_EQ(zn::toUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(zn::toUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b"); // a lone surrogate
    EXPECT_EQ(zn::fromUtf8("a\xFF" "b"), u"a\uFFFD" u"b");        // a broken sequence
}

TEST(Text, FormattingUsesCDigitsWhateverTheLocale) {
    // A national locale with a decimal comma, where the machine has one.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    bool national = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "ru_RU.UTF-8");
    EXPECT_EQ(zn::format("%.10f", 0.5), u"0.5000000000");
    EXPECT_EQ(zn::format("%.14g|%i|%s", 1e20, 42, "\xD0\x96"), u"1e+20|42|\u0416");
    EXPECT_EQ(zn::parseDoubleC("2.5e3x"), 2500.0);
    std::setlocale(LC_ALL, saved.c_str());
    if (!national)
        GTEST_LOG_(INFO) << "no national locale installed; formatting checked in C only";
    std::string longText(1000, 'x');
    EXPECT_EQ(zn::formatA("%s!", longText.c_str()).size(), 1001u);
}

TEST(Text, CaseAndComparison) {
    EXPECT_EQ(zn::toUpper(u"sin \u0436\u0451"), u"SIN \u0416\u0401");
    EXPECT_EQ(zn::toLower(u"\u0416X"), u"\u0436x");
    EXPECT_TRUE(zn::equalsNoCase(u"Metre", u"METRE"));
    EXPECT_TRUE(zn::equalsNoCase(u"\u0436", u"\u0416"));
    EXPECT_FALSE(zn::equalsNoCase(u"metre", u"metres"));
    EXPECT_LT(zn::compareNoCase(u"abc", u"ABD"), 0);
    EXPECT_TRUE(zn::equalsNoCaseAscii(u"_h_bar", u"_H_BAR"));
    EXPECT_FALSE(zn::equalsNoCaseAscii(u"\u0436", u"\u0416")); // ASCII only, by design
}

TEST(Text, TrimAndReplace) {
    EXPECT_EQ(zn::trim(u" \t a b \r\n"), u"a b");
    EXPECT_EQ(zn::trimLeft(u"  a "), u"a ");
    EXPECT_EQ(zn::trimRight(u"  a "), u"  a");
    EXPECT_EQ(zn::trim(u"   "), u"");
    EXPECT_EQ(zn::trimChars(u",.1.5,.", u",."), u"1.5");

    ZnsStringW text = u"x*x+x";
    EXPECT_EQ(zn::replaceAll(text, u"x", u"(-2)"), 3u);
    EXPECT_EQ(text, u"(-2)*(-2)+(-2)");
    text = u"aaaa";
    EXPECT_EQ(zn::replaceAll(text, u"aa", u"b"), 2u); // left to right, non-overlapping
    EXPECT_EQ(text, u"bb");
    text = u"abc";
    EXPECT_EQ(zn::replaceAll(text, u"", u"x"), 0u);
    EXPECT_EQ(zn::replaceAll(text, u"b", u""), 1u);
    EXPECT_EQ(text, u"ac");
}

TEST(CodePages, SingleBytePages) {
    const zn::CodePage& cyrillic = zn::CodePage::get(1251);
    EXPECT_TRUE(cyrillic.isSingleByte());
    EXPECT_EQ(cyrillic.decode("\xD2\xD3 \xB9"), u"\u0422\u0423 \u2116");
    bool lossless = false;
    EXPECT_EQ(cyrillic.encode(u"\u0422\u0423 \u2116", &lossless), "\xD2\xD3 \xB9");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(cyrillic.encode(u"\u00e9\U0001D400!", &lossless), "?" "?!"); // one '?' per character
    EXPECT_FALSE(lossless);
    EXPECT_EQ(cyrillic.encodeByte(u'\u0416'), std::optional<unsigned char>(0xC6));
    EXPECT_EQ(cyrillic.encodeByte(u'\u00e9'), std::nullopt);

    const zn::CodePage& western = zn::CodePage::get(1252);
    EXPECT_EQ(western.decode("\x80\xB0\xE9"), u"\u20AC\u00B0\u00E9");
    EXPECT_EQ(western.encode(u"\u20AC\u00B0\u00E9"), "\x80\xB0\xE9");
    // Every byte survives a round trip, also the ones the page leaves undefined.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    for (int page : {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 437, 866})
        EXPECT_EQ(zn::CodePage::get(page).encode(zn::CodePage::get(page).decode(all)), all) << page;
}

TEST(CodePages, MultiBytePagesAndErrors) {
    const zn::CodePage& japanese = zn::CodePage::get(932);
    EXPECT_FALSE(japanese.isSingleByte());
    EXPECT_EQ(japanese.decode("\x93\xfa\x96\x7b"), u"\u65e5\u672c");
    bool lossless = false;
    EXPECT_EQ(japanese.encode(u"\u65e5\u672c", &lossless), "\x93\xfa\x96\x7b");
    EXPECT_TRUE(lossless);
    japanese.encode(u"\u0416\u20AC\u00e9", &lossless);
    EXPECT_FALSE(lossless);
    EXPECT_EQ(zn::CodePage::get(65001).decode("\xD0\x96"), u"\u0416");
    EXPECT_FALSE(zn::CodePage::isKnown(12345));
    EXPECT_THROW(zn::CodePage::get(12345), std::invalid_argument);
}

TEST(CodePages, SystemAnsiPageFollowsTheInterfaceLanguage) {
    zn::setInterfaceLanguage(1049);
    EXPECT_EQ(zn::systemAnsiCodePage(), 1251);
    EXPECT_EQ(zn::wideToAnsi(u"\u0416"), "\xC6");
    zn::setInterfaceLanguage(3082);
    EXPECT_EQ(zn::systemAnsiCodePage(), 1252);
    EXPECT_EQ(zn::ansiToWide("\xF1"), u"\u00F1");
    zn::setSystemAnsiCodePageOverride(1250);
    EXPECT_EQ(zn::systemAnsiCodePage(), 1250);
    zn::setSystemAnsiCodePageOverride(0);
    zn::setInterfaceLanguage(1033);
    EXPECT_EQ(zn::systemAnsiCodePage(), 1252);
}
