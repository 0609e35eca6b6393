// The module's host commands: name, flags and the callback the host runs. A command whose
// procedure is not part of the module yet has no callback, so the host's record answers
// E_NOTIMPL when it is executed.
#pragma once

#include <cstdint>

#include "host/CommandRecord.h"

namespace module {

struct CommandEntry {
    const char16_t* name;
    std::uint32_t flags;
    ZnsCommandCallback callback;
};

// "TTOld", "TDold", "TT", "TD", in registration order.
extern const CommandEntry kRequirementsCommands[4];
// "DText", "DiviRuve", "FormEdit".
extern const CommandEntry kToolCommands[3];

// Fills a command record, hands it to the host's command registration and destroys it;
// the host's answer (negative on failure).
HRESULT RegisterCommand(const CommandEntry& entry);

// "TTOld", "TDold": the text edited in this module's editor and placed; "TT", "TD": the text
// handed to the sibling module's editor. Each finds the drawing's text or makes a new one.
std::int32_t RunOldConditions(void* context);
std::int32_t RunOldParameters(void* context);
std::int32_t RunConditions(void* context);
std::int32_t RunParameters(void* context);

// "FormEdit": the input form of "VornCtl.dll" over the host's main window; E_NOINTERFACE
// when the library or its function is missing. The text the form fills is not used.
std::int32_t RunFormEdit(void* context);

// "DiviRuve": the calculator, modal over the host's main window, without Insert.
std::int32_t RunCalculator(void* context);

} // namespace module
