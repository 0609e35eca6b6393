// `reqpad host` commands that drive requirements objects the way a host's automation does:
// create one from a file, lay it out, place it, update it, read and set its properties,
// move its grips, notify it, and show its state as JSON.
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "apps/HostShell.h"
#include "apps/ShellArguments.h"
#include "apps/ShellWords.h"
#include "apps/TTextContent.h"
#include "host/Services.h"
#include "module/Exports.h"
#include "module/ModuleIds.h"
#include "module/SpecificationAccess.h"
#include "platform/rtf/RtfReader.h"
#include "requirements/AttachToDrawing.h"
#include "platform/text/CodePage.h"
#include "requirements/ZnTText.h"

namespace {

using Json = nlohmann::ordered_json;

const char* kUsage =
    "tt new --mode N [--format auto|none] --content FILE | tt layout ID X1 Y1 X2 Y2 | "
    "tt place ID KIND | tt update ID | tt info ID|all | tt prop ID NAME [VALUE] | tt grips ID | "
    "tt move-grips ID [--all] DX DY G... | tt notify ID KIND | tt select-item ID | "
    "tt delete-item ID N";

Json point(const ZnsPoint3& p) {
    return Json::array({p.x, p.y, p.z});
}

// What a reader sees of a column's RTF, paragraphs joined by LF.
std::string visibleText(const ZnsStringW& rtf) {
    zn::richedit::RichText text;
    if (rtf.empty() || !zn::rtf::Read(zn::wideToAnsi(rtf), text))
        return {};
    ZnsStringW visible = text.visibleText();
    while (!visible.empty() && visible.back() == u'\n')
        visible.pop_back();
    return zn::toUtf8(visible);
}

Json info(CZnTText& text) {
    Json columns = Json::array();
    for (const ZnsTTColumn& column : text.Columns())
        columns.push_back({{"first", point(column.first)},
                           {"second", point(column.second)},
                           {"anchor", column.anchor}});
    Json texts = Json::array();
    for (std::int32_t i = 0; i < text.GetColumnTextCount(); ++i)
        texts.push_back(visibleText(text.GetColumnText(i)));
    znsWorkID format;
    text.GetFormat(format);
    return Json{{"id", text.GetId().index},
                {"mode", text.GetMode()},
                {"placeKind", text.GetPlaceKind()},
                {"format", format.IsNull() ? Json(nullptr) : Json(format.index)},
                {"columns", columns},
                {"columnTexts", texts},
                {"headerIndex", text.GetHeaderIndex()},
                {"headerCount", text.GetHeaderCount()},
                {"extraValue", text.GetExtraValue()}};
}

Json variantJson(const ZNSVariant& value) {
    switch (value.kind()) {
    case ZNSVariant::Kind::Integer:
    case ZNSVariant::Kind::Boolean:
        return *value.AsInteger();
    case ZNSVariant::Kind::Double:
        return *value.AsDouble();
    case ZNSVariant::Kind::Text:
        return zn::toUtf8(*value.AsText());
    default:
        return nullptr;
    }
}

// A property value typed on the command line: a whole number, a number, else a text.
ZNSVariant parseValue(const std::string& word) {
    if (auto value = ParseNumber(word)) {
        if (word.find_first_of(".eE") == std::string::npos &&
            *value == double(std::int32_t(*value)))
            return ZNSVariant(std::int32_t(*value));
        return ZNSVariant(*value);
    }
    return ZNSVariant(zn::fromUtf8(word));
}

std::int32_t notifyKind(const std::string& word) {
    if (word.starts_with("0x") || word.starts_with("0X")) {
        try {
            return std::int32_t(std::stoul(word, nullptr, 16));
        } catch (const std::exception&) {
            throw ShellError("the notification kind must be a number, not \"" + word + "\"");
        }
    }
    return integer(word, "the notification kind");
}

} // namespace

CZnTText& HostShell::requirementsObject(const std::string& word) {
    if (word == "last" && m_lastText.empty())
        throw ShellError("no requirements object was made with tt new yet");
    IZnEntity& entity = object(word == "last" ? m_lastText : word);
    if (entity.GetClassId() != CLSID_ZnTText)
        throw ShellError("object " + word + " is not a requirements object");
    return static_cast<CZnTText&>(entity);
}

