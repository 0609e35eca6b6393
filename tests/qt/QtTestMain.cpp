// The Qt backend's tests run under Qt's offscreen platform unless told otherwise, so they
// need no display; one QApplication with the backend's look serves them all.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/ui/qt/QtDialogs.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    zn::ui::qt::ApplyDialogLook(application);
    return RUN_ALL_TESTS();
}
