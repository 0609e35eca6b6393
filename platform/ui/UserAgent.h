// The user, as the platform sees it: whenever a modal loop waits for input, a message box
// asks a question, a file dialog wants a path, the host wants a point or an object picked
// or a sibling module's picker wants a choice, the installed agent answers. A scripted agent answers tests and scripts; a
// console agent asks a person at a terminal.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zn::ui {

class CWnd;
class CMenu;

// The agent could not give the answer the system asked for: a script action that does not
// fit what is on screen, a script that ran out, an agent that cannot work a dialog.
struct AgentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct PointRequest {
    std::u16string prompt;
    std::vector<std::u16string> keywords; // answers the user may type instead of a point
    std::optional<Point3> rubberBandFrom; // a line follows the cursor from here
};

struct PickAnswer {
    enum class Kind { Point, Object, Keyword, Cancel };
    Kind kind = Kind::Cancel;
    Point3 point;
    long long object = -1; // the drawing's index of the picked object
    std::u16string keyword;
};

struct ObjectRequest {
    std::u16string prompt;
    std::vector<std::u16string> keywords;
    std::u16string classFilter; // empty: any class
};

// A check box that a file dialog's extension template adds below the standard controls.
struct FileOption {
    int id = 0;
    std::u16string text;
    bool checked = false;
};

struct FileRequest {
    bool save = false;
    std::u16string title;
    std::u16string filter; // "Text (*.txt)|*.txt|All Files (*.*)|*.*||"
    std::u16string defaultExtension;
    std::u16string initialPath;
    std::vector<FileOption> options; // the agent may change their checked state
};

// A picker dialog of a sibling module: a record of the drawing's specification, a material
// designation, the fit of a dimension, or a special symbol.
struct PickerRequest {
    enum class Kind { Record, Material, Fit, Symbol };
    Kind kind = Kind::Record;
    std::vector<std::u16string> choices; // Record: the records offered, "ID TEXT" each
    std::vector<std::u16string> presets; // Material: name, numerator, denominator shown
};

struct PickerAnswer {
    bool chosen = false;                // false: the user cancelled
    std::int32_t record = -1;           // Record
    std::vector<std::u16string> fields; // Material: name, numerator, denominator; Fit: fit
                                        // text, upper, lower deviation; Symbol: the text
};

// "record", "material", ...: how scripts name a picker.
const char* PickerName(PickerRequest::Kind kind);

class UserAgent {
public:
    virtual ~UserAgent() = default;

    virtual int AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                                 unsigned type) = 0;
    virtual std::optional<std::u16string> ChooseFile(const FileRequest& request) = 0;
    virtual PickAnswer PickPoint(const PointRequest& request) = 0;
    virtual PickAnswer PickObject(const ObjectRequest& request) = 0;

    // A file dialog with options: the agent chooses the file and may set the options.
    virtual std::optional<std::u16string> ChooseFileAndOptions(FileRequest& request) {
        return ChooseFile(request);
    }
    // A modal loop has dispatched everything and waits: the agent feeds the next input into
    // the window system (keys, characters, clicks, menu commands on the active window).
    // An agent that cannot give input throws AgentError.
    virtual void ProvideInput(CWnd& waiting);
    // A popup menu is shown: the chosen command, or 0 when the user dismisses it.
    virtual unsigned ChooseMenuCommand(const CMenu& menu);
    // A sibling module's picker is shown.
    virtual PickerAnswer AnswerPicker(const PickerRequest& request);
};

// The agent in charge; null until a host or a test installs one.
UserAgent* CurrentUserAgent();
// Installs `agent` (not owned) and returns the previous one.
UserAgent* SetUserAgent(UserAgent* agent);

} // namespace zn::ui
