// `reqpad edit`: one editor control in a headless owner window, loaded from a file, driven
// by the scripted user and by commands as the editor dialog sends them, and printed.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include <CLI/CLI.hpp>

#include "apps/Commands.h"
#include "apps/HostShell.h"
#include "apps/HostUser.h"
#include "editor/Reqpad.h"
#include "platform/text/CodePage.h"
#include "resources/ModuleResources.h"

namespace {

struct EditOptions {
    std::string content;
    int kind = 0;
    std::string referenced;
    std::string links;
    std::string allow = "0";
    std::string hostScript;
    std::string script;
    std::vector<std::string> actions;
    std::vector<std::string> prints;
};

struct EditError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EditError("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        result.push_back(line);
    }
    return result;
}

// The content as the kind wants it: RTF through the ANSI code page, text as UTF-8 lines.
ZnsStringW readContent(const EditOptions& options) {
    std::string bytes = readFile(options.content);
    if (options.kind == editor::kContentRtf) {
        if (bytes.rfind("{\\rtf", 0) != 0)
            throw EditError(options.content + " is not RTF");
        return zn::ansiToWide(bytes);
    }
    ZnsStringW text = zn::fromUtf8(bytes);
    if (bytes.rfind("{\\rtf", 0) == 0)
        throw EditError(options.content + " is RTF, not kind " + std::to_string(options.kind));
    if (options.kind == editor::kContentPlain) {
        ZnsStringW paragraphs;
        for (const std::string& line : lines(bytes))
            paragraphs += zn::fromUtf8(line) + u"\r";
        if (!paragraphs.empty())
            paragraphs.pop_back();
        return paragraphs;
    }
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r'))
        text.pop_back();
    return text;
}

ZnsArray<std::int32_t> parseNumbers(const std::string& list) {
    ZnsArray<std::int32_t> numbers;
    std::istringstream in(list);
    std::string word;
    while (std::getline(in, word, ',')) {
        try {
            size_t used = 0;
            numbers.push_back(std::stoi(word, &used));
            if (used != word.size())
                throw std::invalid_argument(word);
        } catch (const std::exception&) {
            throw EditError("--referenced: '" + word + "' is not a number");
        }
    }
    return numbers;
}

// One `RECORD<TAB>TEXT` line per specification link.
ZnsArray<ZnsLink> readLinks(const std::string& path) {
    ZnsArray<ZnsLink> links;
    for (const std::string& line : lines(readFile(path))) {
        if (line.empty())
            continue;
        size_t tab = line.find('\t');
        try {
            links.push_back({znsWorkID::Numbered(std::stoi(line.substr(0, tab))),
                             tab == std::string::npos ? u"" : zn::fromUtf8(line.substr(tab + 1))});
        } catch (const std::exception&) {
            throw EditError(path + ": '" + line + "' is not RECORD<TAB>TEXT");
        }
    }
    return links;
}

std::string visibleText(const editor::CReqpad& pad) {
    std::string out;
    const ZnsStringW& text = pad.GetText();
    ZnsStringW line;
    for (int i = 0; i < int(text.size()); ++i) {
        if (text[size_t(i)] == u'\r') {
            out += zn::toUtf8(line) + "\n";
            line.clear();
        } else if (!(pad.Document().CharFormatAt(i).effects & zn::richedit::CFE_HIDDEN)) {
            line += text[size_t(i)];
        }
    }
    return out + zn::toUtf8(line) + "\n";
}

std::string effectsOf(const zn::richedit::CharFormat& format) {
    static const std::pair<std::uint32_t, const char*> kNames[] = {
        {zn::richedit::CFE_BOLD, "bold"},     {zn::richedit::CFE_PROTECTED, "protected"},
        {zn::richedit::CFE_HIDDEN, "hidden"}, {zn::richedit::CFE_EMBOSS, "emboss"},
        {zn::richedit::CFE_IMPRINT, "imprint"}, {zn::richedit::CFE_LINK, "link"}};
    std::string names;
    for (auto [bit, name] : kNames)
        if (format.effects & bit)
            names += (names.empty() ? "" : ",") + std::string(name);
    return names.empty() ? "-" : names;
}

