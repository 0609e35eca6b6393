// pugixml reads and writes the file, so no format code of our own is needed.
#include "simhost/SettingsStore.h"

#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "host/ObjectImpl.h"
#include "platform/file/SaveFile.h"

namespace simhost {

namespace {

class Section : public ZnObjectImpl<IZnSettingsSection> {
public:
    Section(SettingsStore& store, std::string name) : m_store(store), m_name(std::move(name)) {}

    ZnsGuid GetClassId() const override { return IZnSettingsSection::IID; }

    std::int32_t GetInt(const ZnsStringW& key, std::int32_t defaultValue) const override {
        auto text = get(key);
        return text ? std::int32_t(std::strtol(text->c_str(), nullptr, 10)) : defaultValue;
    }
    void WriteInt(const ZnsStringW& key, std::int32_t value) override {
        set(key, std::to_string(value));
    }
    double GetDouble(const ZnsStringW& key, double defaultValue) const override {
        auto text = get(key);
        return text ? zn::parseDoubleC(*text) : defaultValue;
    }
    void WriteDouble(const ZnsStringW& key, double value) override {
        set(key, zn::formatA("%.17g", value));
    }
    ZnsStringW GetString(const ZnsStringW& key, const ZnsStringW& defaultValue) const override {
        auto text = get(key);
        return text ? zn::fromUtf8(*text) : defaultValue;
    }
    void WriteString(const ZnsStringW& key, const ZnsStringW& value) override {
        set(key, zn::toUtf8(value));
    }
    std::optional<ZnsWindowPlacement> GetPlacement(const ZnsStringW& key) const override {
        auto text = get(key);
        ZnsWindowPlacement p;
        if (!text || std::sscanf(text->c_str(), "%d %d %d %d %d", &p.left, &p.top, &p.right,
                                 &p.bottom, &p.showCommand) != 5)
            return std::nullopt;
        return p;
    }
    void WritePlacement(const ZnsStringW& key, const ZnsWindowPlacement& p) override {
        set(key, zn::formatA("%d %d %d %d %d", p.left, p.top, p.right, p.bottom, p.showCommand));
    }

private:
    std::optional<std::string> get(const ZnsStringW& key) const {
        return m_store.Get(m_name, zn::toUtf8(key));
    }
    void set(const ZnsStringW& key, const std::string& value) {
        m_store.Set(m_name, zn::toUtf8(key), value);
    }

    SettingsStore& m_store;
    std::string m_name;
};

} // namespace

std::string SettingsStore::DefaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && *config)
        folder = config;
    else if (const char* home = std::getenv("HOME"))
        folder = std::string(home) + "/.config";
    else
        folder = ".";
    return folder + "/reqpad/settings.xml";
}

SettingsStore::SettingsStore(std::string path)
    : m_path(path.empty() ? DefaultPath() : std::move(path)) {
    std::error_code ec;
    if (!std::filesystem::exists(m_path, ec))
        return;
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_file(m_path.c_str());
    if (!result) {
        m_problem =
            m_path + ": " + result.description() + " at byte " + std::to_string(result.offset);
        m_writable = false;
        return;
    }
    for (pugi::xml_node section : document.child("settings").children("section"))
        for (pugi::xml_node value : section.children("value"))
            m_sections[section.attribute("name").value()][value.attribute("key").value()] =
                value.text().get();
}

std::optional<std::string> SettingsStore::Get(const std::string& section,
                                              const std::string& key) const {
    auto s = m_sections.find(section);
    if (s == m_sections.end())
        return std::nullopt;
    auto v = s->second.find(key);
    return v == s->second.end() ? std::nullopt : std::optional<std::string>(v->second);
}

void SettingsStore::Set(const std::string& section, const std::string& key,
                        const std::string& value) {
    m_sections[section][key] = value;
    save();
}

IZnSettingsSection* SettingsStore::OpenSection(const ZnsStringW& name) {
    return new Section(*this, zn::toUtf8(name));
}

void SettingsStore::save() {
    if (!m_writable)
        return;
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("settings");
    for (const auto& [name, values] : m_sections) {
        pugi::xml_node section = root.append_child("section");
        section.append_attribute("name") = name.c_str();
        for (const auto& [key, value] : values) {
            pugi::xml_node node = section.append_child("value");
            node.append_attribute("key") = key.c_str();
            node.text() = value.c_str();
        }
    }
    std::error_code ec; // a folder that cannot be made shows as the write's failure
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ec);
    std::ostringstream text;
    document.save(text);
    const std::string bytes = text.str();
    // Renamed over the old file only when written whole, so a failure keeps the old one.
    try {
        zn::CSaveFile file(zn::fromUtf8(m_path), zn::CFile::modeCreate | zn::CFile::modeWrite);
        file.Write(bytes.data(), bytes.size());
        file.Close();
        m_problem.clear();
    } catch (const zn::CFileException& error) {
        std::string problem = "cannot write " + m_path + ": " + error.what();
        // Every change writes the file again; the user hears of a failure once.
        if (problem != m_problem && m_onWriteFailure)
            m_onWriteFailure(error);
        m_problem = std::move(problem);
    }
}

} // namespace simhost
