#include "apps/HostShell.h"

#include <cctype>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "apps/HostListings.h"
#include "apps/HostUser.h"
#include "apps/ShellArguments.h"
#include "apps/ShellWords.h"
#include "host/Services.h"
#include "module/Exports.h"
#include "platform/file/SaveFile.h"
#include "platform/loader/Loader.h"
#include "simhost/Annotation.h"
#include "simhost/PositionRecord.h"
#include "simhost/SiblingStandIns.h"
#include "simhost/SingleLineText.h"

namespace {

// Writes through a temporary file and a rename, so a failed write leaves the old file.
void writeFileAtomically(const std::string& path, const std::string& content) {
    try {
        zn::CSaveFile file(zn::fromUtf8(path), zn::CFile::modeCreate | zn::CFile::modeWrite);
        file.Write(content.data(), content.size());
        file.Close();
    } catch (const zn::CFileException& error) {
        throw ShellError("cannot write " + path + ": " + error.what());
    }
}

} // namespace

HostShell::HostShell(simhost::SimHost& host, HostUser& user, std::ostream& out)
    : m_host(host), m_user(user), m_out(out) {
    using namespace std::placeholders;
    m_commands = {
        {"new", std::bind(&HostShell::newDrawing, this, _1)},
        {"open", std::bind(&HostShell::open, this, _1)},
        {"save", std::bind(&HostShell::save, this, _1)},
        {"render", std::bind(&HostShell::render, this, _1)},
        {"export", std::bind(&HostShell::exportSheet, this, _1)},
        {"command", std::bind(&HostShell::command, this, _1)},
        {"param", std::bind(&HostShell::param, this, _1)},
        {"add", std::bind(&HostShell::add, this, _1)},
        {"erase", std::bind(&HostShell::erase, this, _1)},
        {"select", std::bind(&HostShell::select, this, _1)},
        {"ext", std::bind(&HostShell::extended, this, _1)},
        {"calls", std::bind(&HostShell::calls, this, _1)},
        {"tt", std::bind(&HostShell::ttext, this, _1)},
        {"objects", [this](const Words&) { ListObjects(m_host, m_out); }},
        {"text", [this](const Words&) { ListTexts(m_host, m_out); }},
        {"commands", [this](const Words&) { ListCommands(m_host, m_out); }},
        {"types", [this](const Words&) { ListTypes(m_host, m_out); }},
        {"properties", [this](const Words&) { ListProperties(m_host, m_out); }},
        {"defaults", [this](const Words&) { ListDefaults(m_host, m_out); }},
    };
}

HostShell::~HostShell() {
    UnloadModule();
}

void HostShell::LoadModule() {
    zn::loader::HMODULE module = zn::loader::LoadLibraryW(u"ReqpadDll.dll");
    if (!module)
        throw ShellError("cannot load ReqpadDll.dll: " + zn::loader::LastError());
    auto init = reinterpret_cast<ZnsInitFunction>(zn::loader::GetProcAddress(module, "ZNSInit"));
    auto unInit =
        reinterpret_cast<ZnsInitFunction>(zn::loader::GetProcAddress(module, "ZNSUnInit"));
    if (!init || !unInit)
        throw ShellError("ReqpadDll.dll does not export ZNSInit and ZNSUnInit");
    init();
    m_unInit = unInit;
}

void HostShell::UnloadModule() {
    if (m_unInit)
        std::exchange(m_unInit, nullptr)();
}

bool HostShell::Execute(const std::string& line) {
    std::string error;
    auto words = SplitShellWords(line, error);
    if (!words)
        throw ShellError(error);
    if (words->empty())
        return true;
    std::string name = words->front();
    if (name == "quit" || name == "exit")
        return false;
    if (name == "user") { // the rest of the line is the agent's, in its own words
        size_t at = line.find("user");
        std::string action = zn::toUtf8(zn::trim(zn::fromUtf8(line.substr(at + 4))));
        if (words->size() < 2)
            throw ShellError("usage: user ACTION");
        m_user.Queue(action);
        return true;
    }
    auto it = m_commands.find(name);
    if (it == m_commands.end())
        throw ShellError("unknown command \"" + name + "\"");
    it->second(Words(words->begin() + 1, words->end()));
    return true;
}

simhost::Drawing& HostShell::drawing() {
    simhost::Drawing* current = m_host.ActiveDrawing();
    if (!current)
        throw ShellError("no drawing is open: use new or open first");
    return *current;
}

