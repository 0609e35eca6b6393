// Parsing, describing and applying the user's actions.
#include "platform/ui/ScriptActions.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui/Button.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ToolBar.h"

namespace zn::ui {

namespace {

using Kind = ScriptAction::Kind;

// Key names as scripts write them; the first name of a key is the one written back.
const std::vector<std::pair<std::string, UINT>>& keyNames() {
    static const std::vector<std::pair<std::string, UINT>> names = {
        {"Enter", VK_RETURN},  {"Esc", VK_ESCAPE},     {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},
        {"Back", VK_BACK},     {"Backspace", VK_BACK}, {"Delete", VK_DELETE}, {"Del", VK_DELETE},
        {"Insert", VK_INSERT}, {"Left", VK_LEFT},      {"Right", VK_RIGHT},   {"Up", VK_UP},
        {"Down", VK_DOWN},     {"Home", VK_HOME},      {"End", VK_END},       {"PageUp", VK_PRIOR},
        {"PageDown", VK_NEXT}, {"Space", VK_SPACE},    {"Shift", VK_SHIFT},   {"Ctrl", VK_CONTROL},
    };
    return names;
}

const std::vector<std::pair<int, std::string>>& answerNames() {
    static const std::vector<std::pair<int, std::string>> names = {
        {IDOK, "ok"},       {IDCANCEL, "cancel"}, {IDYES, "yes"},       {IDNO, "no"},
        {IDABORT, "abort"}, {IDRETRY, "retry"},   {IDIGNORE, "ignore"},
    };
    return names;
}

std::string lower(std::string text) {
    for (char& c : text)
        c = char(std::tolower((unsigned char)c));
    return text;
}

// Words separated by blanks; a word in double quotes may hold blanks (\" and \\ inside).
std::vector<std::string> tokens(std::string_view line, bool& unterminated) {
    std::vector<std::string> out;
    unterminated = false;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace((unsigned char)line[i]))
            ++i;
        if (i == line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"') {
                if (line[i] == '\\' && i + 1 < line.size())
                    ++i;
                word += line[i++];
            }
            unterminated = i == line.size();
            ++i;
        } else {
            while (i < line.size() && !std::isspace((unsigned char)line[i]))
                word += line[i++];
        }
        out.push_back(word);
    }
    return out;
}

