// What the backend draws: a recorded display list replayed pixel for pixel, and the
// rich-edit text with the looks its character formats ask for.
#include <gtest/gtest.h>

#include <QPainter>

#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/qt/DisplayListPainter.h"
#include "platform/ui/qt/RichEditPainter.h"

namespace zn::ui::qt::test {
namespace {

using richedit::CharFormat;

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

DrawOp op(DrawKind kind) {
    DrawOp result;
    result.kind = kind;
    return result;
}

TEST(DisplayListPainting, ShapesImagesAndTextLandWhereRecorded) {
    DisplayList list;
    DrawOp fill = op(DrawKind::FillRect);
    fill.rect = {2, 2, 6, 6};
    fill.fillColor = RGB(255, 0, 0);
    list.push_back(fill);
    DrawOp line = op(DrawKind::Line);
    line.points = {{0, 10}, {20, 10}};
    line.state.pen.color = RGB(0, 0, 255);
    list.push_back(line);
    DrawOp clipped = op(DrawKind::FillRect);
    clipped.rect = {10, 0, 20, 5};
    clipped.fillColor = RGB(0, 255, 0);
    clipped.state.clip = {10, 0, 12, 5}; // only two columns may change
    list.push_back(clipped);
    DrawOp image = op(DrawKind::Image);
    image.image = PixelImage(2, 1, RGB(0, 0, 0));
    image.image.SetTransparent(1, 0, true);
    image.rect = {0, 15, 2, 16};
    list.push_back(image);

    QImage result = canvas(24, 20);
    {
        QPainter painter(&result);
        PaintDisplayList(painter, list);
    }
    EXPECT_EQ(result.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(result.pixelColor(6, 6), QColor(Qt::white)); // right and bottom exclusive
    EXPECT_EQ(result.pixelColor(15, 10), QColor(Qt::blue));
    EXPECT_EQ(result.pixelColor(11, 2), QColor(Qt::green));
    EXPECT_EQ(result.pixelColor(13, 2), QColor(Qt::white));
    EXPECT_EQ(result.pixelColor(0, 15), QColor(Qt::black));
    EXPECT_EQ(result.pixelColor(1, 15), QColor(Qt::white)); // transparent pixel
}

TEST(DisplayListPainting, InvertingPenDrawnTwiceLeavesThePicture) {
    DrawOp line = op(DrawKind::Line);
    line.points = {{0, 5}, {10, 5}};
    line.state.rop2 = R2_NOT;
    QImage result = canvas(12, 12);
    {
        QPainter painter(&result);
        PaintDisplayList(painter, {line});
    }
    EXPECT_EQ(result.pixelColor(4, 5), QColor(Qt::black));
    {
        QPainter painter(&result);
        PaintDisplayList(painter, {line});
    }
    EXPECT_EQ(result.pixelColor(4, 5), QColor(Qt::white));
}

class TextControl : public CRichEditCtrl {
public:
    TextControl() {
        m_parent.Create(u"Test", u"", WS_POPUP, {0, 0, 240, 64}, nullptr, 0);
        EXPECT_TRUE(Create(WS_CHILD | WS_VISIBLE, {0, 0, 240, 64}, &m_parent, 1));
    }
    ~TextControl() override { m_parent.DestroyWindow(); }

private:
    CWnd m_parent;
};

// The ink of the cells [from, to) of line 0: how many pixels are not the background, and
// the topmost row that has any.
struct Ink {
    int pixels = 0;
    int top = 1 << 20;
    QColor darkest = Qt::white;
};

Ink inkOf(const QImage& image, int from, int to, int line = 0) {
    Ink ink;
    const int cell = richedit::RichEditModel::kCellWidth,
              height = richedit::RichEditModel::kLineHeight;
    for (int y = line * height; y < (line + 1) * height; ++y)
        for (int x = from * cell; x < to * cell; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == QColor(Qt::white))
                continue;
            ++ink.pixels;
            ink.top = std::min(ink.top, y);
            if (c.lightness() < ink.darkest.lightness())
                ink.darkest = c;
        }
    return ink;
}

QImage render(const CRichEditCtrl& control, bool focused = false) {
    QImage image = canvas(240, 64);
    QPainter painter(&image);
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    PaintRichEdit(painter, control, focused, palette);
    return image;
}

void format(CRichEditCtrl& control, int start, int end, std::uint32_t mask, std::uint32_t effects,
            int offset = 0, int height = 200) {
    CharFormat f;
    f.mask = mask;
    f.effects = effects;
    f.offset = offset;
    f.height = height;
    control.SetCharFormat(start, end, f);
}

TEST(RichEditPainting, HiddenTextIsNotDrawnAndTakesNoCell) {
    TextControl control;
    control.SetText(u"abXYcd");
    format(control, 2, 4, richedit::CFM_HIDDEN, richedit::CFE_HIDDEN);
    const QImage image = render(control);
    // "cd" follows "ab" directly; nothing is drawn behind them.
    EXPECT_GT(inkOf(image, 2, 4).pixels, 0);
    EXPECT_EQ(inkOf(image, 4, 8).pixels, 0);
}

TEST(RichEditPainting, EmbossAndImprintLookDifferentFromPlainAndFromEachOther) {
    TextControl control;
    control.SetText(u"HHH HHH HHH");
    format(control, 4, 7, richedit::CFM_EMBOSS, richedit::CFE_EMBOSS);
    format(control, 8, 11, richedit::CFM_IMPRINT, richedit::CFE_IMPRINT);
    const QImage image = render(control);
    const QImage plain = image.copy(0, 0, 24, 16), emboss = image.copy(32, 0, 24, 16),
                 imprint = image.copy(64, 0, 24, 16);
    EXPECT_NE(plain, emboss);
    EXPECT_NE(emboss, imprint);
    EXPECT_NE(plain, imprint);
}

TEST(RichEditPainting, SuperscriptRisesAndSubscriptSinks) {
    TextControl control;
    control.SetText(u"xxxxxx");
    format(control, 2, 4, richedit::CFM_OFFSET | richedit::CFM_SIZE, 0, 60, 140);
    format(control, 4, 6, richedit::CFM_OFFSET | richedit::CFM_SIZE, 0, -60, 140);
    const QImage image = render(control);
    const int base = inkOf(image, 0, 2).top;
    EXPECT_LT(inkOf(image, 2, 4).top, base);
    EXPECT_GT(inkOf(image, 4, 6).top, base);
}

TEST(RichEditPainting, ColoursSelectionAndCaret) {
    TextControl control;
    control.SetText(u"rrr sss");
    CharFormat red;
    red.mask = richedit::CFM_COLOR;
    red.color = richedit::RGB(255, 0, 0);
    control.SetCharFormat(0, 3, red);
    control.SetSel(4, 7);
    QImage image = render(control, true);
    EXPECT_GT(inkOf(image, 0, 3).darkest.red(), 150);
    // The selection is filled behind its cells.
    EXPECT_GT(inkOf(image, 4, 7).pixels, 16 * 8 * 3 / 2);
    control.SetSel(2, 2);
    image = render(control, true);
    EXPECT_EQ(image.pixelColor(2 * 8, 8), QColor(Qt::black)); // the caret
    EXPECT_EQ(render(control, false).pixelColor(2 * 8, 15), QColor(Qt::white));
}

// Tabs and spaced lines are drawn where the model lays them out.
TEST(RichEditPainting, TextAfterATabAndOnSpacedLinesStandsWhereTheModelPutsIt) {
    TextControl control;
    control.SetText(u"H\tHH\rHH");
    richedit::ParaFormat doubled;
    doubled.mask = richedit::PFM_LINESPACING;
    doubled.lineSpacingRule = 2;
    control.SetParaFormat(0, 0, doubled);
    QImage image = render(control);
    EXPECT_EQ(inkOf(image, 1, 6).pixels, 0); // the tab reaches the default stop, cell 6
    EXPECT_GT(inkOf(image, 6, 8).pixels, 0);
    EXPECT_EQ(inkOf(image, 0, 2, 1).pixels, 0); // the double line's lower half
    EXPECT_GT(inkOf(image, 0, 2, 2).pixels, 0);
    // A selected tab is filled up to its stop.
    control.SetSel(1, 2);
    image = render(control);
    EXPECT_EQ(inkOf(image, 1, 6).pixels, 5 * 8 * 16);
    EXPECT_EQ(inkOf(image, 6, 8).darkest, QColor(Qt::black));
    // On the double line the selection and the caret reach down through its spacing.
    EXPECT_EQ(inkOf(image, 1, 6, 1).pixels, 5 * 8 * 16);
    control.SetSel(1, 1);
    EXPECT_EQ(render(control, true).pixelColor(8, 16 + 8), QColor(Qt::black));
    EXPECT_EQ(inkOf(render(control, true), 2, 6, 1).pixels, 0);
}

TEST(RichEditPainting, ScrolledTextShowsItsLaterLines) {
    TextControl control;
    control.SetText(u"a\rb\rc\rd\re\rHHHH");
    control.SetScrollPos({0, 5 * richedit::RichEditModel::kLineHeight});
    const int first = control.GetFirstVisibleLine();
    ASSERT_GT(first, 0);
    const QImage image = render(control);
    // Only "HHHH" has ink beyond the first cell; it is drawn on its scrolled row.
    EXPECT_GT(inkOf(image, 1, 4, 5 - first).pixels, 30);
    EXPECT_EQ(inkOf(image, 1, 4, 0).pixels, 0);
}

} // namespace
} // namespace zn::ui::qt::test
