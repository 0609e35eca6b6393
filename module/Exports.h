// The functions the module exports under plain (unmangled) names: the entry and exit the
// host calls, and the functions sibling modules call directly.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "host/Status.h"
#include "platform/text/ZnsString.h"
#include "platform/text/ZnsString.h"

struct znsWorkID;
struct ZnsLink;
class IZnObject;

#define ZNS_EXPORT extern "C" __attribute__((visibility("default")))

ZNS_EXPORT void ZNSInit();
ZNS_EXPORT void ZNSUnInit();
// Kept for callers of an older interface; does nothing.
ZNS_EXPORT std::int32_t ZNS_DelTTItem(std::int32_t item);

// Host multiline text converted to requirements RTF by a hidden editor control; `links`
// (a ZnsArray<ZnsLink>, may be null) gives the references' link list and takes it back.
ZNS_EXPORT ZnsStringW* ConvertAcadToRtf(ZnsStringW* out, const ZnsStringW* mtext, void* links);

// NewFlow for the format `*format` (null pointer or identifier: a new text each time); the
// flag and the window are not used. Always 1.
ZNS_EXPORT std::int32_t EditTT(const znsWorkID* format, std::int32_t flag, void* window);
// Lets the user choose the requirements item the drawing object `*object` refers to, from
// the calling dialog `window`; the item number, -1 when none.
ZNS_EXPORT std::int32_t ZNS_SelectTTItem(const znsWorkID* object, void* window);
// Deletes item `number` from the requirements text `*text` (content kind `kind`), renumbering
// the rest and the objects that refer to them; 1 when the item was there, else 0.
ZNS_EXPORT std::int32_t DelTTItem(std::int32_t number, ZnsStringW* text, std::int32_t kind,
                                  ZnsArray<ZnsLink>* links);

// A new notebook object (its IZnObject part, one reference) for the host's object manager,
// which hands notebook objects out to whoever asks for one.
ZNS_EXPORT HRESULT ZNS_CreateNotebook(IZnObject** out);

// How the host and tests find the entry points through the loader.
using ZnsInitFunction = void (*)();

// The lowest bottom edge of the objects other than `self` that reach into the column from
// `first` (top-left) to `second` (bottom-right); first[1] when there are none.
ZNS_EXPORT double CalcBottomFreeSpace(const double* first, const double* second,
                                      const znsWorkID* self);
// Links from older position data, indexed by item number - 1; 1 when any link was set.
ZNS_EXPORT std::int32_t GetOldPositionLinks(ZnsArray<ZnsLink>* links);
