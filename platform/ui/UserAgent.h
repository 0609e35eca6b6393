// The user, as the platform sees it: whenever a modal loop waits for input, a message box
// asks a question, a file dialog wants a path or the host wants a point or an object
// picked, the installed agent answers. A scripted agent answers tests and scripts; a
// console agent asks a person at a terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::ui {

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct PointRequest {
    std::u16string prompt;
    std::vector<std::u16string> keywords; // answers the user may type instead of a point
    std::optional<Point3> rubberBandFrom;  // a line follows the cursor from here
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

struct FileRequest {
    bool save = false;
    std::u16string title;
    std::u16string filter;       // "Text (*.txt)|*.txt|All Files (*.*)|*.*||"
    std::u16string defaultExtension;
    std::u16string initialPath;
};

class UserAgent {
public:
    virtual ~UserAgent() = default;

    virtual int AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                                 unsigned type) = 0;
    virtual std::optional<std::u16string> ChooseFile(const FileRequest& request) = 0;
    virtual PickAnswer PickPoint(const PointRequest& request) = 0;
    virtual PickAnswer PickObject(const ObjectRequest& request) = 0;
};

// The agent in charge; null until a host or a test installs one.
UserAgent* CurrentUserAgent();
// Installs `agent` (not owned) and returns the previous one.
UserAgent* SetUserAgent(UserAgent* agent);

} // namespace zn::ui
