// Module-wide state: the only globals that carry behaviour. Each is created where its
// lifecycle says (the events sink by ZNSInit, the requirements manager on first use, the
// specification document on first use by the procedures that release it).
#pragma once

#include "host/WorkId.h"
#include "platform/loader/Loader.h"

class ZnTT2EventsSink;

namespace module {

// The module's own instance handle, as the loader knows it: the library its resources
// ship in, whose folder sibling libraries are looked for in.
zn::loader::HMODULE ModuleInstance();

// Passed wherever a command has no object or no format.
extern const znsWorkID kNullObjectId;

// The events sink ZNSInit created; null before ZNSInit and after ZNSUnInit.
ZnTT2EventsSink*& EventsSink();

} // namespace module
