// nlohmann's ordered JSON keeps the keys in the order the listings promise and does the
// escaping.
#include "apps/HostListings.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "apps/ShellWords.h"
#include "simhost/SingleLineText.h"

namespace {

using Json = nlohmann::ordered_json;

std::string utf8(const ZnsStringW& text) {
    return zn::toUtf8(text);
}

Json variantJson(const ZNSVariant& value, std::int32_t type) {
    using Kind = ZNSVariant::Kind;
    switch (value.kind()) {
    case Kind::Integer:
        if (type == simhost::kParamColor)
            return std::uint32_t(*value.AsInteger());
        if (type == simhost::kParamBoolean)
            return *value.AsInteger() != 0;
        return *value.AsInteger();
    case Kind::Double:
        return *value.AsDouble();
    case Kind::Boolean:
        return *value.AsBoolean();
    case Kind::Text:
        return utf8(*value.AsText());
    case Kind::IntegerArray:
        return *value.AsIntegerArray();
    case Kind::TextArray: {
        Json list = Json::array();
        for (const ZnsStringW& item : *value.AsTextArray())
            list.push_back(utf8(item));
        return list;
    }
    case Kind::Point: {
        const ZnsPoint3& p = *value.AsPoint();
        return Json::array({p.x, p.y, p.z});
    }
    default:
        return nullptr;
    }
}

void line(std::ostream& out, const Json& json) {
    out << json.dump() << '\n';
}

} // namespace

std::string DefaultValueJson(const simhost::DefaultParameter& parameter, const ZNSVariant& value) {
    return variantJson(value, parameter.type).dump();
}

std::optional<ZNSVariant> ParseDefaultValue(const simhost::DefaultParameter& parameter,
                                            const std::string& text) {
    auto number = ParseNumber(text);
    switch (parameter.type) {
    case simhost::kParamReal:
        return number ? std::optional<ZNSVariant>(*number) : std::nullopt;
    case simhost::kParamInteger:
    case simhost::kParamChoice:
        if (!number || *number != std::int32_t(*number))
            return std::nullopt;
        if (parameter.type == simhost::kParamChoice && parameter.choices &&
            (*number < 0 || *number >= double(parameter.choices->size())))
            return std::nullopt;
        return ZNSVariant(std::int32_t(*number));
    case simhost::kParamBoolean:
        if (text == "true" || text == "1")
            return ZNSVariant(true);
        if (text == "false" || text == "0")
            return ZNSVariant(false);
        return std::nullopt;
    case simhost::kParamColor: {
        size_t consumed = 0;
        unsigned long long colour = 0;
        try {
            colour = std::stoull(text, &consumed, 0);
        } catch (const std::exception&) {
            return std::nullopt;
        }
        if (consumed != text.size() || colour > 0xFFFFFFFFull)
            return std::nullopt;
        return ZNSVariant(std::int32_t(std::uint32_t(colour)));
    }
    case simhost::kParamTextStyle:
        if (number && *number == std::int32_t(*number))
            return ZNSVariant(std::int32_t(*number));
        return ZNSVariant(zn::fromUtf8(text));
    case simhost::kParamFilePath: { // "file|extension|filter" as the three texts of the list
        ZnsArray<ZnsStringW> items;
        size_t at = 0;
        for (int i = 0; i < 2; ++i) {
            size_t bar = text.find('|', at);
            if (bar == std::string::npos)
                return std::nullopt;
            items.push_back(zn::fromUtf8(text.substr(at, bar - at)));
            at = bar + 1;
        }
        items.push_back(zn::fromUtf8(text.substr(at)));
        return ZNSVariant(items);
    }
    default:
        return ZNSVariant(zn::fromUtf8(text));
    }
}

void ListCommands(simhost::SimHost& host, std::ostream& out) {
    for (const znsCmd& command : host.Context().Commands())
        line(out, Json{{"name", utf8(ZnsStringW(command.Name()))}, {"flags", command.m_flags}});
}

void ListTypes(simhost::SimHost& host, std::ostream& out) {
    for (const simhost::RegisteredClass& type : host.Classes().Classes()) {
        if (!type.byModule)
            continue;
        Json internal = type.internalName ? Json(utf8(*type.internalName)) : Json(nullptr);
        line(out, Json{{"class", type.classId.toString()},
                       {"name", utf8(type.name)},
                       {"code", type.code},
                       {"internal", internal}});
    }
}