void HostShell::ttext(const Words& args) {
    if (args.empty())
        throw ShellError(std::string("usage: ") + kUsage);
    const std::string& action = args[0];
    if (action == "new") {
        std::int32_t mode = -1;
        std::string format = "auto", file;
        for (size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "--mode" && i + 1 < args.size())
                mode = integer(args[++i], "the mode");
            else if (args[i] == "--format" && i + 1 < args.size())
                format = args[++i];
            else if (args[i] == "--content" && i + 1 < args.size())
                file = args[++i];
            else
                throw ShellError("usage: tt new --mode N [--format auto|none] --content FILE");
        }
        if (mode < 0 || mode > 3 || file.empty() || (format != "auto" && format != "none"))
            throw ShellError("usage: tt new --mode 0..3 [--format auto|none] --content FILE");
        std::ifstream in(file, std::ios::binary);
        if (!in)
            throw ShellError("cannot read " + file);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        // Making the object starts a command, as "TT" does: cancelling its placement later
        // takes it out again.
        drawing().BeginCommand();
        IZnObject* created = nullptr;
        if (!gpZnObjManager || FAILED(gpZnObjManager->Create(&created, CLSID_ZnTText)) || !created)
            throw ShellError("the host could not make a requirements object");
        ZnPtr<IZnObject> holder = ZnPtr<IZnObject>::Adopt(created);
        ZnPtr<IZnTText> text = ZnQuery<IZnTText>(created);
        text->SetMode(mode);
        if (format == "auto")
            if (ZnPtr<IZnObject> main = module::MainFormat(znsWorkID::Null()))
                text->SetFormat(main->GetId());
        // Joined to the drawing as the module's own commands do, so the default layer and
        // the format's space apply.
        if (!AttachToDrawing(*text))
            throw ShellError("the drawing refused the new object");
        m_out << Json{{"id", text->GetId().index}}.dump() << '\n';
        text->SetContent(RequirementsContent(bytes), 0);
        m_lastText = std::to_string(text->GetId().index);
        return;
    }
    if (action == "info" && args.size() == 2 && args[1] == "all") {
        for (IZnEntity* entity : drawing().Objects())
            if (entity->GetClassId() == CLSID_ZnTText)
                m_out << info(static_cast<CZnTText&>(*entity)).dump() << '\n';
        return;
    }
    if (args.size() < 2)
        throw ShellError(std::string("usage: ") + kUsage);
    if (action == "select-item") {
        // Any drawing object may refer to an item; a sibling module's dialog asks this way.
        expectCount(args, 2, 2, "tt select-item ID");
        const znsWorkID id = object(args[1]).GetId();
        m_out << Json{{"result", ZNS_SelectTTItem(&id, nullptr)}}.dump() << '\n';
        return;
    }
    CZnTText& text = requirementsObject(args[1]);
    if (action == "layout") {
        expectCount(args, 6, 6, "tt layout ID X1 Y1 X2 Y2");
        std::map<ZnsStringW, ZNSVariant> points{
            {u"pntStart", ZnsPoint3{number(args[2], "X1"), number(args[3], "Y1"), 0}},
            {u"pntEnd", ZnsPoint3{number(args[4], "X2"), number(args[5], "Y2"), 0}}};
        if (FAILED(text.EditOrPlace(0x4 | 0x2, &points)))
            throw ShellError("the object refused the layout");
    } else if (action == "place") {
        expectCount(args, 3, 3, "tt place ID KIND");
        std::int32_t kind = integer(args[2], "the placement kind");
        if (kind < 0 || kind > 3)
            throw ShellError(
                "the placement kind is 0 (auto), 1 (rectangle), 2 (corner) or 3 (ask)");
        m_out << Json{{"result", text.Place(kind)}}.dump() << '\n';
    } else if (action == "update") {
        expectCount(args, 2, 2, "tt update ID");
        text.Update();
    } else if (action == "info") {
        expectCount(args, 2, 2, "tt info ID|all");
        m_out << info(text).dump() << '\n';
    } else if (action == "prop") {
        expectCount(args, 3, 4, "tt prop ID NAME [VALUE]");
        ZnsStringW name = zn::fromUtf8(args[2]);
        if (args.size() == 4 && FAILED(text.SetProperty(name, parseValue(args[3]))))
            throw ShellError("a requirements object has no property \"" + args[2] + "\" to set");
        ZNSVariant value;
        if (FAILED(text.GetProperty(name, value)))
            throw ShellError("a requirements object has no property \"" + args[2] + "\"");
        if (args.size() == 3)
            m_out << Json{{"name", args[2]}, {"value", variantJson(value)}}.dump() << '\n';
    } else if (action == "grips") {
        expectCount(args, 2, 2, "tt grips ID");
        ZnsArray<ZnsPoint3> grips;
        text.GetGripPoints(grips);
        Json list = Json::array();
        for (const ZnsPoint3& grip : grips)
            list.push_back(point(grip));
        m_out << Json{{"grips", list}}.dump() << '\n';
    } else if (action == "move-grips") {
        Words rest(args.begin() + 2, args.end());
        bool all = !rest.empty() && rest.front() == "--all";
        if (all)
            rest.erase(rest.begin());
        if (rest.size() < 2)
            throw ShellError("usage: tt move-grips ID [--all] DX DY G...");
        ZnsPoint3 offset{number(rest[0], "DX"), number(rest[1], "DY"), 0};
        ZnsArray<std::int32_t> grips;
        for (size_t i = 2; i < rest.size(); ++i)
            grips.push_back(integer(rest[i], "a grip index"));
        HRESULT result = text.MoveGripPoints(grips, offset, all);
        m_out << Json{{"status", zn::formatA("0x%08X", unsigned(result))}}.dump() << '\n';
    } else if (action == "delete-item") {
        expectCount(args, 3, 3, "tt delete-item ID N");
        std::int32_t item = integer(args[2], "the item number");
        ZnsStringW content = text.GetContent();
        ZnsArray<ZnsLink> links;
        text.GetLinks(links);
        std::int32_t result = DelTTItem(item, &content, 2, &links);
        if (result == 1) {
            text.SetContentAndLinks(content, links);
            text.Update();
        }
        m_out << Json{{"result", result}}.dump() << '\n';
    } else if (action == "notify") {
        expectCount(args, 3, 3, "tt notify ID KIND");
        text.OnNotify(notifyKind(args[2]));
    } else {
        throw ShellError(std::string("usage: ") + kUsage);
    }
}