IZnEntity& HostShell::object(const std::string& word) {
    IZnEntity* entity = drawing().FindByIndex(integer(word, "an object id"));
    if (!entity)
        throw ShellError("no object " + word + " in the drawing");
    return *entity;
}

void HostShell::newDrawing(const Words& args) {
    simhost::SheetChoice choice;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sheet" && i + 1 < args.size())
            choice.sheet = args[++i];
        else if (args[i] == "--landscape")
            choice.landscape = true;
        else if (args[i] == "--portrait")
            choice.landscape = false;
        else if (args[i] == "--scale" && i + 1 < args.size())
            choice.scale = number(args[++i], "the scale");
        else
            throw ShellError("usage: new [--sheet A0..A4] [--landscape|--portrait] [--scale N]");
    }
    if (auto error = m_host.NewDrawing(choice))
        throw ShellError(*error);
}

void HostShell::open(const Words& args) {
    expectCount(args, 1, 1, "open FILE");
    simhost::FileResult result = m_host.Open(args[0]);
    if (!result)
        throw ShellError(result.error);
    for (const std::string& warning : result.warnings)
        m_out << nlohmann::ordered_json{{"event", "skipped"}, {"text", warning}}.dump() << '\n';
}

void HostShell::save(const Words& args) {
    expectCount(args, 1, 1, "save FILE");
    drawing();
    simhost::FileResult result = m_host.Save(args[0]);
    if (!result)
        throw ShellError(result.error);
}

void HostShell::render(const Words& args) {
    expectCount(args, 1, 1, "render FILE.svg");
    drawing();
    writeFileAtomically(args[0], m_host.RenderSheet());
}

void HostShell::exportSheet(const Words& args) {
    expectCount(args, 1, 1, "export FILE.dxf|FILE.pdf");
    size_t dot = args[0].rfind('.');
    std::string extension = dot == std::string::npos ? "" : args[0].substr(dot + 1);
    for (char& ch : extension)
        ch = char(std::tolower(static_cast<unsigned char>(ch)));
    simhost::SheetOutput output;
    if (extension == "dxf")
        output = simhost::SheetOutput::Dxf;
    else if (extension == "pdf")
        output = simhost::SheetOutput::Pdf;
    else
        throw ShellError("export writes FILE.dxf or FILE.pdf, not \"" + args[0] + "\"");
    drawing();
    std::string document;
    try {
        document = m_host.RenderSheet(output);
    } catch (const std::runtime_error& error) {
        throw ShellError(error.what());
    }
    writeFileAtomically(args[0], document);
}

void HostShell::command(const Words& args) {
    expectCount(args, 1, 1, "command NAME");
    if (m_host.RunCommand(zn::fromUtf8(args[0])) == E_INVALIDARG)
        throw ShellError("no command \"" + args[0] + "\" is registered");
}

void HostShell::param(const Words& args) {
    if (args.empty() || (args[0] != "get" && args[0] != "set"))
        throw ShellError("usage: param get ID | param set ID VALUE");
    expectCount(args, args[0] == "get" ? 2 : 3, args[0] == "get" ? 2 : 3,
                "param get ID | param set ID VALUE");
    std::int32_t id = integer(args[1], "a parameter id");
    const simhost::DefaultParameter* parameter = m_host.Defaults().Find(id);
    if (!parameter)
        throw ShellError("no default parameter " + args[1] + " is registered");
    if (args[0] == "get") {
        ZNSVariant value;
        m_host.Defaults().GetValue(id, value);
        m_out << DefaultValueJson(*parameter, value) << '\n';
        return;
    }
    drawing();
    auto value = ParseDefaultValue(*parameter, args[2]);
    if (!value)
        throw ShellError("\"" + args[2] + "\" is not a value of parameter " + args[1]);
    if (FAILED(m_host.Defaults().SetValue(id, *value)))
        throw ShellError("the drawing refused the value");
    drawing().SetModified(true);
}

void HostShell::appendNew(IZnEntity* entity, bool inModelSpace) {
    simhost::Drawing& current = drawing();
    znsWorkID space = inModelSpace ? current.ModelSpace() : current.CurrentSpace();
    if (FAILED(current.Append(entity, &space)))
        throw ShellError("the drawing refused the new object");
    m_out << nlohmann::ordered_json{{"id", entity->GetId().index}}.dump() << '\n';
}

