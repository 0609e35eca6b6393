// The module reaches its own ConvertAcadToRtf export through the loader, as sibling modules
// do: "ReqpadDll.dll" by handle, else loaded; the result is copied into `out`, and is empty
// when the function cannot be found.
#pragma once

#include "host/Array.h"
#include "platform/text/ZnsString.h"

struct ZnsLink;

namespace module {

// Signature of the export: out string, host multiline text, link list (may be null).
using ConvertAcadToRtfFunction = ZnsStringW* (*)(ZnsStringW* out, const ZnsStringW* mtext,
                                                 void* links);

ZnsStringW& ConvertAcadToRtfThroughLoader(ZnsStringW& out, const ZnsStringW& mtext, void* links);

} // namespace module