// Runs of the visible text; a run ends at a paragraph mark or where the format changes.
std::string visibleRuns(const editor::CReqpad& pad) {
    std::string out;
    const ZnsStringW& text = pad.GetText();
    ZnsStringW run;
    const zn::richedit::CharFormat* runFormat = nullptr;
    auto flush = [&] {
        if (!run.empty())
            out += zn::toUtf8(run) + "\t" + effectsOf(*runFormat) + "\t" +
                   std::to_string(runFormat->height) + "\t" + std::to_string(runFormat->offset) + "\n";
        run.clear();
    };
    for (int i = 0; i < int(text.size()); ++i) {
        const zn::richedit::CharFormat& format = pad.Document().CharFormatAt(i);
        if (text[size_t(i)] == u'\r' || (format.effects & zn::richedit::CFE_HIDDEN)) {
            flush();
            continue;
        }
        if (runFormat && !format.sameAs(*runFormat))
            flush();
        runFormat = &format;
        run += text[size_t(i)];
    }
    flush();
    return out;
}

class EditSession {
public:
    explicit EditSession(HostUser& user) : m_user(user) {}

    void Open(const EditOptions& options) {
        if (!m_owner.Create(u"ReqpadEditOwner", u"Technical conditions editor",
                            zn::ui::WS_POPUP | zn::ui::WS_VISIBLE, {0, 0, 640, 480}, nullptr, 0))
            throw EditError("cannot create the owner window");
        if (!m_pad.Create(zn::ui::WS_VISIBLE | zn::ui::WS_TABSTOP, {8, 40, 620, 400}, &m_owner,
                          12014))
            throw EditError("cannot create the editor control");
        try {
            m_pad.m_allowedInserts = std::uint32_t(std::stoul(options.allow, nullptr, 16));
        } catch (const std::logic_error&) {
            throw EditError("--allow: '" + options.allow + "' is not hexadecimal");
        }
        m_pad.m_numberColor = 0;
        m_pad.InitControl();
        m_pad.SetFocus();
    }
    editor::CReqpad& Pad() { return m_pad; }

    // Custom actions run at once; the others are queued for the scripted user in a batch, so
    // an answer that follows a key or a command answers the question it raises.
    void Run(const std::vector<std::string>& actions) {
        for (size_t i = 0; i < actions.size(); ++i) {
            std::vector<std::string> words = wordsOf(actions[i]);
            if (!isCustom(words)) {
                m_user.Queue(actions[i]);
                continue;
            }
            drain();
            size_t next = i + 1;
            for (; next < actions.size() && !isCustom(wordsOf(actions[next])); ++next)
                m_user.Queue(actions[next]);
            custom(words, actions[i]);
            i = next - 1;
        }
        drain();
        m_user.Finish();
    }

private:
    static std::vector<std::string> wordsOf(const std::string& action) {
        std::istringstream in(action);
        return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
    }
    static bool isCustom(const std::vector<std::string>& words) {
        return !words.empty() && (words[0] == "select" || words[0] == "command");
    }
    void drain() {
        while (m_user.Remaining())
            m_user.ProvideInput(m_owner);
    }
    void custom(const std::vector<std::string>& words, const std::string& action) {
        try {
            if (words[0] == "select" && words.size() == 3) {
                m_pad.SetSel(std::stoi(words[1]), std::stoi(words[2]));
                return;
            }
            if (words[0] == "command" && words.size() == 2) {
                m_pad.SendMessage(zn::ui::WM_COMMAND, zn::ui::WPARAM(std::stoul(words[1])), 0);
                return;
            }
        } catch (const std::logic_error&) {
        }
        throw EditError("'" + action + "' is not select START END or command ID");
    }

    HostUser& m_user;
    zn::ui::CWnd m_owner;
    editor::CReqpad m_pad;
};

