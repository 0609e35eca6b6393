// Standard cursor numbers to Qt's shapes in one table; pictures as pixmaps.
#include "platform/ui/qt/CursorMapping.h"

#include <QPixmap>

#include "platform/ui/qt/DisplayListPainter.h"

namespace zn::ui::qt {

namespace {

Qt::CursorShape shapeOf(UINT id) {
    switch (id) {
    case IDC_IBEAM:
        return Qt::IBeamCursor;
    case IDC_WAIT:
        return Qt::WaitCursor;
    case IDC_CROSS:
        return Qt::CrossCursor;
    case IDC_SIZENWSE:
        return Qt::SizeFDiagCursor;
    case IDC_SIZENESW:
        return Qt::SizeBDiagCursor;
    case IDC_SIZEWE:
        return Qt::SizeHorCursor;
    case IDC_SIZENS:
        return Qt::SizeVerCursor;
    case IDC_SIZEALL:
        return Qt::SizeAllCursor;
    case IDC_NO:
        return Qt::ForbiddenCursor;
    case IDC_HAND:
        return Qt::PointingHandCursor;
    case IDC_APPSTARTING:
        return Qt::BusyCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

QCursor ToQCursor(HCURSOR cursor) {
    if (!cursor)
        return QCursor(Qt::ArrowCursor);
    if (!cursor->standard && cursor->picture)
        return QCursor(QPixmap::fromImage(ToQImage(cursor->picture->image)),
                       cursor->picture->hotSpot.x, cursor->picture->hotSpot.y);
    return QCursor(shapeOf(cursor->id));
}

} // namespace zn::ui::qt
