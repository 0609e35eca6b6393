// The module's resources: every string id, dialog and menu the module uses exists in all
// four language sets, translated, with one layout; the resource handle is installed and
// restored around UI entries; a dialog of the module runs from its template.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include <unicode/uchar.h>

#include "platform/file/FileException.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "resources/UiResources.h"

namespace {

using namespace zn::ui;

// Every string id the module's parts use.
const unsigned kStringIds[] = {
    1,
    2,
    3,
    6,
    8,
    10,
    12,
    14,
    15,
    17,
    19,
    21,
    23,
    25,
    27,
    29,
    31,
    33,
    35,
    37,
    39,
    40,
    41,
    42,
    43,
    44,
    45,
    46,
    47,
    48,
    50,
    51,
    9502,
    12015,
    32801,
    32803,
    32804,
    32806,
    32807,
    32810,
    32811,
    32812,
    32813,
    32814,
    32815,
    32816,
    32817,
    32818,
    32819,
    32820,
    32821,
    32828,
    32830,
    32833,
    32834,
    32835,
    32836,
    32839,
    32840,
    32843,
    32844,
    32845,
    32854,
    32855,
    32856,
    32861,
    32867,
    32871,
    32872,
    32873,
    32925,
    32926,
    32927,
    32928,
    32929,
    32930,
    32933,
    32945,
    32981,
    35000,
    57600,
    57601,
    57602,
    57603,
    57604,
    57670,
    57671,
    57672,
    57673,
    57674,
    57675,
    57676,
    57677,
    57678,
    57680,
    57683,
    57684,
    57686,
    57696,
    57697,
    57698,
    57699,
    57700,
    57701,
    57703,
    57704,
    57706,
    57707,
    57709,
    57710,
    57711,
    57712,
    57713,
    57714,
    57721,
    57722,
    57723,
    57724,
    57725,
    res::IDS_DELETE_ITEMS,
    res::IDS_APPLY_CORRECTIONS,
    res::IDS_NO_LINKS_IN_EXPORT,
    res::IDS_CANNOT_OPEN_RTF,
    res::IDS_SPECIFICATION_NOT_LOADED,
    res::IDS_CONTROLS_NOT_LOADED,
    res::IDS_RTF_FILTER,
    res::IDS_POSITION_PREFIX,
    res::IDS_ZONE_PREFIX,
    res::IDS_CANNOT_OPEN_FILE,
    res::IDS_NOT_LATEST_VERSION,
    res::IDS_NOT_NOTEBOOK_FILE,
    res::IDS_NOT_OLD_TABLE_FILE,
    res::IDS_OLD_IMPORT_ERROR,
    res::IDS_CANNOT_DELETE_FILE,
    res::IDS_DELETE_MANUALLY,
    res::IDS_IMPORT_FROM_FILE,
    res::IDS_CONFIRM_DELETE,
    res::IDS_CONFIRM_DELETE_ITEMS,
    res::IDS_SAVE_CHANGES,
    res::IDS_STRING_NOT_FOUND,
    res::IDS_UNIT_CM,
    res::IDS_UNIT_POINT,
    res::IDS_UNIT_PICA,
    res::IDS_UNIT_INCH,
};

// Texts that read the same in a translation: a file signature, abbreviations and names.
const std::set<unsigned> kSameInSomeLanguage = {32839, 32833, 32834, 32835,
                                                44,    32811, 61008, 57684};

class LanguageGuard {
public:
    explicit LanguageGuard(int language) : m_previous(zn::interfaceLanguage()) {
        zn::setInterfaceLanguage(language);
    }
    ~LanguageGuard() { zn::setInterfaceLanguage(m_previous); }

private:
    int m_previous;
};

TEST(Resources, EveryStringIdExistsTranslatedInAllFourLanguages) {
    const res::StringTable& english = res::stringTable(1033);
    EXPECT_EQ(res::stringTable(res::kLanguageNeutral), english);
    for (int language : {1049, 3082}) {
        const res::StringTable& table = res::stringTable(language);
        EXPECT_EQ(table.size(), english.size()) << language;
        for (unsigned id : kStringIds) {
            auto it = table.find(id);
            ASSERT_NE(it, table.end()) << "string " << id << " missing in " << language;
            ASSERT_TRUE(english.count(id)) << id;
            EXPECT_FALSE(it->second.empty()) << id;
            if (!kSameInSomeLanguage.count(id)) {
                EXPECT_NE(it->second, english.at(id))
                    << "string " << id << " untranslated in " << language;
            }
        }
    }
    // The system's own texts, escapes and all.
    EXPECT_EQ(english.at(57673), u"1;2;1\nAuto\nAuto;2\nCorner\nCorner;3\nRectangle\nRectangle;");
    EXPECT_EQ(english.at(3), u"Some objects linked with technical conditions do not exist "
                             u"anymore.\nLinks will be dropped.");
    EXPECT_EQ(english.at(res::IDS_DELETE_MANUALLY),
              u"\nTo cancel reimport, please, delete this file manually.");
    EXPECT_EQ(english.at(res::IDS_CANNOT_DELETE_FILE), u"Cannot delete file ");
    // The old notebook signature of 32839 is a file format, never translated; 32840 is.
    EXPECT_EQ(res::stringTable(1049).at(32839), english.at(32839));
    EXPECT_EQ(res::stringTable(1049).at(32840),
              u"Reqpad. Файл базы данных. // Не редактируйте данные вручную!.");
}

TEST(Resources, DialogsAndMenusShareOneLayoutAcrossLanguages) {
    const res::UiResources& english = res::uiResources(1033);
    for (int language : {1049, 3082}) {
        const res::UiResources& other = res::uiResources(language);
        ASSERT_EQ(other.dialogs.size(), english.dialogs.size());
        for (const auto& [id, dialog] : english.dialogs) {
            const DialogTemplate& translated = other.dialogs.at(id);
            EXPECT_EQ(translated.rect, dialog.rect);
            EXPECT_EQ(translated.caption.empty(), dialog.caption.empty()) << id;
            ASSERT_EQ(translated.items.size(), dialog.items.size()) << id;
            for (size_t i = 0; i < dialog.items.size(); ++i) {
                EXPECT_EQ(translated.items[i].id, dialog.items[i].id);
                EXPECT_EQ(translated.items[i].style, dialog.items[i].style);
                EXPECT_EQ(translated.items[i].text.empty(), dialog.items[i].text.empty())
                    << "dialog " << id << " control " << dialog.items[i].id << " in " << language;
            }
        }
        ASSERT_EQ(other.menus.size(), english.menus.size());
        for (const auto& [id, menu] : english.menus) {
            CMenu a, b;
            a.LoadMenu(menu);
            b.LoadMenu(other.menus.at(id));
            auto ea = a.Entries(), eb = b.Entries();
            ASSERT_EQ(ea.size(), eb.size()) << id;
            for (size_t i = 0; i < ea.size(); ++i) {
                EXPECT_EQ(ea[i].id, eb[i].id);
                EXPECT_FALSE(eb[i].text.empty());
                if (ea[i].text.find(u'\t') != std::u16string::npos) {
                    EXPECT_NE(eb[i].text.find(u"\tCtrl+"),
                              std::u16string::npos); // accelerators stay
                }
            }
        }
    }
}

TEST(Resources, EveryDialogAndMenuHasTheControlsAndCommandsItsCodeUses) {
    const res::UiResources& ui = res::uiResources(1033);
    const std::map<unsigned, std::vector<int>> controls = {
        {res::IDD_REQPAD, {12014, 12015, 1, 2, 12010, 12011, 12012, 12013}},
        {res::IDD_FRACTION, {32923, 12054, 12057, 1, 2}},
        {res::IDD_TEXT_IMPORT, {32975, 32923, 6, 7, 2}},
        {res::IDD_NOTEBOOK, {12050, 12014, 12052, 9305, 12010, 12011, 2}},
        {res::IDD_NOTE_EMB, {32948, 12055}},
        {res::IDD_OPEN_MERGE, {32923}},
        {res::IDD_INSERT_TABLE, {12054, 12057, 32954, 1, 2}},
        {res::IDD_COLUMN_PROPERTIES, {1036, 1038, 1039, 1, 2}},
        {res::IDD_FIND, {1152, 1040, 1041, 1056, 1057, 32943, 32944, 1, 2}},
        {res::IDD_CALCULATOR,
         {1000, 1001,  1002,  1003,  1004,  1005,  1006,  1007,  1008,  1009, 1010, 1011, 1012,
          1016, 1017,  1018,  1019,  1020,  1021,  1022,  1023,  1024,  1025, 1026, 1027, 1028,
          1037, 1040,  1041,  1045,  1046,  1047,  1049,  1050,  1051,  1052, 1053, 1054, 1055,
          1056, 32953, 32955, 32956, 32957, 32958, 32960, 32983, 32987, 32988}},
        {res::IDD_DTEXT,
         {12051, 32932, 32934, 32941, 32935, 32940, 32939, 32961, 32963, 32964, 32965, 32966, 32967,
          32968, 32969, 32970, 32971, 32976, 32942, 32937, 32974, 32931, 1,     2,     12010}},
        {res::IDD_JUSTIFY, {32962, 32963, 32964, 32965, 32966, 32967, 32968, 32969, 32970, 1, 2}},
    };
    for (const auto& [id, ids] : controls) {
        ASSERT_TRUE(ui.dialogs.count(id)) << "dialog " << id;
        std::set<int> present;
        for (const DialogItemTemplate& item : ui.dialogs.at(id).items)
            present.insert(item.id);
        for (int control : ids)
            EXPECT_TRUE(present.count(control)) << "dialog " << id << " lacks control " << control;
    }
    const std::map<unsigned, std::vector<unsigned>> commands = {
        {res::IDR_REQPAD, {57600, 57601, 57604, 57602, 32826, 32801, 32945}},
        {res::IDR_NOTEBOOK_CONTEXT,
         {32828, 32819, 32925, 32830, 32820, 32821, 32933, 9502, 32981, 57601, 57603, 57604}},
        {res::IDR_TABLE_CONTEXT, {32929, 32930, 32926, 32927, 32928}},
        {res::IDR_CALCULATOR, {32771, 32772, 32776, 32951, 32952, 32959, 32775}},
    };
    for (const auto& [id, ids] : commands) {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(ui.menus.at(id))) << id;
        for (unsigned command : ids)
            EXPECT_TRUE(menu.HasEnabledCommand(command)) << "menu " << id << " lacks " << command;
    }
    EXPECT_EQ(ui.dialogs.at(res::IDD_REQPAD).caption, u"Technical conditions editor");
    EXPECT_EQ(ui.dialogs.at(res::IDD_CALCULATOR).menu, res::IDR_CALCULATOR);
}

