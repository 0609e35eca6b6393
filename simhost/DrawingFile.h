// The drawing file: the drawing's spaces, layers and own default values, then every object
// in an envelope record (class, identifier, owner, layer, scale, parameter set, extended
// properties) around the record the object writes itself. Saving writes a temporary file
// beside the target and renames it over the target, so a failed save leaves the old file.
// Loading refuses a damaged file as a whole but skips single objects that refuse their
// record (a later version) or whose class nobody registered, and says which.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "simhost/ClassRegistry.h"
#include "simhost/Drawing.h"

namespace simhost {

struct FileResult {
    bool ok = false;
    std::string error;                 // what went wrong, with the file and where
    std::vector<std::string> warnings; // objects left out of a load
    explicit operator bool() const { return ok; }
};

FileResult SaveDrawing(Drawing& drawing, const std::string& path);
// On success `drawing` holds the loaded drawing; on failure it is left untouched.
FileResult LoadDrawing(const std::string& path, const ClassRegistry& classes,
                       const TextStyles& styles, std::unique_ptr<Drawing>& drawing);

// The bytes of a drawing as SaveDrawing writes them (tests compare them).
std::vector<std::uint8_t> DrawingBytes(Drawing& drawing);

} // namespace simhost
