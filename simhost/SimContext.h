// The host context of the reference host: commands and sinks that modules registered (in
// order), the flag word, version reports and help through the notifier, settings sections
// from the settings file.
#pragma once

#include <vector>

#include "host/Context.h"
#include "simhost/Notifier.h"
#include "simhost/SettingsStore.h"

namespace simhost {

struct RegisteredSink {
    IZnEventsSink* sink;
    std::uint32_t cookie;
};

class SimContext : public IZnContext {
public:
    SimContext(Notifier& notifier, SettingsStore& settings)
        : m_notifier(notifier), m_settings(settings) {}

    void* GetMainWindow() const override { return m_mainWindow; }
    void SetMainWindow(void* window) { m_mainWindow = window; }
    std::uint32_t GetFlags() const override { return m_flags; }
    void SetFlags(std::uint32_t flags) { m_flags = flags; }
    void ReportVersion(const ZnsStringW& what, std::int32_t version) override;
    HRESULT RegisterCommand(const znsCmd& command) override;
    HRESULT RegisterSink(IZnEventsSink* sink, std::int32_t reserved, std::uint32_t cookie) override;
    HRESULT UnregisterSink(IZnEventsSink* sink, std::int32_t reserved) override;
    HRESULT OpenSettingsSection(const ZnsStringW& name, IZnSettingsSection** section) override;
    void ShowHelp(const ZnsStringW& topic, void* owner) override;
    // Under $XDG_DATA_HOME/reqpad (else ~/.local/share/reqpad).
    ZnsStringW GetStandardPath(std::int32_t number) const override;
    std::int32_t GetHostKind() const override { return 2; }
    // Follows the interface language the host was started with.
    std::int32_t GetHostLanguage() const override;
    void DialogOpened(void* window) override;
    void DialogClosed(void* window) override;
    void EditorClosing() override { ++m_editorClosings; }
    int EditorClosings() const { return m_editorClosings; }
    // The modules' dialogs that told the host they are open, in opening order.
    const std::vector<void*>& OpenDialogs() const { return m_openDialogs; }

    // Every registration, in order (a command registered twice appears twice).
    const std::vector<znsCmd>& Commands() const { return m_commands; }
    // The latest registration of a command of that name (case-insensitive), or null.
    znsCmd* FindCommand(std::u16string_view name);
    const std::vector<RegisteredSink>& Sinks() const { return m_sinks; }

private:
    Notifier& m_notifier;
    SettingsStore& m_settings;
    void* m_mainWindow = nullptr;
    std::uint32_t m_flags = 0;
    std::vector<znsCmd> m_commands;
    std::vector<RegisteredSink> m_sinks;
    std::vector<void*> m_openDialogs;
    int m_editorClosings = 0;
};

} // namespace simhost