void HostShell::add(const Words& args) {
    const char* usage =
        "add view|section|mark X1 Y1 X2 Y2 LABEL [RECORD] | add record NUMBER [ZONE [ITEM...]] | "
        "add text X Y HEIGHT TEXT";
    if (args.empty())
        throw ShellError(std::string("usage: ") + usage);
    const std::string& kind = args[0];
    drawing();
    if (kind == "view" || kind == "section" || kind == "mark") {
        expectCount(args, 6, kind == "mark" ? 7 : 6, usage);
        auto type = kind == "view"      ? simhost::Annotation::Kind::View
                    : kind == "section" ? simhost::Annotation::Kind::Section
                                        : simhost::Annotation::Kind::PositionMark;
        ZnPtr<simhost::Annotation> annotation =
            ZnPtr<simhost::Annotation>::Adopt(new simhost::Annotation(type));
        annotation->SetPoints({{number(args[1], "X1"), number(args[2], "Y1"), 0},
                               {number(args[3], "X2"), number(args[4], "Y2"), 0}});
        annotation->SetLabel(zn::fromUtf8(args[5]));
        if (args.size() == 7)
            annotation->SetSpecRecord(integer(args[6], "a record id"));
        appendNew(annotation.get(), false);
    } else if (kind == "record") {
        expectCount(args, 2, 1000, usage);
        ZnPtr<simhost::PositionRecord> record =
            ZnPtr<simhost::PositionRecord>::Adopt(new simhost::PositionRecord);
        record->SetNumber(integer(args[1], "a position number"));
        if (args.size() > 2)
            record->SetZone(zn::fromUtf8(args[2]));
        ZnsArray<std::int32_t> items;
        for (size_t i = 3; i < args.size(); ++i)
            items.push_back(integer(args[i], "an item number"));
        record->SetItems(items);
        appendNew(record.get(), true);
    } else if (kind == "text") {
        expectCount(args, 5, 5, usage);
        ZnsDTextRecord record;
        record.origin = {number(args[1], "X"), number(args[2], "Y"), 0};
        record.height = number(args[3], "the height");
        record.text = zn::fromUtf8(args[4]);
        record.style = gpZnStyleManager ? gpZnStyleManager->GetCurrentTextStyle() : ZnsStringW();
        if (record.height <= 0)
            throw ShellError("the height must be positive");
        ZnPtr<simhost::SingleLineText> text =
            ZnPtr<simhost::SingleLineText>::Adopt(new simhost::SingleLineText);
        text->SetRecord(record);
        appendNew(text.get(), false);
    } else {
        throw ShellError(std::string("usage: ") + usage);
    }
}

void HostShell::erase(const Words& args) {
    expectCount(args, 1, 1, "erase ID");
    if (FAILED(drawing().Erase(object(args[0]).GetId())))
        throw ShellError("the drawing refused to erase object " + args[0]);
}

void HostShell::select(const Words& args) {
    drawing();
    std::vector<znsWorkID> ids;
    for (const std::string& word : args)
        ids.push_back(object(word).GetId());
    m_host.Documents().Active()->Selection() = ids;
}

void HostShell::extended(const Words& args) {
    expectCount(args, 2, 4, "ext ID NAME [TEXT | --integer N]");
    IZnEntity& entity = object(args[0]);
    ZnsStringW name = zn::fromUtf8(args[1]);
    if (args.size() == 4 && args[2] != "--integer")
        throw ShellError("usage: ext ID NAME [TEXT | --integer N]");
    if (args.size() >= 3) {
        // The item an object refers to ("TT item") is kept as an integer.
        ZNSVariant value = args.size() == 4 ? ZNSVariant(integer(args[3], "the value"))
                                            : ZNSVariant(zn::fromUtf8(args[2]));
        if (FAILED(entity.SetExtProperty(name, value)))
            throw ShellError("the drawing refused the change");
        return;
    }
    ZNSVariant value;
    if (FAILED(entity.GetExtProperty(name, value)))
        throw ShellError("object " + args[0] + " has no property \"" + args[1] + "\"");
    const simhost::DefaultParameter untyped{};
    m_out << DefaultValueJson(untyped, value) << '\n';
}

void HostShell::calls(const Words& args) {
    expectCount(args, 0, 0, "calls");
    for (const std::string& call : simhost::SiblingCallLog())
        m_out << nlohmann::ordered_json{{"call", call}}.dump() << '\n';
}