std::string unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            char next = text[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<long long> integer(const std::string& word) {
    if (word.empty())
        return std::nullopt;
    char* end = nullptr;
    long long value = std::strtoll(word.c_str(), &end, 10);
    return *end ? std::nullopt : std::optional<long long>(value);
}

std::optional<double> number(const std::string& word) {
    size_t used = 0;
    double value = word.empty() ? 0 : zn::parseDoubleC(word, &used);
    return word.empty() || used != word.size() ? std::nullopt : std::optional<double>(value);
}

std::optional<ScriptAction> parseKey(const std::string& spec, std::string* error) {
    ScriptAction action;
    action.kind = Kind::Key;
    std::string rest = spec;
    const std::pair<std::string, unsigned> modifiers[] = {
        {"ctrl+", kModCtrl}, {"shift+", kModShift}, {"alt+", kModAlt}};
    for (bool found = true; found;) {
        found = false;
        for (auto& [prefix, bit] : modifiers)
            if (lower(rest).rfind(prefix, 0) == 0 && rest.size() > prefix.size()) {
                action.modifiers |= bit;
                rest = rest.substr(prefix.size());
                found = true;
            }
    }
    std::string name = lower(rest);
    auto named = std::find_if(keyNames().begin(), keyNames().end(),
                              [&](const auto& entry) { return lower(entry.first) == name; });
    if (named != keyNames().end())
        action.key = named->second;
    else if (name.size() >= 2 && name[0] == 'f' && integer(name.substr(1)) &&
             *integer(name.substr(1)) >= 1 && *integer(name.substr(1)) <= 12)
        action.key = VK_F1 + UINT(*integer(name.substr(1)) - 1);
    else if (rest.size() == 1 && std::isalnum((unsigned char)rest[0]))
        action.key = UINT(std::toupper((unsigned char)rest[0]));
    else {
        *error = "unknown key \"" + spec + "\"";
        return std::nullopt;
    }
    return action;
}

std::string keyName(UINT key) {
    for (auto& [name, code] : keyNames())
        if (code == key)
            return name;
    if (key >= VK_F1 && key <= VK_F12)
        return "F" + std::to_string(key - VK_F1 + 1);
    return std::string(1, char(key));
}

std::string quoted(const ZnsStringW& text) {
    std::string out = "\"";
    for (char c : zn::toUtf8(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

} // namespace

bool ScriptAction::IsInput() const {
    switch (kind) {
    case Kind::Type:
    case Kind::Key:
    case Kind::Click:
    case Kind::DoubleClick:
    case Kind::RightClick:
    case Kind::Hover:
    case Kind::Drag:
    case Kind::Menu:
    case Kind::Resize:
        return true;
    default:
        return false;
    }
}

bool ScriptAction::IsPick() const {
    return kind == Kind::Point || kind == Kind::Keyword || kind == Kind::Object ||
           kind == Kind::PickCancel;
}

bool ScriptAction::IsPickerAnswer() const {
    return kind == Kind::PickCancel || kind == Kind::Record || kind == Kind::Material ||
           kind == Kind::Fit || kind == Kind::Symbol;
}

PickerAnswer PickerAnswerOf(const ScriptAction& action) {
    PickerAnswer answer;
    answer.chosen = action.kind != Kind::PickCancel;
    if (action.kind == Kind::Record)
        answer.record = std::int32_t(action.object);
    answer.fields = action.fields;
    return answer;
}

bool ScriptAction::AnswersPicker(PickerRequest::Kind picker) const {
    switch (kind) {
    case Kind::PickCancel:
        return true;
    case Kind::Record:
        return picker == PickerRequest::Kind::Record;
    case Kind::Material:
        return picker == PickerRequest::Kind::Material;
    case Kind::Fit:
        return picker == PickerRequest::Kind::Fit;
    case Kind::Symbol:
        return picker == PickerRequest::Kind::Symbol;
    default:
        return false;
    }
}

std::optional<ScriptAction> ParseScriptAction(std::string_view line, std::string* error) {
    std::string ignored;
    if (!error)
        error = &ignored;
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        *error = "empty action";
        return std::nullopt;
    }
    line.remove_prefix(start);
    size_t space = line.find_first_of(" \t");
    std::string verb = lower(std::string(line.substr(0, space)));
    std::string_view rest =
        space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    ScriptAction action;
    if (verb == "type") {
        action.kind = Kind::Type;
        action.text = zn::fromUtf8(unescape(rest));
        return action;
    }
    if (verb == "material" || verb == "fit" || verb == "symbol") {
        // The rest of the line, as a picker's fields hold blanks and quotes alike.
        std::string_view text = rest.substr(0, rest.find_last_not_of(" \t") + 1);
        text.remove_prefix(std::min(text.size(), text.find_first_not_of(" \t")));
        action.kind = verb == "material" ? Kind::Material : verb == "fit" ? Kind::Fit : Kind::Symbol;
        if (action.kind == Kind::Symbol) {
            if (text.empty()) {
                *error = "symbol takes the symbol's text";
                return std::nullopt;
            }
            action.fields.push_back(zn::fromUtf8(text));
            return action;
        }
        for (size_t start = 0;;) {
            size_t bar = text.find('|', start);
            action.fields.push_back(zn::fromUtf8(text.substr(start, bar - start)));
            if (bar == std::string_view::npos)
                break;
            start = bar + 1;
        }
        action.fields.resize(3);
        if (std::count(text.begin(), text.end(), '|') > 2) {
            *error = verb + (verb == "fit" ? " takes TEXT|UPPER|LOWER" : " takes NAME|NUMERATOR|DENOMINATOR");
            return std::nullopt;
        }
        return action;
    }
    bool unterminated = false;
    std::vector<std::string> args = tokens(rest, unterminated);
    if (unterminated) {
        *error = "a quoted word has no closing quote";
        return std::nullopt;
    }
    auto fail = [&](const std::string& what) -> std::optional<ScriptAction> {
        *error = what;
        return std::nullopt;
    };
    if (verb == "key") {
        if (args.size() != 1)
            return fail("key takes one key, e.g. key Ctrl+Enter");
        return parseKey(args[0], error);
    }
    if (verb == "click" || verb == "dblclick" || verb == "rclick" || verb == "hover" ||
        verb == "drag") {
        action.kind = verb == "click"      ? Kind::Click
                      : verb == "dblclick" ? Kind::DoubleClick
                      : verb == "rclick"   ? Kind::RightClick
                      : verb == "hover"    ? Kind::Hover
                                           : Kind::Drag;
        size_t wanted = action.kind == Kind::Drag ? 3 : 0;
        if (args.empty() || !integer(args[0]) || (wanted && args.size() != wanted) ||
            (!wanted && args.size() > 2))
            return fail(verb + (wanted ? " takes a control id and two items"
                                       : " takes a control id and an optional item"));
        action.control = int(*integer(args[0]));
        if (args.size() > 1)
            action.item = zn::fromUtf8(args[1]);
        if (args.size() > 2)
            action.item2 = zn::fromUtf8(args[2]);
        return action;
    }
    if (verb == "menu") {
        action.kind = Kind::Menu;
        if (args.size() != 1 || (lower(args[0]) != "none" && !integer(args[0])))
            return fail("menu takes a command id or none");
        action.control = lower(args[0]) == "none" ? 0 : int(*integer(args[0]));
        return action;
    }
    if (verb == "resize") {
        action.kind = Kind::Resize;
        if (args.size() != 2 || !integer(args[0]) || !integer(args[1]))
            return fail("resize takes a width and a height in pixels");
        action.size = {int(*integer(args[0])), int(*integer(args[1]))};
        return action;
    }
    if (verb == "answer") {
        action.kind = Kind::Answer;
        for (auto& [id, name] : answerNames())
            if (args.size() == 1 && lower(args[0]) == name)
                action.answer = id;
        if (!action.answer)
            return fail("answer takes ok, cancel, yes, no, abort, retry or ignore");
        return action;
    }
    if (verb == "file") {
        action.kind = Kind::File;
        if (args.empty())
            return fail("file takes a path or cancel");
        action.cancel = args.size() == 1 && lower(args[0]) == "cancel";
        action.text = zn::fromUtf8(args[0]);
        for (size_t i = 1; i < args.size(); ++i) {
            auto id =
                lower(args[i]).rfind("check=", 0) == 0 ? integer(args[i].substr(6)) : std::nullopt;
            if (!id)
                return fail("file options are written check=ID");
            action.checks.push_back(int(*id));
        }
        return action;
    }
    if (verb == "point") {
        action.kind = Kind::Point;
        std::optional<double> x = args.size() >= 2 ? number(args[0]) : std::nullopt;
        std::optional<double> y = args.size() >= 2 ? number(args[1]) : std::nullopt;
        std::optional<double> z = args.size() == 3 ? number(args[2]) : std::optional<double>(0.0);
        if (!x || !y || !z || args.size() > 3)
            return fail("point takes X Y and an optional Z");
        action.point = {*x, *y, *z};
        return action;
    }
    if (verb == "keyword") {
        action.kind = Kind::Keyword;
        if (args.size() != 1)
            return fail("keyword takes one word");
        action.text = zn::fromUtf8(args[0]);
        return action;
    }
    if (verb == "object") {
        action.kind = Kind::Object;
        if (args.size() != 1 || !integer(args[0]))
            return fail("object takes the index of a drawing object");
        action.object = *integer(args[0]);
        return action;
    }
    if (verb == "record") {
        action.kind = Kind::Record;
        if (args.size() != 1 || !integer(args[0]))
            return fail("record takes the id of a position record");
        action.object = *integer(args[0]);
        return action;
    }
    if (verb == "pick") {
        if (args.size() != 1 || lower(args[0]) != "cancel")
            return fail("pick takes cancel");
        action.kind = Kind::PickCancel;
        return action;
    }
    return fail("unknown action \"" + verb + "\"");
}

std::string AnswerName(int answer) {
    for (auto& [id, name] : answerNames())
        if (id == answer)
            return name;
    return std::to_string(answer);
}

std::string ButtonNames(unsigned type) {
    std::string out;
    for (int button : MessageBoxButtons(type)) {
        std::string name = AnswerName(button);
        name[0] = char(std::toupper((unsigned char)name[0]));
        out += (out.empty() ? "" : ", ") + name;
    }
    return out;
}

std::string DescribeAction(const ScriptAction& a) {
    auto item = [](const ZnsStringW& text) {
        // Text positions (@POS) read best as they are written.
        const bool position = text.size() > 1 && text[0] == u'@' &&
                              std::all_of(text.begin() + 1, text.end(),
                                          [](char16_t c) { return c >= u'0' && c <= u'9'; });
        return text.empty() ? std::string()
                            : " " + (position ? zn::toUtf8(text) : quoted(text));
    };
    switch (a.kind) {
    case Kind::Type: {
        std::string text;
        for (char c : zn::toUtf8(a.text))
            text += c == '\n'   ? std::string("\\n")
                    : c == '\t' ? std::string("\\t")
                    : c == '\\' ? std::string("\\\\")
                                : std::string(1, c);
        return "type " + text;
    }
    case Kind::Key:
        return std::string("key ") + ((a.modifiers & kModCtrl) ? "Ctrl+" : "") +
               ((a.modifiers & kModShift) ? "Shift+" : "") +
               ((a.modifiers & kModAlt) ? "Alt+" : "") + keyName(a.key);
    case Kind::Click:
        return "click " + std::to_string(a.control) + item(a.item);
    case Kind::DoubleClick:
        return "dblclick " + std::to_string(a.control) + item(a.item);
    case Kind::RightClick:
        return "rclick " + std::to_string(a.control) + item(a.item);
    case Kind::Hover:
        return "hover " + std::to_string(a.control) + item(a.item);
    case Kind::Drag:
        return "drag " + std::to_string(a.control) + item(a.item) + item(a.item2);
    case Kind::Menu:
        return a.control ? "menu " + std::to_string(a.control) : "menu none";
    case Kind::Resize:
        return "resize " + std::to_string(a.size.cx) + " " + std::to_string(a.size.cy);
    case Kind::Answer:
        return "answer " + AnswerName(a.answer);
    case Kind::File: {
        std::string out = a.cancel ? "file cancel" : "file " + quoted(a.text);
        for (int id : a.checks)
            out += " check=" + std::to_string(id);
        return out;
    }
    case Kind::Point:
        return zn::formatA("point %g %g %g", a.point.x, a.point.y, a.point.z);
    case Kind::Keyword:
        return "keyword " + zn::toUtf8(a.text);
    case Kind::Object:
        return "object " + std::to_string(a.object);
    case Kind::PickCancel:
        return "pick cancel";
    case Kind::Record:
        return "record " + std::to_string(a.object);
    case Kind::Material:
    case Kind::Fit: {
        std::string out = a.kind == Kind::Material ? "material " : "fit ";
        for (size_t i = 0; i < a.fields.size(); ++i)
            out += (i ? "|" : "") + zn::toUtf8(a.fields[i]);
        return out;
    }
    case Kind::Symbol:
        return "symbol " + zn::toUtf8(a.fields.empty() ? ZnsStringW() : a.fields[0]);
    }
    return {};
}

namespace {

std::string windowName(const CWnd& window) {
    ZnsStringW title = window.GetWindowTextW();
    return title.empty() ? "the window" : "\"" + zn::toUtf8(title) + "\"";
}

// The visible toolbar of `window` with a button for command `id`, or null: toolbar
// buttons answer to their command id.
CToolBarCtrl* toolbarWith(CWnd& window, int id) {
    std::vector<CWnd*> pending(window.GetChildren().begin(), window.GetChildren().end());
    while (!pending.empty()) {
        CWnd* w = pending.back();
        pending.pop_back();
        if (auto* bar = dynamic_cast<CToolBarCtrl*>(w); bar && bar->IsWindowVisible())
            if (bar->FindItemRect(zn::format("%d", id)))
                return bar;
        pending.insert(pending.end(), w->GetChildren().begin(), w->GetChildren().end());
    }
    return nullptr;
}

bool holds(CWnd& window, int id) {
    return window.FindDescendant(id) || toolbarWith(window, id);
}

// The window that holds control `id`: `active` when it does, else the newest other
// visible and enabled top-level window that does (a modeless dialog beside a modal one).
CWnd& holderOf(CWnd& active, int id) {
    if (holds(active, id))
        return active;
    std::vector<CWnd*> tops = TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (*it != &active && (*it)->IsWindowVisible() && (*it)->IsWindowEnabled() &&
            holds(**it, id))
            return **it;
    return active;
}

// The control that answers to `id` inside `active` (or beside it), with the point to
// click on.
std::pair<CWnd*, CPoint> target(CWnd& active, int id, const ZnsStringW& item, bool needItem) {
    CWnd& window = holderOf(active, id);
    CWnd* control = window.FindDescendant(id);
    std::optional<CRect> rect;
    if (!control) {
        CToolBarCtrl* bar = toolbarWith(window, id);
        if (!bar)
            throw AgentError("there is no control " + std::to_string(id) + " in " +
                             windowName(window));
        if (!bar->IsButtonEnabled(id))
            throw AgentError("toolbar button " + std::to_string(id) + " in " + windowName(window) +
                             " is disabled");
        return {bar, bar->FindItemRect(zn::format("%d", id))->CenterPoint()};
    }
    std::string name =
        "control " + std::to_string(id) + " (" + zn::toUtf8(control->GetWindowTextW()) + ")";
    if (!control->IsWindowVisible())
        throw AgentError(name + " in " + windowName(window) + " is hidden");
    if (!control->IsWindowEnabled())
        throw AgentError(name + " in " + windowName(window) + " is disabled");
    if (needItem || !item.empty()) {
        rect = control->FindItemRect(item);
        if (!rect)
            throw AgentError(name + " has no item \"" + zn::toUtf8(item) + "\"");
        return {control, rect->CenterPoint()};
    }
    return {control, control->GetClientRect().CenterPoint()};
}

} // namespace

CWnd& InputWindow(CWnd& waiting) {
    CWnd* active = GetActiveWindow();
    return active && active->IsWindowVisible() ? *active : waiting;
}

void ApplyInputAction(const ScriptAction& a, CWnd& window) {
    // Modifiers stay held from one key action to the next that uses them too (Shift+Left
    // three times extends one selection); anything else is done with the keys released.
    HoldModifiers(a.kind == Kind::Key ? a.modifiers : 0);
    switch (a.kind) {
    case Kind::Type: {
        CWnd* focus = CWnd::GetFocus();
        if (!focus || (focus != &window && !window.IsChild(focus)))
            throw AgentError("nothing in " + windowName(window) +
                             " has the keyboard focus to type into");
        TypeText(a.text);
        return;
    }
    case Kind::Key:
        KeyPress(a.key, a.modifiers);
        return;
    case Kind::Click:
    case Kind::DoubleClick:
    case Kind::RightClick: {
        auto [control, point] = target(window, a.control, a.item, false);
        Click(*control, point, a.kind == Kind::RightClick ? MouseButton::Right : MouseButton::Left,
              a.kind == Kind::DoubleClick);
        return;
    }
    case Kind::Hover: {
        auto [control, point] = target(window, a.control, a.item, false);
        MoveMouse(*control, point);
        return;
    }
    case Kind::Drag: {
        auto [control, from] = target(window, a.control, a.item, true);
        CPoint to = target(window, a.control, a.item2, true).second;
        Drag(*control, from, to);
        return;
    }
    case Kind::Menu: {
        CMenu* menu = window.GetMenu();
        // The user opens the popup that holds the command first: its owner sets the
        // entries' states as it shows.
        for (int i = 0; menu && i < menu->GetMenuItemCount(); ++i)
            if (CMenu popup = menu->GetSubMenu(i);
                popup.IsValid() && popup.GetMenuState(UINT(a.control), MF_BYCOMMAND) != -1) {
                window.SendMessage(WM_INITMENUPOPUP, 0, LPARAM(&popup));
                break;
            }
        if (!menu || !menu->HasEnabledCommand(UINT(a.control)))
            throw AgentError("menu command " + std::to_string(a.control) +
                             " is not an enabled entry of the menu of " + windowName(window));
        window.SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(a.control), 0), 0);
        return;
    }
    case Kind::Resize:
        UserResize(window, a.size);
        return;
    default:
        throw AgentError("\"" + DescribeAction(a) + "\" is not input for a window");
    }
}

