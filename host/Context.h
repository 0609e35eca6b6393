// The host context: the main window, the host's flag word, version reports, command and
// sink registration, settings sections and help.
#pragma once

#include <cstdint>

#include "host/CommandRecord.h"
#include "host/EventsSink.h"
#include "host/SettingsSection.h"

// Bits of the context's flag word that modules read.
constexpr std::uint32_t kZnsContextNoRequirementsType = 0x8000000;
constexpr std::uint32_t kZnsContextNewEditorOnly = 0x4000000;

class IZnContext {
public:
    virtual ~IZnContext() = default;

    // Parent of every dialog (a window handle of the window system).
    virtual void* GetMainWindow() const = 0;
    virtual std::uint32_t GetFlags() const = 0;
    // Tells the user a stored record is too new: `what` names the object, `version` is
    // major * 65536 + minor.
    virtual void ReportVersion(const ZnsStringW& what, std::int32_t version) = 0;
    // Negative on failure; the host keeps its own copy of the record.
    virtual HRESULT RegisterCommand(const znsCmd& command) = 0;
    virtual HRESULT RegisterSink(IZnEventsSink* sink, std::int32_t reserved,
                                 std::uint32_t cookie) = 0;
    virtual HRESULT UnregisterSink(IZnEventsSink* sink, std::int32_t reserved) = 0;
    virtual HRESULT OpenSettingsSection(const ZnsStringW& name, IZnSettingsSection** section) = 0;
    virtual void ShowHelp(const ZnsStringW& topic, void* owner) = 0;
    // The host's standard folders and files by number: 11 the folder of old notebook files,
    // 40 and 41 the default notebook file, 50 the notebook's cover page; empty for a number
    // the host does not know.
    virtual ZnsStringW GetStandardPath(std::int32_t number) const = 0;
    // The host's edition (2: the full drafting edition) and its language (2: Russian).
    virtual std::int32_t GetHostKind() const = 0;
    virtual std::int32_t GetHostLanguage() const = 0;
    // A module's dialog tells the host when its window opens and when it is destroyed, so
    // the host can keep its own windows in step with it.
    virtual void DialogOpened(void* window) = 0;
    virtual void DialogClosed(void* window) = 0;
    // The requirements editor is about to close, however the user ends it.
    virtual void EditorClosing() = 0;
};
