#include "simhost/SimContext.h"

#include <algorithm>

namespace simhost {

void SimContext::ReportVersion(const ZnsStringW& what, std::int32_t version) {
    m_notifier.Tell({HostEvent::Kind::VersionReport, what, version});
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
    auto it = std::find_if(m_sinks.begin(), m_sinks.end(), [&](const RegisteredSink& s) { return s.sink == sink; });
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

void SimContext::ShowHelp(const ZnsStringW& topic, void*) { m_notifier.Tell({HostEvent::Kind::Help, topic, 0}); }

znsCmd* SimContext::FindCommand(std::u16string_view name) {
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it)
        if (zn::equalsNoCase(it->Name(), name))
            return &*it;
    return nullptr;
}

} // namespace simhost
