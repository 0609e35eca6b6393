#include "bench/OfficeRtfSample.h"

#include "platform/text/ZnsString.h"

namespace {

// Characters outside ASCII as \uN followed by a one-byte fallback, as office suites write.
void appendText(std::string& out, std::u16string_view text) {
    for (char16_t ch : text) {
        if (ch < 0x80)
            out += char(ch);
        else
            out += zn::formatA("\\u%d\\'3f", int(std::int16_t(ch)));
    }
}

constexpr const char* kRunFormat = "\\loch\\f3\\hich\\af3\\lang1049\\langfe2052\\alang1081 ";

} // namespace

std::string OfficeRtfSample(int paragraphs) {
    std::string out =
        "{\\rtf1\\ansi\\deff3\\adeflang1025\\uc1\r\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 "
        "Symbol;}{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}{\\f3\\froman\\fprq2\\fcharset204 Liberation "
        "Serif;}{\\f5\\fnil\\fprq2\\fcharset0 Noto Sans CJK SC;}}\r\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
        "{\\stylesheet{\\s0\\snext0\\widctlpar\\hyphpar0\\cf0\\kerning1\\dbch\\af5\\langfe2052\\afs24"
        "\\alang1081\\loch\\f3\\hich\\af3\\fs24\\lang1049 Normal;}}\r\n"
        "{\\*\\generator Office suite;}{\\info{\\creatim\\yr2026\\mo12\\dy6\\hr20\\min0}}\r\n"
        "\\paperw11906\\paperh16838\\margl1134\\margr850\\margt1134\\margb1134\\sectd\\pgndec\r\n";
    const std::u16string sentence =
        u"Неуказанные предельные отклонения размеров: H14, h14, ±IT14/2; шероховатость "
        u"поверхностей не более Ra 6,3 мкм, допуск 10";
    for (int i = 1; i <= paragraphs; ++i) {
        out += "\\pard\\plain \\s0\\ql\\widctlpar\\hyphpar0\\ltrpar\\cf0\\kerning1\\dbch\\af5"
               "\\langfe2052\\dbch\\af6\\afs24\\alang1081\\loch\\f3\\hich\\af3\\fs24\\lang1049"
               "\\li284\\ri0\\lin284\\rin0\\fi-284\\sl360\\slmult1\\sb0\\sa0";
        out += zn::formatA("{\\b\\cf2%s%d. }", kRunFormat, i);
        for (int part = 0; part < 2; ++part) {
            out += "{";
            out += kRunFormat;
            appendText(out, sentence);
            out += "}{\\super";
            out += kRunFormat;
            out += "-3}{";
            out += kRunFormat;
            appendText(out, u" мм, H");
            out += "}{\\sub";
            out += kRunFormat;
            out += "2}{";
            out += kRunFormat;
            appendText(out, u"O. ");
            out += "}";
        }
        out += "\\par\r\n";
    }
    out += "}";
    return out;
}