// Records the accelerators of `text` for `owner`, expecting none taken already.
void takeAccelerators(std::map<UChar32, int>& owners, const ZnsStringW& text, int owner,
                      const std::string& where) {
    for (size_t at = text.find(u'&'); at != ZnsStringW::npos && at + 1 < text.size();
         at = text.find(u'&', at + 2)) {
        if (text[at + 1] == u'&')
            continue; // "&&" is an ampersand
        auto [known, added] = owners.emplace(u_tolower(text[at + 1]), owner);
        EXPECT_TRUE(added) << where << ": " << known->second << " and " << owner << " share \"&"
                           << zn::toUtf8(text.substr(at + 1, 1)) << "\"";
    }
}

void expectDistinctMenuAccelerators(const std::vector<MenuTemplateItem>& level,
                                    const std::string& where) {
    std::map<UChar32, int> owners;
    int position = 0;
    for (const MenuTemplateItem& item : level) {
        takeAccelerators(owners, item.text, position++, where);
        expectDistinctMenuAccelerators(item.items, where + " > " + zn::toUtf8(item.text));
    }
}

TEST(Resources, NoDialogOrMenuGivesTwoEntriesOneAccelerator) {
    for (int language : {0, 1033, 1049, 3082}) {
        const res::UiResources& ui = res::uiResources(language);
        for (const auto& [id, dialog] : ui.dialogs) {
            std::map<UChar32, int> owners; // accelerator -> control
            for (const DialogItemTemplate& item : dialog.items)
                takeAccelerators(owners, item.text, item.id,
                                 "dialog " + std::to_string(id) + " in " +
                                     std::to_string(language));
        }
        for (const auto& [id, menu] : ui.menus)
            expectDistinctMenuAccelerators(menu.items, "menu " + std::to_string(id) + " in " +
                                                           std::to_string(language));
    }
}