void print(editor::CReqpad& pad, const std::vector<std::string>& prints) {
    std::optional<ZnsArray<std::int32_t>> resolved;
    // Taking the content out selects everything; what was selected is printed as it was.
    auto content = [&](int kind) {
        int start = pad.GetSelStart(), end = pad.GetSelEnd();
        ZnsStringW text;
        pad.GetContent(text, kind);
        pad.SetSel(start, end);
        if (!resolved)
            resolved = pad.m_referencedItems;
        return text;
    };
    for (const std::string& what : prints) {
        if (what == "text") {
            std::cout << visibleText(pad);
        } else if (what == "tagged") {
            std::string text = zn::toUtf8(content(editor::kContentPlain));
            for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
                text.erase(at, 1);
            std::cout << text << '\n';
        } else if (what == "rtf") {
            std::cout << zn::toUtf8(content(editor::kContentRtf)) << '\n';
        } else if (what == "referenced") {
            if (!resolved)
                content(editor::kContentRtf);
            std::string list;
            for (std::int32_t number : *resolved)
                list += (list.empty() ? "" : ",") + std::to_string(number);
            std::cout << list << '\n';
        } else if (what == "links") {
            for (const ZnsLink& link : pad.m_specLinks)
                std::cout << link.target.Number() << '\t' << zn::toUtf8(link.text) << '\n';
        } else if (what == "selection") {
            std::cout << pad.GetSelStart() << ' ' << pad.GetSelEnd() << '\n';
        } else if (what == "modified") {
            std::cout << (pad.GetModify() ? 1 : 0) << '\n';
        } else if (what == "runs") {
            std::cout << visibleRuns(pad);
        }
    }
}

int runEdit(const EditOptions& options) {
    res::ModuleResourceScope resources;
    simhost::SimHost host;
    HostUser user;
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&user);
    int status = 0;
    try {
        HostShell shell(host, user, std::cout);
        shell.LoadModule();
        try {
            if (!options.hostScript.empty()) {
                std::vector<std::string> hostLines = lines(readFile(options.hostScript));
                for (size_t i = 0; i < hostLines.size(); ++i) {
                    try {
                        shell.Execute(hostLines[i]);
                    } catch (const std::runtime_error& e) {
                        throw EditError(options.hostScript + ":" + std::to_string(i + 1) + ": " +
                                        e.what());
                    }
                }
            }
            ZnsStringW content = options.content.empty() ? ZnsStringW() : readContent(options);
            std::vector<std::string> actions;
            if (!options.script.empty())
                for (const std::string& line : lines(readFile(options.script)))
                    if (!line.empty() && line[0] != '#')
                        actions.push_back(line);
            actions.insert(actions.end(), options.actions.begin(), options.actions.end());

            EditSession session(user);
            session.Open(options);
            editor::CReqpad& pad = session.Pad();
            pad.m_referencedItems = parseNumbers(options.referenced);
            if (!options.links.empty())
                pad.m_specLinks = readLinks(options.links);
            if (!options.content.empty() && !pad.SetContent(content, options.kind))
                throw EditError(options.content + " cannot be loaded as kind " +
                                std::to_string(options.kind));
            // As the editor dialog does: the loaded text is the first undo step, not undoable.
            pad.TakeUndoSnapshot();
            pad.m_undoAvailable = 0;
            session.Run(actions);
            print(pad, options.prints);
        } catch (const std::runtime_error& e) {
            std::cerr << "reqpad edit: " << e.what() << '\n';
            status = 2;
        }
        shell.UnloadModule();
    } catch (const std::exception& e) {
        std::cerr << "reqpad edit: " << e.what() << '\n';
        status = 2;
    }
    zn::ui::SetUserAgent(previous);
    return status;
}

} // namespace

Subcommand addEditCommand(CLI::App& app) {
    auto options = std::make_shared<EditOptions>();
    CLI::App* edit = app.add_subcommand("edit", "Run the requirements editor control on a text");
    edit->add_option("--content", options->content, "Load FILE into the control");
    edit->add_option("--kind", options->kind, "Content kind: 0 plain text, 1 host text, 2 RTF")
        ->check(CLI::IsMember({0, 1, 2}));
    edit->add_option("--referenced", options->referenced,
                     "Item numbers the drawing refers to, comma-separated");
    edit->add_option("--links", options->links, "Specification links, RECORD<TAB>TEXT a line");
    edit->add_option("--allow", options->allow, "Allowed inserts, hexadecimal");
    edit->add_option("--host", options->hostScript, "Run these `reqpad host` lines first");
    edit->add_option("--script", options->script, "User actions, one a line");
    edit->add_option("--do", options->actions, "One user action (repeatable)");
    edit->add_option("--print", options->prints, "What to print (repeatable)")
        ->check(CLI::IsMember(
            {"text", "tagged", "rtf", "referenced", "links", "selection", "modified", "runs"}));
    return {edit, [options] { return runEdit(*options); }};
}
