// The module's pictures: every bitmap, toolbar image and cursor the module's dialogs and
// controls name exists at the size they rely on, the embedded files all read, and a
// broken picture file is reported by file and line.
#include <gtest/gtest.h>

#include "platform/ui/Bitmap.h"
#include "platform/ui/ImageList.h"
#include "resources/ModuleResources.h"
#include "resources/Pictures.h"
#include "resources/ResourceIds.h"

namespace {

using namespace zn::ui;

// The shared toolbar images the toolbars and image buttons use: the editor's toolbars,
// the single-line text dialog, the embedded notebook, the table toolbar and the
// calculator's keys.
const int kToolbarImages[] = {0,   46,  71,  189, 211, 212, 213, 214, 215, 216,
                              217, 218, 219, 220, 221, 222, 227, 244, 245, 246,
                              247, 248, 256, 257, 258, 259, 261, 325, 684, 685};

TEST(Pictures, EveryEmbeddedFileReads) {
    res::Pictures pictures;
    res::PicturesReadResult result = res::ReadPictures(res::EmbeddedPictureFiles(), pictures);
    EXPECT_TRUE(result) << result.error;
    EXPECT_FALSE(pictures.bitmaps.empty());
}

TEST(Pictures, EveryBitmapTheModuleNamesLoadsAtItsSize) {
    res::ModuleResourceScope scope;
    // Ruler markers: an image and a mask of the same size, the mask only black and white.
    for (unsigned id :
         {res::IDB_RULER_UP, res::IDB_RULER_DOWN, res::IDB_RULER_BLOCK, res::IDB_RULER_TAB}) {
        CBitmap image, mask;
        ASSERT_TRUE(image.LoadMappedBitmap(id)) << id;
        ASSERT_TRUE(mask.LoadBitmap(id + 1)) << id + 1;
        EXPECT_EQ(image.GetSize(), mask.GetSize()) << id;
        EXPECT_LE(image.GetSize().cy, 17) << id; // inside the ruler bar
        for (COLORREF pixel : mask.GetImage().pixels)
            EXPECT_TRUE(pixel == RGB(0, 0, 0) || pixel == RGB(255, 255, 255)) << id + 1;
    }
    // The notebook tree: at least the six page kinds, 16 x 15, on the mask grey.
    CBitmap tree;
    ASSERT_TRUE(tree.LoadBitmap(res::IDB_NOTEBOOK_TREE));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_COLOR24 | ILC_MASK, 10, 0));
    EXPECT_EQ(images.Add(tree, RGB(192, 192, 192)), 0);
    EXPECT_GE(images.GetImageCount(), 6);
    EXPECT_EQ(tree.GetSize(), (CSize{images.GetImageCount() * 16, 15}));
    for (int k = 0; k < images.GetImageCount(); ++k)
        EXPECT_TRUE(images.GetImage(k)->IsTransparent(0, 0)) << "tree image " << k;

    CBitmap column, alignment;
    ASSERT_TRUE(column.LoadBitmap(res::IDB_COLUMN_PICTURE));
    EXPECT_EQ(column.GetPixel(0, 0), RGB(255, 0, 255)); // shown through in the dialog face
    ASSERT_TRUE(alignment.LoadBitmap(res::IDB_ALIGNMENT));
    EXPECT_FALSE(alignment.IsEmpty());
}

TEST(Pictures, EveryToolbarImageAndTheCursorExist) {
    res::ModuleResourceScope scope;
    for (int image : kToolbarImages) {
        const PixelImage* picture = FindSharedToolbarImage(image);
        ASSERT_TRUE(picture) << "toolbar image " << image;
        EXPECT_EQ(picture->width, 16);
        EXPECT_EQ(picture->height, 16);
    }
    HCURSOR cursor = AfxLoadCursor(res::IDC_PAGE_VIEW);
    ASSERT_TRUE(cursor);
    ASSERT_TRUE(cursor->picture);
    const CursorImage& picture = *cursor->picture;
    EXPECT_TRUE(CRect({0, 0, picture.image.width, picture.image.height}).PtInRect(picture.hotSpot));
    EXPECT_FALSE(picture.image.IsTransparent(picture.hotSpot.x, picture.hotSpot.y));
}

TEST(Pictures, BrokenFilesAreReportedByFileAndLine) {
    std::string rows;
    for (int y = 0; y < 16; ++y)
        rows += "\"" + std::string(16, '.') + "\",\n";
    const std::string toolbarImage = "/* XPM */\n\"16 16 1 1\",\n\". c #C0C0C0\",\n" + rows;
    const std::string smallImage = "/* XPM */\n\"2 1 1 1\",\n\". c #C0C0C0\",\n\"..\"\n";
    const std::string badRow = "/* XPM */\n\"2 1 1 1\",\n\". c #C0C0C0\",\n\".\"\n";
    struct Case {
        res::PictureFile file;
        const char* error;
    };
    const Case cases[] = {
        {{"bitmaps/toolbar/7.xpm", smallImage},
         "bitmaps/toolbar/7.xpm:1: toolbar images are 16 x 16"},
        {{"cursors/9150.xpm", smallImage}, "cursors/9150.xpm:1: a cursor needs a hot spot"},
        {{"bitmaps/ruler.xpm", smallImage},
         "bitmaps/ruler.xpm:0: the file name is not a resource number"},
        {{"bitmaps/12020.xpm", badRow}, "bitmaps/12020.xpm:4: row has 1 characters; 2 expected"},
    };
    for (const Case& c : cases) {
        res::Pictures pictures;
        pictures.bitmaps[1] = PixelImage(1, 1);
        res::PicturesReadResult result =
            res::ReadPictures({{"bitmaps/toolbar/3.xpm", toolbarImage}, c.file}, pictures);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(pictures.bitmaps.size(), 1u); // left as it was
        EXPECT_TRUE(pictures.toolbarImages.empty());
    }
}

} // namespace