TEST(Resources, BadDocumentsAreReportedWithTheElement) {
    res::UiResources out;
    res::UiReadResult result = res::ReadUiResources(
        R"(<dialogs><dialog id="5" rect="0 0 10 10" style="WS_POPUP"><control id="3" class="Button" rect="1 2" style="0x1"/></dialog></dialogs>)",
        "<menus/>", 1033, out);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, R"(a bad class, rect or style in <control id="3"> of <dialog id="5">)");
    result = res::ReadUiResources(
        R"(<dialogs/>)", R"(<menus><menu id="4"><item text="x"/></menu></menus>)", 1033, out);
    EXPECT_EQ(result.error, R"(a menu item without id in <menu id="4">)");
    std::uint32_t style = 0;
    EXPECT_FALSE(res::ParseStyle("WS_CHILD|WS_NOSUCH", style));
}

TEST(Resources, ScopeInstallsTheModuleAndRestoresWhatWasThere) {
    LanguageGuard russian(1049);
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    {
        res::ModuleResourceScope scope;
        EXPECT_EQ(LoadStringW(32844), u"Технические требования");
        char16_t buffer[kStringBufferSize];
        EXPECT_EQ(LoadStringW(57723, buffer, 10), 9); // cut to the buffer, terminated
        EXPECT_EQ(buffer[9], 0);
        EXPECT_EQ(LoadStringW(4), u""); // no such string
    }
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
}

