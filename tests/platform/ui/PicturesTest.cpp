// Pictures: the XPM reader on good and broken text, bitmaps from the resource module with
// and without the system-colour mapping, image lists cut from strips with a mask colour,
// and what a device context records when pictures are drawn.
#include <random>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Static.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/XpmReader.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(XpmReaderTest, ReadsColoursTransparencyAndHotSpot) {
    XpmImage image;
    XpmResult result = ReadXpm(R"(/* XPM */
static const char *cursor[] = {
/* width height colours chars hot spot */
"3 2 4 2 1 0",
"aa c #F00",
"bb c #00ff00 m white",
"cc s mask c None",
"dd m black c #00000000FFFF",
"aabbcc",
"ddaabb"};
)",
                               image);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(image.image.width, 3);
    EXPECT_EQ(image.image.height, 2);
    EXPECT_EQ(image.image.At(0, 0), kRed);
    EXPECT_EQ(image.image.At(1, 0), RGB(0, 255, 0)); // the colour visual wins over mono
    EXPECT_TRUE(image.image.IsTransparent(2, 0));
    EXPECT_FALSE(image.image.IsTransparent(0, 0));
    EXPECT_EQ(image.image.At(0, 1), RGB(0, 0, 255)); // 16-bit components keep their high byte
    ASSERT_TRUE(image.hotSpot);
    EXPECT_EQ(*image.hotSpot, (CPoint{1, 0}));
}

TEST(XpmReaderTest, BrokenTextIsReportedWithItsLineAndLeavesTheOutputAlone) {
    struct Case {
        const char* text;
        XpmStatus status;
        int line;
    };
    const Case cases[] = {
        {"static char *x[] = {\"1 1 1 1\", \". c #000000\", \".\"};", XpmStatus::NotXpm, 1},
        {"/* XPM */\n\"0 1 1 1\",\n\". c #000000\",\n\".\"", XpmStatus::BadValues, 2},
        {"/* XPM */\n\"2 1 1 1 5 0\",\n\". c #000000\",\n\"..\"", XpmStatus::BadValues, 2},
        {"/* XPM */\n\"1 1 1 1\",\n\". c tomato\",\n\".\"", XpmStatus::BadColour, 3},
        {"/* XPM */\n\"1 1 1 1\",\n\". c #12345\",\n\".\"", XpmStatus::BadColour, 3},
        {"/* XPM */\n\"2 2 1 1\",\n\". c #000000\",\n\"..\",\n\"...\"", XpmStatus::BadPixels, 5},
        {"/* XPM */\n\"2 1 1 1\",\n\". c #000000\",\n\".x\"", XpmStatus::BadPixels, 4},
        {"/* XPM */\n\"2 2 1 1\",\n\". c #000000\",\n\"..\"", XpmStatus::MissingRows, 4},
    };
    for (const Case& c : cases) {
        XpmImage image;
        image.image = PixelImage(1, 1, kRed);
        XpmResult result = ReadXpm(c.text, image);
        EXPECT_EQ(result.status, c.status) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_FALSE(result.message.empty());
        EXPECT_EQ(image.image, PixelImage(1, 1, kRed)) << c.text;
    }
}

TEST(XpmReaderTest, MutatedPicturesReadConsistentlyOrReportALine) {
    const std::string seed = "/* XPM */\nstatic char *p[] = {\n\"4 3 3 1 1 2\",\n\". c None\",\n"
                             "\"# c #000000 m black\",\n\"r c #F00\",\n\"..#r\",\n\"#r..\",\n"
                             "\"rr##\"};\n";
    const std::string alphabet = "\".#r0123456789 c#None/*\n";
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text = seed;
        const int edits = std::uniform_int_distribution<int>(1, 4)(random);
        for (int e = 0; e < edits; ++e) {
            const size_t at = std::uniform_int_distribution<size_t>(0, text.size())(random);
            if (random() % 3 == 0)
                text.insert(at, 1, alphabet[random() % alphabet.size()]);
            else if (at < text.size())
                text.erase(at, 1);
        }
        XpmImage image;
        XpmResult result = ReadXpm(text, image);
        if (!result) {
            ASSERT_GE(result.line, 1) << text;
            ASSERT_FALSE(result.message.empty());
            continue;
        }
        const PixelImage& pixels = image.image;
        ASSERT_EQ(pixels.pixels.size(), size_t(pixels.width) * size_t(pixels.height));
        ASSERT_TRUE(pixels.transparent.empty() ||
                    pixels.transparent.size() == pixels.pixels.size());
        if (image.hotSpot) {
            ASSERT_TRUE(CRect({0, 0, pixels.width, pixels.height}).PtInRect(*image.hotSpot));
        }
    }
}

