// The host shell's language: words and quotes, typed parameter values, listings, and
// the commands that build, change and query a drawing.
#include <sstream>

#include "apps/HostListings.h"
#include "apps/HostShell.h"
#include "apps/HostUser.h"
#include "apps/ShellWords.h"
#include "host/Specification.h"
#include "tests/host/HostFixture.h"

namespace {

TEST(ShellWords, BlanksQuotesEscapesAndComments) {
    std::string error;
    auto words = SplitShellWords(R"(add text 1 2 "two words" "say \"hi\"" # a comment)", error);
    ASSERT_TRUE(words);
    EXPECT_EQ(*words,
              (std::vector<std::string>{"add", "text", "1", "2", "two words", "say \"hi\""}));
    EXPECT_TRUE(SplitShellWords("   # only a comment", error)->empty());
    EXPECT_FALSE(SplitShellWords("open \"unclosed", error));
    EXPECT_EQ(error, "a quote is not closed");
    EXPECT_EQ(ParseNumber("-2.5e1"), -25.0);
    EXPECT_FALSE(ParseNumber("2,5"));
    EXPECT_FALSE(ParseNumber("nan"));
    EXPECT_FALSE(ParseNumber(""));
}

simhost::DefaultParameter parameter(std::int32_t type) {
    simhost::DefaultParameter p;
    p.type = type;
    return p;
}

TEST(ParameterValues, TextsReadAsTheParameterType) {
    EXPECT_EQ(ParseDefaultValue(parameter(2), "3.5"), ZNSVariant(3.5));
    EXPECT_FALSE(ParseDefaultValue(parameter(2), "tall"));
    EXPECT_EQ(ParseDefaultValue(parameter(1), "-15"), ZNSVariant(std::int32_t(-15)));
    EXPECT_FALSE(ParseDefaultValue(parameter(1), "1.5"));
    EXPECT_EQ(ParseDefaultValue(parameter(4), "false"), ZNSVariant(false));
    EXPECT_FALSE(ParseDefaultValue(parameter(4), "maybe"));
    EXPECT_EQ(ParseDefaultValue(parameter(5), "0xFE000000"), ZNSVariant(std::int32_t(0xFE000000u)));
    EXPECT_FALSE(ParseDefaultValue(parameter(5), "0x1FFFFFFFF"));
    EXPECT_EQ(ParseDefaultValue(parameter(8), "Standard"), ZNSVariant(ZnsStringW(u"Standard")));
    EXPECT_EQ(ParseDefaultValue(parameter(33), "a.ntb|ntb|Files|*.ntb"),
              ZNSVariant(ZnsArray<ZnsStringW>{u"a.ntb", u"ntb", u"Files|*.ntb"}));
    simhost::DefaultParameter choice = parameter(23);
    choice.choices = ZnsArray<ZnsStringW>{u"Left", u"Center", u"Right"};
    EXPECT_EQ(ParseDefaultValue(choice, "2"), ZNSVariant(std::int32_t(2)));
    EXPECT_FALSE(ParseDefaultValue(choice, "3"));
}

TEST(ParameterValues, JsonByType) {
    EXPECT_EQ(DefaultValueJson(parameter(5), ZNSVariant(std::int32_t(0xFE000000u))), "4261412864");
    EXPECT_EQ(DefaultValueJson(parameter(4), ZNSVariant(std::int32_t(1))), "true");
    EXPECT_EQ(DefaultValueJson(parameter(2), ZNSVariant(5.0)), "5.0");
    EXPECT_EQ(DefaultValueJson(parameter(7), ZNSVariant(ZnsStringW(u"Слой \"1\""))),
              "\"Слой \\\"1\\\"\"");
    EXPECT_EQ(DefaultValueJson(parameter(33), ZNSVariant(ZnsArray<ZnsStringW>{u"a", u"b"})),
              "[\"a\",\"b\"]");
}

class HostShellSession : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        m_shell = std::make_unique<HostShell>(Host(), m_user, m_out);
        m_shell->LoadModule();
    }
    void TearDown() override {
        m_shell.reset();
        HostFixture::TearDown();
    }
    std::string Run(const std::string& line) {
        m_out.str({});
        m_shell->Execute(line);
        return m_out.str();
    }

    HostUser m_user;
    std::ostringstream m_out;
    std::unique_ptr<HostShell> m_shell;
};