std::string DescribeWindow(const CWnd& window) {
    std::string out = "[" + zn::toUtf8(window.GetWindowTextW()) + "]\n";
    CWnd* focus = CWnd::GetFocus();
    std::vector<const CWnd*> pending;
    for (auto it = window.GetChildren().rbegin(); it != window.GetChildren().rend(); ++it)
        pending.push_back(*it);
    while (!pending.empty()) {
        const CWnd* w = pending.back();
        pending.pop_back();
        if (!w->IsWindowVisible())
            continue;
        out += (w == focus ? " * " : "   ") + std::to_string(w->GetDlgCtrlID()) + " " +
               zn::toUtf8(w->GetClassName());
        if (ZnsStringW text = w->GetWindowTextW(); !text.empty())
            out += " \"" + zn::toUtf8(text) + "\"";
        if (auto* button = dynamic_cast<const CButton*>(w);
            button && !button->IsPushButton() && button->GetCheck())
            out += " [checked]";
        if (!w->IsWindowEnabled())
            out += " [disabled]";
        if (auto* bar = dynamic_cast<const CToolBarCtrl*>(w))
            for (int i = 0; i < bar->GetButtonCount(); ++i)
                if (const TBBUTTON* b = bar->GetButton(i); !(b->fsStyle & TBSTYLE_SEP))
                    out += " " + std::to_string(b->idCommand) +
                           (bar->IsButtonEnabled(b->idCommand) ? "" : "[disabled]");
        out += "\n";
        // A long list would bury the window; its first lines are enough to point at.
        constexpr size_t kMostItemLines = 40;
        const std::vector<std::u16string> lines = w->ItemLines();
        for (size_t i = 0; i < std::min(lines.size(), kMostItemLines); ++i)
            out += "       " + zn::toUtf8(lines[i]) + "\n";
        if (lines.size() > kMostItemLines)
            out += "       (" + std::to_string(lines.size() - kMostItemLines) + " more)\n";
        for (auto it = w->GetChildren().rbegin(); it != w->GetChildren().rend(); ++it)
            pending.push_back(*it);
    }
    if (CMenu* menu = window.GetMenu())
        for (const CMenu::Entry& e : menu->Entries())
            out += "   menu " + std::string(size_t(e.depth) * 2, ' ') +
                   (e.id ? std::to_string(e.id) + " " : "") + zn::toUtf8(e.text) +
                   (e.enabled ? "" : " [disabled]") + (e.checked ? " [checked]" : "") + "\n";
    return out;
}

} // namespace zn::ui