TEST(Resources, FileErrorBoxSpeaksTheInterfaceLanguage) {
    res::ModuleResourceScope scope;
    std::map<int, std::set<ZnsStringW>> texts; // per language, one text per cause
    for (int language : {1033, 1049, 3082}) {
        LanguageGuard guard(language);
        for (int cause = zn::CFileException::genericException;
             cause <= zn::CFileException::endOfFile; ++cause) {
            zn::CFileException error(zn::CFileException::Cause(cause), 0, u"a.ntb");
            ZnsStringW text = error.GetErrorMessage();
            EXPECT_EQ(text.rfind(u"a.ntb\n", 0), 0u) << language << " cause " << cause;
            EXPECT_GT(text.size(), 10u) << language << " cause " << cause;
            texts[language].insert(text);
        }
        EXPECT_EQ(texts[language].size(), size_t(zn::CFileException::endOfFile))
            << "two causes share a text in " << language;
    }
    for (const ZnsStringW& russian : texts[1049])
        EXPECT_FALSE(texts[1033].count(russian) || texts[3082].count(russian));

    LanguageGuard spanish(3082);
    ScriptedAgent agent("answer ok");
    UserAgent* previous = SetUserAgent(&agent);
    ClearRecordedMessageBoxes();
    zn::CFileException(zn::CFileException::diskFull, 28, u"").ReportError();
    SetUserAgent(previous);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text,
              u"Archivo sin nombre\nNo hay espacio suficiente en el disco.");
    agent.Finish();
}

TEST(Resources, ModuleDialogRunsFromItsTemplateInTheInterfaceLanguage) {
    LanguageGuard spanish(3082);
    res::ModuleResourceScope scope;
    ScriptedAgent agent("click 12054\ntype 3\nclick 2");
    UserAgent* previous = SetUserAgent(&agent);
    CDialog fraction(res::IDD_FRACTION);
    ZnsStringW caption;
    fraction.OnCommandId(IDCANCEL, [&] {
        caption = fraction.GetWindowTextW();
        fraction.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(fraction.DoModal(), IDCANCEL);
    SetUserAgent(previous);
    EXPECT_EQ(caption, u"Insertar fracción");
    agent.Finish();
}

} // namespace