TEST_F(HostShellSession, ParametersAreSetAndReadByType) {
    EXPECT_THROW(Run("param set 7109 3.5"), ShellError) << "no drawing to hold the value";
    Run("new --sheet A2 --portrait --scale 2");
    Run("param set 7116 0xFF");
    EXPECT_EQ(Run("param get 7116"), "255\n");
    Run("param set 7110 false");
    EXPECT_EQ(Run("param get 7110"), "false\n");
    EXPECT_THROW(Run("param set 7123 3"), ShellError) << "there are three alignments";
    EXPECT_THROW(Run("param get 9999"), ShellError);
    EXPECT_THROW(Run("param frob 7109"), ShellError);
    EXPECT_EQ(Run("param get 7117"), "0\n");
}

TEST_F(HostShellSession, ObjectsAreAddedQueriedAndErased) {
    EXPECT_THROW(Run("select"), ShellError) << "no drawing yet";
    EXPECT_THROW(Run("new --sheet A9"), ShellError);
    Run("new");
    EXPECT_EQ(Run("add view 10 10 50 50 A"), "{\"id\":4}\n");
    Run("ext 4 \"TT info\" \"item 2\"");
    EXPECT_EQ(Run("ext 4 \"TT info\""), "\"item 2\"\n");
    EXPECT_THROW(Run("ext 4 ZNSTTC"), ShellError);
    Run("select 4");
    EXPECT_EQ(Host().Documents().Active()->Selection().size(), 1u);
    std::string objects = Run("objects");
    EXPECT_NE(objects.find("\"type\":\"View\""), std::string::npos);
    EXPECT_NE(objects.find("\"extents\":[[10.0,10.0],[50.0,57.0]]"), std::string::npos) << objects;
    Run("erase 4");
    EXPECT_THROW(Run("erase 4"), ShellError);
    EXPECT_THROW(Run("add view 1 2 3"), ShellError);
    EXPECT_THROW(Run("add text 1 2 0 zero-height"), ShellError);
    EXPECT_THROW(Run("frobnicate"), ShellError);
    EXPECT_FALSE(m_shell->Execute("quit"));
}

TEST_F(HostShellSession, UserActionsAnswerTheHostsQuestions) {
    Run("new");
    Run("add record 3 A1 1");
    Run("add mark 10 10 30 30 3 4");
    Run("user record 4");
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&m_user);
    auto select = reinterpret_cast<ZnsSelectPositionRecordFunction>(zn::loader::GetProcAddress(
        zn::loader::GetModuleHandleW(u"SpecificationDlg.dll"), "SelectPositionRecordFromDlg"));
    auto document = reinterpret_cast<ZnsGetDocSpecificationFunction>(zn::loader::GetProcAddress(
        zn::loader::GetModuleHandleW(u"SpecificationDlg.dll"), "ZNS_GetDocSpecification"))(0);
    std::int32_t first = -1, second = -1;
    EXPECT_EQ(select(document, &first, &second), 1);
    EXPECT_EQ(second, 4);
    EXPECT_NO_THROW(m_user.Finish());
    EXPECT_THROW(select(document, &first, &second), zn::ui::AgentError)
        << "no action left to answer with";
    document->Release();
    zn::ui::SetUserAgent(previous);
    EXPECT_THROW(Run("user fly away"), zn::ui::AgentError);
}

TEST_F(HostShellSession, CommandsOfTheModuleRunFromTheShell) {
    Run("new");
    std::string listed = Run("commands");
    EXPECT_EQ(listed.substr(0, listed.find('\n')), "{\"name\":\"TTOld\",\"flags\":33554432}");
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&m_user);
    // No default notebook: the calculator's notebook pane says it cannot open it.
    Run("param set 7115 " + Path("none.ntb") + "|ntb|*.ntb");
    Run("user answer ok");
    Run("user click 1055");
    EXPECT_EQ(Run("command DiviRuve"), "") << "the calculator ran and was closed";
    zn::ui::SetUserAgent(previous);
    EXPECT_NO_THROW(m_user.Finish());
    EXPECT_THROW(Run("command Nothing"), ShellError);
    Run("user key Esc");
    previous = zn::ui::SetUserAgent(&m_user);
    EXPECT_EQ(Run("command FormEdit"), "");
    zn::ui::SetUserAgent(previous);
    EXPECT_NE(Run("calls").find("VornCtl.dll ZNSInputFormDlg"), std::string::npos);
}

} // namespace