// A strip of three 4 x 3 images and a partial one: image k has colour k + 1 everywhere but
// its top-left pixel, which is the mask grey.
CBitmap strip() {
    PixelImage image(14, 3);
    for (int x = 0; x < 14; ++x)
        for (int y = 0; y < 3; ++y)
            image.Set(x, y, x % 4 == 0 && y == 0 ? kGrey : COLORREF(x / 4 + 1));
    return CBitmap(image);
}

TEST(ImageListTest, AddCutsTheStripIntoWholeImagesAndMasksTheMaskColour) {
    CImageList list;
    EXPECT_EQ(list.Add(strip(), kGrey), -1); // not created yet
    ASSERT_TRUE(list.Create(4, 3, ILC_COLOR24 | ILC_MASK, 10, 4));
    EXPECT_EQ(list.Add(strip(), kGrey), 0);
    EXPECT_EQ(list.GetImageCount(), 3); // the partial image at the right edge is dropped
    EXPECT_EQ(list.Add(strip(), kGrey), 3);
    EXPECT_EQ(list.GetImageCount(), 6);
    for (int k = 0; k < 3; ++k) {
        const PixelImage* image = list.GetImage(k);
        ASSERT_TRUE(image);
        EXPECT_TRUE(image->IsTransparent(0, 0));
        EXPECT_FALSE(image->IsTransparent(1, 0));
        EXPECT_EQ(image->At(3, 2), COLORREF(k + 1));
    }
    IMAGEINFO info;
    ASSERT_TRUE(list.GetImageInfo(2, &info));
    EXPECT_EQ(info.rcImage, (CRect{8, 0, 12, 3}));
    EXPECT_FALSE(list.GetImageInfo(6, &info));
    EXPECT_EQ(list.GetImageSize(), (CSize{4, 3}));

    CImageList tooTall;
    ASSERT_TRUE(tooTall.Create(4, 4, ILC_COLOR24 | ILC_MASK, 1, 1));
    EXPECT_EQ(tooTall.Add(strip(), kGrey), -1);
    EXPECT_EQ(tooTall.GetImageCount(), 0);

    CImageList opaque; // without ILC_MASK the mask colour is just a colour
    ASSERT_TRUE(opaque.Create(4, 3, ILC_COLOR24, 1, 1));
    opaque.Add(strip(), kGrey);
    EXPECT_FALSE(opaque.GetImage(0)->IsTransparent(0, 0));
    EXPECT_EQ(opaque.GetImage(0)->At(0, 0), kGrey);
}

TEST(ImageListTest, DrawRecordsTheImageWithItsTransparencyOrTheBackground) {
    CImageList list;
    ASSERT_TRUE(list.Create(4, 3, ILC_COLOR24 | ILC_MASK, 3, 0));
    list.Add(strip(), kGrey);
    CDC dc({0, 0, 100, 100});
    EXPECT_TRUE(list.Draw(&dc, 1, {10, 20}, ILD_TRANSPARENT));
    EXPECT_FALSE(list.Draw(&dc, 3, {0, 0}, ILD_NORMAL));
    list.SetBkColor(kRed);
    EXPECT_TRUE(list.Draw(&dc, 1, {0, 0}, ILD_NORMAL));

    const DisplayList& ops = dc.GetDisplayList();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, DrawKind::Image);
    EXPECT_EQ(ops[0].rect, (CRect{10, 20, 14, 23}));
    EXPECT_TRUE(ops[0].image.IsTransparent(0, 0));
    EXPECT_EQ(ops[0].image.At(1, 1), COLORREF(2));
    EXPECT_FALSE(ops[1].image.IsTransparent(0, 0)); // painted in the background colour
    EXPECT_EQ(ops[1].image.At(0, 0), kRed);
}

class BitmapTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ResetSysColors();
        PixelImage marker(5, 1);
        const COLORREF colours[] = {RGB(0, 0, 0), RGB(128, 128, 128), kGrey, RGB(255, 255, 255),
                                    kRed};
        for (int x = 0; x < 5; ++x)
            marker.Set(x, 0, colours[x]);
        resources.bitmaps[12020] = marker;
    }
    void TearDown() override {
        ResetSysColors();
        UiTest::TearDown();
    }
};

