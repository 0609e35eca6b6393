// The actions a user takes, as the agents share them: one action per line of a script
// (the language scripts and the console use), parsed into ScriptAction, described back as
// text, and applied to the window system. Input actions work on the active window; a
// control it does not have is looked for in the other windows the user can reach, and a
// click there makes that window the active one:
//
//   type TEXT                  characters to the focused control (\n Enter, \t Tab, \\)
//   key [Ctrl+][Shift+][Alt+]KEY   Enter Esc Tab Back Delete Insert Left Right Up Down Home
//                              End PageUp PageDown Space F1..F12, or a letter or digit;
//                              modifiers stay held while the next key action uses them
//   click ID ["ITEM"]          a control (or toolbar button) by id; ITEM: a list entry,
//   dblclick ID ["ITEM"]       tree item or grid cell ("row,column") inside it, or @POS:
//   rclick ID ["ITEM"]         the character position POS of a rich-edit control (in view)
//   hover ID ["ITEM"]          the pointer rests on a control (or an item of it)
//   drag ID "FROM" "TO"        press on one item of a control, release on another (@POS
//                              in a rich-edit control: a selection by the mouse)
//   menu ID                    a command of the menu bar, or of a popup menu being shown;
//   menu none                  dismisses a popup menu
//   resize WIDTH HEIGHT        the user drags the window frame
//
// Answers to questions:
//
//   answer ok|cancel|yes|no|abort|retry|ignore   the next message box
//   file PATH [check=ID]... | file cancel        the next file dialog (ID: an option box)
//   point X Y [Z] | keyword WORD | object INDEX | pick cancel   the next pick
//   record ID | material NAME|NUM|DEN | fit TEXT|UPPER|LOWER | symbol TEXT | pick cancel
//                              the next picker of a sibling module
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/text/ZnsString.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/Window.h"

namespace zn::ui {

struct ScriptAction {
    enum class Kind {
        Type,
        Key,
        Click,
        DoubleClick,
        RightClick,
        Hover,
        Drag,
        Menu,
        Resize,
        Answer,
        File,
        Point,
        Keyword,
        Object,
        PickCancel,
        Record,
        Material,
        Fit,
        Symbol
    };
    Kind kind = Kind::Type;
    ZnsStringW text;         // Type: the text; Keyword: the word; File: the path
    UINT key = 0;            // Key
    unsigned modifiers = 0;  // Key: kMod* bits
    int control = 0;         // Click, Hover, Drag: the control id; Menu: the command (0: none)
    ZnsStringW item, item2;  // Click, Hover: the item; Drag: from and to
    int answer = 0;          // Answer: IDOK, IDYES, ...
    bool cancel = false;     // File: the dialog is cancelled
    std::vector<int> checks; // File: option boxes to check
    Point3 point;            // Point
    long long object = -1;   // Object: the drawing's index; Record: the record id
    std::vector<ZnsStringW> fields; // Material, Fit: the parts between "|"; Symbol: the text
    CSize size;              // Resize

    bool IsInput() const;
    // Whether the action answers a pick (point, keyword, object, pick cancel).
    bool IsPick() const;
    // Whether the action answers some picker (record, material, fit, symbol, pick cancel),
    // and whether it answers one of that kind.
    bool IsPickerAnswer() const;
    bool AnswersPicker(PickerRequest::Kind picker) const;
};

// Parses one line; nullopt with `error` set when the line is not an action.
std::optional<ScriptAction> ParseScriptAction(std::string_view line, std::string* error);
// What a picker answer action (IsPickerAnswer) tells the picker.
PickerAnswer PickerAnswerOf(const ScriptAction& action);
// The action as a script line.
std::string DescribeAction(const ScriptAction& action);
// The name of a message box answer ("yes") or of a box's buttons ("Yes, No, Cancel").
std::string AnswerName(int answer);
std::string ButtonNames(unsigned messageBoxType);

// Applies an input action to `window` (the active window); throws AgentError when it does
// not fit: no such control, a hidden or disabled one, no focused control to type into,
// a menu command that is not there or not enabled.
void ApplyInputAction(const ScriptAction& action, CWnd& window);
// The window that input goes to while `waiting` waits: the active window when there is
// one, else `waiting`.
CWnd& InputWindow(CWnd& waiting);

// A window as text: its title, its visible controls (id, class, text, state, focus), and
// its menu bar's commands; for showing a dialog at a console and in error messages.
std::string DescribeWindow(const CWnd& window);

} // namespace zn::ui
