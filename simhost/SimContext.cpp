#include "simhost/SimContext.h"

#include <algorithm>
#include <cstdlib>

#include "platform/text/CodePage.h"

namespace simhost {

void SimContext::ReportVersion(const ZnsStringW& what, std::int32_t version) {
    m_notifier.Tell({HostEvent::Kind::VersionReport, what, version, std::nullopt});
}

HRESULT SimContext::RegisterCommand(const znsCmd& command) {
    if (command.Name().empty())
        return E_INVALIDARG;
    m_commands.push_back(command);
    return HRESULT(m_commands.size() - 1);
}

HRESULT SimContext::RegisterSink(IZnEventsSink* sink, std::int32_t, std::uint32_t cookie) {
    if (!sink)
        return E_INVALIDARG;
    m_sinks.push_back({sink, cookie});
    return S_OK;
}

HRESULT SimContext::UnregisterSink(IZnEventsSink* sink, std::int32_t) {
    auto it = std::find_if(m_sinks.begin(), m_sinks.end(),
                           [&](const RegisteredSink& s) { return s.sink == sink; });
    if (it == m_sinks.end())
        return E_INVALIDARG;
    m_sinks.erase(it);
    return S_OK;
}

HRESULT SimContext::OpenSettingsSection(const ZnsStringW& name, IZnSettingsSection** section) {
    if (!section || name.empty())
        return E_INVALIDARG;
    *section = m_settings.OpenSection(name);
    return S_OK;
}

void SimContext::ShowHelp(const ZnsStringW& topic, void*) {
    m_notifier.Tell({HostEvent::Kind::Help, topic, 0, std::nullopt});
}

ZnsStringW SimContext::GetStandardPath(std::int32_t number) const {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string folder =
        data && *data ? std::string(data) : std::string(home ? home : ".") + "/.local/share";
    folder += "/reqpad";
    switch (number) {
    case 11:
        return zn::fromUtf8(folder);
    case 40:
    case 41:
        return zn::fromUtf8(folder + "/Notebook.ntb");
    case 50:
        return zn::fromUtf8(folder + "/NotebookCover.rtf");
    default:
        return {};
    }
}

std::int32_t SimContext::GetHostLanguage() const {
    return zn::interfaceLanguage() == 1049 ? 2 : 1;
}

znsCmd* SimContext::FindCommand(std::u16string_view name) {
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it)
        if (zn::equalsNoCase(it->Name(), name))
            return &*it;
    return nullptr;
}

} // namespace simhost
