#include "apps/gui/SheetTransform.h"

#include <gtest/gtest.h>

using gui::SheetTransform;

namespace {

const QSizeF kA3(420, 297);
const QSize kView(800, 600);

SheetTransform fitted() {
    SheetTransform transform;
    transform.SetSheet(kA3);
    transform.Fit(kView);
    return transform;
}

bool holdsSheet(const SheetTransform& transform, QSize view) {
    return QRect(QPoint(0, 0), view).intersects(transform.SheetRect());
}

} // namespace

TEST(SheetTransform, FitCentresTheWholeSheetAndMapsBothWays) {
    SheetTransform transform = fitted();
    QRect sheet = transform.SheetRect();
    EXPECT_TRUE(QRect(QPoint(0, 0), kView).contains(sheet));
    EXPECT_NEAR(sheet.center().x(), 400, 1);
    EXPECT_NEAR(sheet.center().y(), 300, 1);
    // The drawing's y runs upwards: the sheet's bottom-left corner is its origin.
    QPointF bottomLeft = transform.ToView(QPointF(0, 0));
    EXPECT_EQ(bottomLeft.x(), sheet.left());
    EXPECT_NEAR(bottomLeft.y(), sheet.top() + sheet.height(), 1);
    QPointF back = transform.ToDrawing(transform.ToView(QPointF(123.5, 45.25)));
    EXPECT_NEAR(back.x(), 123.5, 1e-9);
    EXPECT_NEAR(back.y(), 45.25, 1e-9);
}

TEST(SheetTransform, ZoomKeepsThePointUnderTheCursor) {
    SheetTransform transform = fitted();
    QPointF cursor(250, 410);
    QPointF before = transform.ToDrawing(cursor);
    transform.ZoomAt(cursor, 3, kView);
    EXPECT_NEAR(transform.Zoom(), fitted().Zoom() * 3, 1e-9);
    QPointF after = transform.ToDrawing(cursor);
    // The origin stays on whole pixels, so the point may move by half a pixel.
    EXPECT_NEAR(after.x(), before.x(), 0.5 / transform.Zoom());
    EXPECT_NEAR(after.y(), before.y(), 0.5 / transform.Zoom());
}

TEST(SheetTransform, NeitherZoomNorPanLosesTheSheet) {
    SheetTransform transform = fitted();
    for (int i = 0; i < 60; ++i)
        transform.ZoomAt(QPointF(0, 0), 1.5, kView);
    EXPECT_LE(transform.SheetRect().width(), 60001);
    EXPECT_TRUE(holdsSheet(transform, kView));
    transform.Pan(QPoint(1000000, -1000000), kView);
    EXPECT_TRUE(holdsSheet(transform, kView));
    for (int i = 0; i < 60; ++i)
        transform.ZoomAt(QPointF(799, 599), 0.5, kView);
    EXPECT_GE(transform.SheetRect().width(), 47);
    EXPECT_TRUE(holdsSheet(transform, kView));
    transform.Pan(QPoint(-1000000, 1000000), kView);
    EXPECT_TRUE(holdsSheet(transform, kView));
    transform.Fit(kView);
    EXPECT_TRUE(QRect(QPoint(0, 0), kView).contains(transform.SheetRect()));
}
