// The module's pictures: bitmaps by id (bitmaps/ID.xpm), the shared 16x16 toolbar images
// by number (bitmaps/toolbar/N.xpm) and cursors by id with their hot spots
// (cursors/ID.xpm). Pictures carry no text, so one set serves all four language sets.
// Reading reports the first problem as a value, naming the file and line.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Cursor.h"

namespace res {

struct Pictures {
    std::map<unsigned, zn::ui::PixelImage> bitmaps;
    std::map<int, zn::ui::PixelImage> toolbarImages;
    std::map<unsigned, zn::ui::CursorImage> cursors;
};

struct PicturesReadResult {
    bool ok = true;
    std::string error; // "FILE:LINE: what is wrong"
    explicit operator bool() const { return ok; }
};

// One embedded picture file: its path under the resources folder and its text.
struct PictureFile {
    std::string path; // "bitmaps/12020.xpm", "bitmaps/toolbar/211.xpm", "cursors/9150.xpm"
    std::string_view text;
};

// Reads `files` into `out`; `out` is left as it was on failure.
PicturesReadResult ReadPictures(const std::vector<PictureFile>& files, Pictures& out);

// The embedded picture files of the module.
std::vector<PictureFile> EmbeddedPictureFiles();

// The module's pictures (read once; empty when the embedded files do not read, which the
// tests rule out).
const Pictures& modulePictures();

} // namespace res
