// Reading the embedded XPM files into bitmaps, toolbar images and cursors by the numbers
// in their names.
#include "resources/Pictures.h"

#include <charconv>

#include "platform/ui/Resources.h"
#include "platform/ui/XpmReader.h"

extern const char* const kBitmapFilesNames[];
extern const char* const kBitmapFilesData[];
extern const std::size_t kBitmapFilesSizes[];
extern const std::size_t kBitmapFilesCount;
extern const char* const kCursorFilesNames[];
extern const char* const kCursorFilesData[];
extern const std::size_t kCursorFilesSizes[];
extern const std::size_t kCursorFilesCount;

namespace res {

namespace {

PicturesReadResult failure(const std::string& path, int line, const std::string& message) {
    return {false, path + ":" + std::to_string(line) + ": " + message};
}

// The number a file is named by ("bitmaps/toolbar/211.xpm" -> 211).
bool numberOf(const std::string& path, long& number) {
    size_t slash = path.rfind('/');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot <= start)
        return false;
    auto [end, error] = std::from_chars(path.data() + start, path.data() + dot, number);
    return error == std::errc() && end == path.data() + dot && number >= 0;
}

void addFiles(std::vector<PictureFile>& files, const char* folder, const char* const* names,
              const char* const* data, const std::size_t* sizes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        files.push_back(
            {std::string(folder) + "/" + names[i], std::string_view(data[i], sizes[i])});
}

} // namespace

PicturesReadResult ReadPictures(const std::vector<PictureFile>& files, Pictures& out) {
    Pictures pictures;
    for (const PictureFile& file : files) {
        long number = 0;
        if (!numberOf(file.path, number))
            return failure(file.path, 0, "the file name is not a resource number");
        zn::ui::XpmImage picture;
        if (zn::ui::XpmResult read = zn::ui::ReadXpm(file.text, picture); !read)
            return failure(file.path, read.line, read.message);
        if (file.path.rfind("cursors/", 0) == 0) {
            if (!picture.hotSpot)
                return failure(file.path, 1, "a cursor needs a hot spot");
            pictures.cursors[unsigned(number)] = {picture.image, *picture.hotSpot};
        } else if (file.path.rfind("bitmaps/toolbar/", 0) == 0) {
            if (picture.image.width != zn::ui::kToolbarImageSize.cx ||
                picture.image.height != zn::ui::kToolbarImageSize.cy)
                return failure(file.path, 1, "toolbar images are 16 x 16");
            pictures.toolbarImages[int(number)] = picture.image;
        } else {
            pictures.bitmaps[unsigned(number)] = picture.image;
        }
    }
    out = std::move(pictures);
    return {};
}

std::vector<PictureFile> EmbeddedPictureFiles() {
    std::vector<PictureFile> files;
    addFiles(files, "bitmaps", kBitmapFilesNames, kBitmapFilesData, kBitmapFilesSizes,
             kBitmapFilesCount);
    addFiles(files, "cursors", kCursorFilesNames, kCursorFilesData, kCursorFilesSizes,
             kCursorFilesCount);
    return files;
}

const Pictures& modulePictures() {
    static const Pictures pictures = [] {
        Pictures read;
        ReadPictures(EmbeddedPictureFiles(), read);
        return read;
    }();
    return pictures;
}

} // namespace res
