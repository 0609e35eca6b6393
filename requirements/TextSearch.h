// Finding the requirements text a command works on, and making a new one, shared by the two
// editing procedures.
#pragma once

#include <cstdint>

#include "requirements/IZnTText.h"

namespace requirements {

ZnPtr<IZnTText> OpenText(const znsWorkID& id);

// The first text of the drawing in `mode` whose format is `format`, or any text in `mode`
// when `anyFormat`; empty when none qualifies.
ZnPtr<IZnTText> FindText(std::int32_t mode, const znsWorkID& format, bool anyFormat);

// A new text in `mode`, tied to `format` when it is not null, attached to the drawing with
// the style's default height; empty when the drawing refuses edits or the host cannot make
// one.
ZnPtr<IZnTText> CreateText(std::int32_t mode, const znsWorkID& format);

bool DocumentAcceptsEdits();

} // namespace requirements
