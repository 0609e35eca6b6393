// Pages are written black. The colour is set on the runs as read, not in a control; the bytes
// must be those a control loaded with the page, recoloured and streamed out would give.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "notebook/PageText.h"
#include "platform/richedit/RichEditModel.h"
#include "tests/notebook/NotebookFixture.h"

using namespace notebook;
using namespace zn::richedit;
using zn::ui::HTREEITEM;
using zn::ui::TVI_LAST;

namespace {

// The way pages used to be made black: through the control.
ZnsStringW blackenedInAControl(std::u16string_view rtf) {
    RichEditModel model;
    if (!IsRtf(rtf) || !model.StreamInRtf(zn::wideToAnsi(rtf), false))
        return ZnsStringW(rtf);
    CharFormat black;
    black.mask = CFM_COLOR;
    black.color = 0;
    model.SetCharFormat(0, model.GetTextLength(), black);
    return zn::ansiToWide(model.GetRtf());
}

// Runs that differ in colour only, a font of its own, raised text, hidden and protected
// runs, tabs, an empty paragraph between and an empty last one.
ZnsStringW mixedPage() {
    RichEditModel model;
    model.SetText(u"1. Сталь 45\tred green\r\r2. x2 hidden protected\r");
    auto apply = [&](int from, int to, CharFormat format) {
        model.SetCharFormat(from, to, format);
    };
    CharFormat red;
    red.mask = CFM_COLOR;
    red.color = RGB(255, 0, 0);
    apply(12, 15, red);
    CharFormat green = red;
    green.color = RGB(0, 128, 0);
    apply(16, 21, green);
    CharFormat face;
    face.mask = CFM_FACE | CFM_CHARSET | CFM_BOLD;
    face.effects = CFE_BOLD;
    face.face = u"Times New Roman";
    face.charset = RUSSIAN_CHARSET;
    apply(3, 8, face);
    CharFormat raised;
    raised.mask = CFM_OFFSET | CFM_SIZE;
    raised.offset = 45;
    raised.height = 150;
    apply(27, 28, raised);
    CharFormat hidden;
    hidden.mask = CFM_HIDDEN | CFM_PROTECTED | CFM_COLOR;
    hidden.effects = CFE_HIDDEN | CFE_PROTECTED;
    hidden.color = RGB(0, 0, 255);
    apply(29, 45, hidden);
    return zn::ansiToWide(model.GetRtf());
}

} // namespace

TEST_F(NotebookTest, PagesTurnBlackAsAControlWouldMakeThem) {
    for (int codePage : {1252, 1251}) {
        zn::setSystemAnsiCodePageOverride(codePage);
        const ZnsStringW pages[] = {
            RtfOfPlainText(u"1. Сталь 45 ГОСТ 1050-88\r2. Твёрдость 45...50 HRC\r"),
            RtfOfPlainText(u""),
            mixedPage(),
            u"{\\rtf1\\ansi{\\colortbl;\\red10\\green20\\blue30;}\\cf1 foreign {\\b bold}\\par "
            u"\\cf0 auto}",
            u"{\\rtf1 no tables at all}",
            u"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}}\\f0\\'c0\\'e1}",
            u"plain text is left alone",
        };
        for (const ZnsStringW& page : pages)
            EXPECT_EQ(BlackenRtf(page), blackenedInAControl(page))
                << codePage << ": " << zn::toUtf8(page);
    }
}

TEST_F(NotebookTest, ANotebookOfNewPagesSavesAsOneBlackenedInAControl) {
    zn::setSystemAnsiCodePageOverride(1251);
    auto fill = [](CNotebookDoc& doc, bool throughControl) {
        doc.NewNotebook(true);
        CNotebookTree& pages = doc.Pages();
        HTREEITEM partition = pages.InsertTreeItem(u"Раздел", pages.Root(), TVI_LAST, kPartition);
        const ZnsStringW texts[] = {mixedPage(), RtfOfPlainText(u"1. Болт М6"),
                                    RtfOfPlainText(u"")};
        int n = 0;
        for (const ZnsStringW& text : texts) {
            HTREEITEM item =
                pages.InsertTreeItem(zn::format("Page %i", n++), partition, TVI_LAST, kTextPage);
            pages.GetOwnPage(item)->text = throughControl ? blackenedInAControl(text) : text;
        }
    };
    CNotebookDoc fresh, prepared;
    fill(fresh, false);
    fill(prepared, true);
    ASSERT_EQ(fresh.SaveNotebook(wpath("fresh.ntb")), 1);
    ASSERT_EQ(prepared.SaveNotebook(wpath("prepared.ntb")), 1);
    EXPECT_EQ(bytesOf("fresh.ntb"), bytesOf("prepared.ntb"));
    EXPECT_EQ(bytesOf("fresh.ntb").find("\\red255"), std::string::npos);
}

TEST_F(NotebookTest, CorpusDocumentsTurnBlackAsAControlWouldMakeThem) {
    namespace fs = std::filesystem;
    const fs::path corpus = fs::path(REQPAD_SOURCE_DIR) / ".." / "shared" / "corpus" / "rtf";
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "no RTF corpus at " << corpus;
    for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".rtf")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const ZnsStringW page = zn::ansiToWide(bytes.str());
        EXPECT_EQ(BlackenRtf(page), blackenedInAControl(page)) << entry.path();
    }
}
