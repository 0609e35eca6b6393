// A main window of the reference host on a scratch folder of its own (settings, drawings),
// and the image comparison of the screenshot tests.
#pragma once

#include <memory>
#include <string>

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "apps/gui/MainWindow.h"
#include "platform/ui/qt/QtUserAgent.h"

class GuiFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file in the scratch folder with `content`; its path.
    std::string writeFile(const std::string& name, const std::string& content);
    // Runs host lines through the window; each must succeed.
    void run(std::initializer_list<const char*> lines);
    // The output of one line that must succeed.
    std::string output(const std::string& line);
    // An A4 drawing with a requirements text above the title block and a view, saved in the
    // scratch folder; its path.
    std::string makeDrawing();

    QTemporaryDir m_scratch;
    // Shows the module's dialogs, as in `reqpad gui`.
    std::unique_ptr<zn::ui::qt::QtUserAgent> m_windows;
    std::unique_ptr<gui::MainWindow> m_window;
};

// Compares `actual` with the stored image tests/gui/images/NAME.png: the same size and at
// most `tolerance` of the pixels visibly different. REQPAD_UPDATE_SCREENSHOTS=1 stores `actual`
// instead; a mismatch leaves the actual image in the build folder to look at.
testing::AssertionResult MatchesStoredImage(const QImage& actual, const std::string& name,
                                            double tolerance = 0.005);