TEST_F(BitmapTest, MappedLoadTurnsTheGreysIntoTheButtonColours) {
    CBitmap plain, mapped, missing;
    ASSERT_TRUE(plain.LoadBitmap(12020));
    EXPECT_EQ(plain.GetPixel(2, 0), kGrey);
    EXPECT_FALSE(missing.LoadBitmap(12021));
    EXPECT_TRUE(missing.IsEmpty());

    const int indexes[] = {COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNHIGHLIGHT};
    const COLORREF scheme[] = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    ASSERT_TRUE(SetSysColors(4, indexes, scheme));
    ASSERT_TRUE(mapped.LoadMappedBitmap(12020));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(mapped.GetPixel(x, 0), scheme[x]) << x;
    EXPECT_EQ(mapped.GetPixel(4, 0), kRed); // other colours stay
}

TEST_F(BitmapTest, ColourChangesReachEveryWindowAndBadIndexesChangeNothing) {
    struct Watcher : CWnd {
        int changes = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            changes += message == WM_SYSCOLORCHANGE;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } top, child;
    ASSERT_TRUE(top.Create(u"Test", u"", WS_POPUP, {0, 0, 50, 50}, nullptr, 0));
    ASSERT_TRUE(child.Create(u"Test", u"", WS_CHILD, {0, 0, 10, 10}, &top, 1));
    const int good[] = {COLOR_BTNFACE}, bad[] = {COLOR_BTNFACE, 99};
    const COLORREF colours[] = {kRed, kRed};
    EXPECT_FALSE(SetSysColors(2, bad, colours));
    EXPECT_NE(GetSysColor(COLOR_BTNFACE), kRed);
    EXPECT_EQ(top.changes + child.changes, 0);
    EXPECT_TRUE(SetSysColors(1, good, colours));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), kRed);
    EXPECT_EQ(top.changes, 1);
    EXPECT_EQ(child.changes, 1);
}

TEST_F(BitmapTest, DrawingWithAMaskLeavesTheWhiteOfTheMaskOut) {
    PixelImage maskPixels(5, 1, RGB(0, 0, 0));
    maskPixels.Set(1, 0, RGB(255, 255, 255));
    CBitmap image, mask(maskPixels), wrongSize(PixelImage(2, 2));
    ASSERT_TRUE(image.LoadBitmap(12020));
    CDC dc({0, 0, 50, 50});
    EXPECT_FALSE(dc.DrawBitmap(0, 0, image, &wrongSize));
    EXPECT_TRUE(dc.DrawBitmap(3, 4, image, &mask));
    ASSERT_EQ(dc.GetDisplayList().size(), 1u);
    const DrawOp& op = dc.GetDisplayList()[0];
    EXPECT_EQ(op.rect, (CRect{3, 4, 8, 5}));
    EXPECT_TRUE(op.image.IsTransparent(1, 0));
    EXPECT_FALSE(op.image.IsTransparent(0, 0));
    EXPECT_EQ(op.image.At(4, 0), kRed);
}

TEST_F(BitmapTest, APictureControlPaintsItsBitmapWithTheMaskColourInTheFace) {
    CWnd dialog;
    ASSERT_TRUE(dialog.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100}, nullptr, 0));
    CStatic picture;
    ASSERT_TRUE(picture.Create(u"Static", u"", WS_CHILD | WS_VISIBLE | SS_BITMAP, {7, 7, 37, 37},
                               &dialog, 1039));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(12020));
    const ColorMapEntry faceForRed[] = {{kRed, GetSysColor(COLOR_BTNFACE)}};
    EXPECT_FALSE(picture.SetBitmap(CBitmap(MapColors(bitmap.GetImage(), faceForRed))));
    picture.UpdateWindow();
    ASSERT_EQ(picture.GetPaintedDisplayList().size(), 1u);
    const DrawOp& op = picture.GetPaintedDisplayList()[0];
    EXPECT_EQ(op.kind, DrawKind::Image);
    EXPECT_EQ(op.rect, (CRect{0, 0, 5, 1}));
    EXPECT_EQ(op.image.At(4, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(op.image.At(2, 0), kGrey); // the rest as drawn
}

} // namespace
} // namespace zn::ui::test