void ListProperties(simhost::SimHost& host, std::ostream& out) {
    for (const simhost::PublishedProperty& property : host.NativeGate().Properties())
        line(out, Json{{"class", property.classId.toString()},
                       {"name", utf8(property.name)},
                       {"kind", property.kind}});
}

void ListDefaults(simhost::SimHost& host, std::ostream& out) {
    const simhost::DefaultParams& defaults = host.Defaults();
    for (const auto& entry : defaults.RegistrationOrder()) {
        if (entry.isCategory) {
            const simhost::DefaultCategory& category = defaults.Categories()[entry.index];
            line(out, Json{{"category", utf8(category.key)},
                           {"name", utf8(category.name)},
                           {"codes", {category.codes[0], category.codes[1], category.codes[2]}}});
            continue;
        }
        const simhost::DefaultParameter& parameter = defaults.Parameters()[entry.index];
        Json choices = nullptr;
        if (parameter.choices) {
            choices = Json::array();
            for (const ZnsStringW& choice : *parameter.choices)
                choices.push_back(utf8(choice));
        }
        line(out, Json{{"id", parameter.id},
                       {"category", utf8(parameter.category)},
                       {"name", utf8(parameter.name)},
                       {"type", parameter.type},
                       {"default", variantJson(parameter.defaultValue, parameter.type)},
                       {"mask", parameter.mask},
                       {"visible", parameter.visible},
                       {"unit", parameter.unit ? Json(utf8(*parameter.unit)) : Json(nullptr)},
                       {"choices", choices}});
    }
}

void ListObjects(simhost::SimHost& host, std::ostream& out) {
    simhost::Drawing* drawing = host.ActiveDrawing();
    if (!drawing)
        return;
    for (IZnEntity* entity : drawing->Objects()) {
        const simhost::RegisteredClass* type = host.Classes().Find(entity->GetClassId());
        ZnsBox3 box = entity->GetExtents();
        Json extents = box.IsEmpty() ? Json(nullptr)
                                     : Json::array({Json::array({box.min.x, box.min.y}),
                                                    Json::array({box.max.x, box.max.y})});
        std::string space;
        for (const simhost::Space& s : drawing->Spaces())
            if (s.id == entity->GetOwnerId())
                space = utf8(s.name);
        line(out, Json{{"id", entity->GetId().index},
                       {"class", entity->GetClassId().toString()},
                       {"type", type ? utf8(type->name) : std::string()},
                       {"space", space},
                       {"layer", utf8(entity->GetLayer())},
                       {"extents", extents}});
    }
}

void ListTexts(simhost::SimHost& host, std::ostream& out) {
    simhost::Drawing* drawing = host.ActiveDrawing();
    if (!drawing)
        return;
    // Rounded so that listings compare as text across machines.
    auto rounded = [](double value) { return std::round(value * 1e6) / 1e6 + 0.0; };
    auto point = [&](const ZnsPoint3& p) {
        return Json::array({rounded(p.x), rounded(p.y), rounded(p.z)});
    };
    for (IZnEntity* entity : drawing->Objects()) {
        auto* text = dynamic_cast<simhost::SingleLineText*>(entity);
        if (!text)
            continue;
        const ZnsDTextRecord& record = text->GetRecord();
        line(out,
             Json{{"id", entity->GetId().index},
                  {"text", utf8(record.text)},
                  {"style", utf8(record.style)},
                  {"origin", point(record.origin)},
                  {"direction", point(record.direction)},
                  {"align", Json::array({record.horizontalAlignment, record.verticalAlignment})},
                  {"width", rounded(record.width)},
                  {"height", rounded(record.height)},
                  {"oblique", rounded(record.oblique)},
                  {"color", std::uint32_t(text->GetColor())}});
    }
}

std::string EventLine(const simhost::HostEvent& event) {
    Json line;
    switch (event.kind) {
    case simhost::HostEvent::Kind::Message:
        line = Json{{"event", "message"}, {"text", utf8(event.text)}, {"kind", event.value}};
        if (event.editObject) // the message's edit-object button
            line["editObject"] = event.editObject->index;
        break;
    case simhost::HostEvent::Kind::VersionReport:
        line = Json{{"event", "version"},
                    {"what", utf8(event.text)},
                    {"version", std::to_string(event.value >> 16) + "." +
                                    std::to_string(event.value & 0xFFFF)}};
        break;
    case simhost::HostEvent::Kind::Help:
        line = Json{{"event", "help"}, {"topic", utf8(event.text)}};
        break;
    }
    return line.dump();
}
