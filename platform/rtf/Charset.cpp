// The charset table of the platform's fonts.
#include "platform/rtf/Charset.h"

namespace zn::rtf {

namespace {

struct CharsetCodePage {
    int charset;
    int codePage;
};

constexpr CharsetCodePage kTable[] = {
    {0, 1252},   {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
    {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
    {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 437},
};

} // namespace

int CodePageOfCharset(int charset, int documentCodePage) {
    for (const CharsetCodePage& entry : kTable)
        if (entry.charset == charset)
            return entry.codePage;
    return documentCodePage;
}

uint8_t CharsetOfCodePage(int codePage) {
    for (const CharsetCodePage& entry : kTable)
        if (entry.codePage == codePage)
            return uint8_t(entry.charset);
    return 0;
}

} // namespace zn::rtf
