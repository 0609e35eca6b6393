// The action language and the two agents that speak it.
#include <sstream>

#include "platform/ui/ConsoleAgent.h"
#include "platform/ui/Dialog.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

TEST(ScriptActions, LinesReadBackAsTheyAreWritten) {
    for (const char* line :
         {"type a\\tb\\nc", "key Ctrl+Shift+Enter", "key F1", "key A", "click 12015",
          "click 12050 \"New page\"", "dblclick 32924 \"1,2\"", "drag 12050 \"a b\" \"c\"",
          "click 12014 @17", "drag 12014 @0 @5",
          "menu 57600", "menu none", "resize 250 200", "answer yes",
          "file \"/tmp/a b.ntb\" check=32923", "file cancel", "point 1.5 -2 0", "keyword Auto",
          "object 17", "pick cancel", "record 4", "material Steel 45|GOST 1050-88|",
          "fit H7|+0,025|0", "symbol %%c"}) {
        std::string error;
        std::optional<ScriptAction> action = ParseScriptAction(line, &error);
        ASSERT_TRUE(action) << line << ": " << error;
        EXPECT_EQ(DescribeAction(*action), line);
    }
}

TEST(ScriptActions, BadLinesSayWhatIsWrong) {
    std::string error;
    EXPECT_FALSE(ParseScriptAction("key Ctrl+Banana", &error));
    EXPECT_EQ(error, "unknown key \"Ctrl+Banana\"");
    EXPECT_FALSE(ParseScriptAction("answer maybe", &error));
    EXPECT_FALSE(ParseScriptAction("click \"x", &error));
    EXPECT_EQ(error, "a quoted word has no closing quote");
    EXPECT_FALSE(ParseScriptAction("jump 3", &error));
    EXPECT_EQ(error, "unknown action \"jump\"");
    try {
        ScriptedAgent agent("click 1\n# comment\n\nwave\n");
        FAIL();
    } catch (const AgentError& e) {
        EXPECT_STREQ(e.what(), "script line 4: unknown action \"wave\"");
    }
}

TEST(ScriptedAgent, PicksMustMatchWhatIsAsked) {
    ScriptedAgent agent("point 1 2\nkeyword corner\nobject 3\nkeyword Nope\npoint 4 5");
    PointRequest point{u"Specify left top corner", {u"Auto", u"Corner"}, std::nullopt};
    PickAnswer answer = agent.PickPoint(point);
    EXPECT_EQ(answer.kind, PickAnswer::Kind::Point);
    EXPECT_EQ(answer.point.y, 2);
    answer = agent.PickPoint(point);
    EXPECT_EQ(answer.kind, PickAnswer::Kind::Keyword);
    EXPECT_EQ(answer.keyword, u"Corner");
    EXPECT_THROW(agent.PickPoint(point), AgentError); // an object for a point
    EXPECT_THROW(agent.PickPoint(point), AgentError); // a keyword not offered
    EXPECT_THROW(agent.PickObject(ObjectRequest{u"Select format", {}, {}}),
                 AgentError); // a point for an object
    agent.Finish();
}

TEST(ScriptedAgent, PickersTakeTheirOwnAnswersOrACancel) {
    ScriptedAgent agent("material |a b|c\nfit h6\nsymbol \\U+2300\npick cancel\n"
                        "record 3\n");
    PickerAnswer material = agent.AnswerPicker({PickerRequest::Kind::Material, {}, {}});
    EXPECT_TRUE(material.chosen);
    EXPECT_EQ(material.fields, (std::vector<std::u16string>{u"", u"a b", u"c"}));
    PickerAnswer fit = agent.AnswerPicker({PickerRequest::Kind::Fit, {}, {}});
    EXPECT_EQ(fit.fields, (std::vector<std::u16string>{u"h6", u"", u""})) << "missing parts empty";
    EXPECT_EQ(agent.AnswerPicker({PickerRequest::Kind::Symbol, {}, {}}).fields,
              std::vector<std::u16string>{u"\\U+2300"});
    EXPECT_FALSE(agent.AnswerPicker({PickerRequest::Kind::Record, {}, {}}).chosen);
    EXPECT_THROW(agent.AnswerPicker({PickerRequest::Kind::Symbol, {}, {}}), AgentError)
        << "a record does not answer the symbol picker";
    EXPECT_THROW(agent.PickObject(ObjectRequest{u"Select", {}, {}}), AgentError);
    std::string error;
    EXPECT_FALSE(ParseScriptAction("material x|y|z|w", &error));
    EXPECT_FALSE(ParseScriptAction("symbol", &error));
    EXPECT_FALSE(ParseScriptAction("record pos3", &error));
}

class ConsoleTest : public UiTest {};

TEST_F(ConsoleTest, ShowsTheDialogAndAsksAgainAfterAWrongAnswer) {
    DialogTemplate dialog;
    dialog.id = 7;
    dialog.caption = u"Text import";
    dialog.style = WS_POPUP | WS_CAPTION;
    dialog.items = {
        item(32923, u"Button", u"Remove source text after converting",
             BS_AUTOCHECKBOX | WS_TABSTOP),
        item(6, u"Button", u"Yes", BS_DEFPUSHBUTTON | WS_TABSTOP, {5, 30, 55, 44}),
        item(7, u"Button", u"No", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, {60, 30, 110, 44})};
    resources.dialogs[7] = dialog;
    class Import : public CDialog {
    public:
        Import() : CDialog(7) {
            OnCommandId(6, [this] { EndDialog(6); });
        }
    } import;

    std::istringstream in(
        "answer yes\nclick 7\nclick 32923\nclick 6\nanswer maybe\nanswer cancel\nanswer no\n");
    std::ostringstream out;
    ConsoleAgent console(in, out);
    SetUserAgent(&console);
    EXPECT_EQ(import.DoModal(), 6);
    EXPECT_EQ(console.AnswerMessageBox(u"Save changes?", u"Notebook", MB_YESNO), IDNO);
    SetUserAgent(&agent);

    std::string shown = out.str();
    EXPECT_NE(shown.find("[Text import]"), std::string::npos) << shown;
    EXPECT_NE(shown.find("32923 Button \"Remove source text after converting\""),
              std::string::npos);
    EXPECT_NE(shown.find("7 Button \"No\" [disabled]"), std::string::npos);
    EXPECT_NE(shown.find("the dialog waits for input"),
              std::string::npos); // "answer yes" while input was due
    EXPECT_NE(shown.find("is disabled"), std::string::npos);
    EXPECT_NE(shown.find("[checked]"), std::string::npos);
    EXPECT_NE(shown.find("the box offers Yes, No"), std::string::npos);
    EXPECT_THROW(console.AnswerMessageBox(u"More?", u"", MB_OK), AgentError); // input ended
}

TEST(ConsoleAgent, ListsTheRecordsAndAsksForTheRightPicker) {
    std::istringstream in("symbol x\nrecord 7\n");
    std::ostringstream out;
    ConsoleAgent console(in, out);
    PickerAnswer answer =
        console.AnswerPicker({PickerRequest::Kind::Record, {u"7 pos. 2", u"9 pos. 3"}, {}});
    EXPECT_EQ(answer.record, 7);
    std::string shown = out.str();
    EXPECT_NE(shown.find("9 pos. 3"), std::string::npos) << shown;
    EXPECT_NE(shown.find("answer with: record ID or pick cancel"), std::string::npos) << shown;
}

} // namespace
} // namespace zn::ui::test
