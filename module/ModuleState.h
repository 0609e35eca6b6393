// Module-wide state: the only globals that carry behaviour. Each is created where its
// lifecycle says (the events sink by ZNSInit, the requirements manager on first use, the
// specification document on first use by the procedures that release it).
#pragma once

#include "host/WorkId.h"
#include "platform/loader/Loader.h"

class ZnTT2EventsSink;

namespace module {

// Where the module's resources come from: the module itself, as the loader knows it.
zn::loader::HMODULE ResourceModule();

// Passed wherever a command has no object or no format.
extern const znsWorkID kNullObjectId;

// The events sink ZNSInit created; null before ZNSInit and after ZNSUnInit.
ZnTT2EventsSink*& EventsSink();

} // namespace module
