#include "tests/gui/GuiFixture.h"

#include <fstream>

#include <QFile>

#include "apps/gui/HostSession.h"

void GuiFixture::SetUp() {
    ASSERT_TRUE(m_scratch.isValid());
    std::string settings = m_scratch.filePath(QStringLiteral("settings.xml")).toStdString();
    m_windows = std::make_unique<zn::ui::qt::QtUserAgent>();
    m_window = std::make_unique<gui::MainWindow>(m_windows.get(), settings);
    m_window->resize(900, 700);
    m_window->show();
    m_windows->SetMainWidget(m_window.get());
}

void GuiFixture::TearDown() {
    m_window.reset();
    m_windows.reset();
}

std::string GuiFixture::writeFile(const std::string& name, const std::string& content) {
    std::string path = m_scratch.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

void GuiFixture::run(std::initializer_list<const char*> lines) {
    for (const char* line : lines)
        ASSERT_TRUE(m_window->RunLine(QString::fromUtf8(line))) << line;
}

std::string GuiFixture::output(const std::string& line) {
    gui::HostSession::Outcome outcome = m_window->Session().Execute(line);
    EXPECT_EQ(outcome.error, "") << line;
    return outcome.output;
}

std::string GuiFixture::makeDrawing() {
    std::string content =
        writeFile("requirements.txt", "1. Unspecified radii 2 mm max.\n"
                                      "2. Sharp edges blunt.\n"
                                      "3. Surface finish of machined faces Ra 3.2.\n");
    std::string drawing = m_scratch.filePath(QStringLiteral("sheet.zdw")).toStdString();
    output("new --sheet A4");
    output("tt new --mode 0 --content \"" + content + "\"");
    output("tt place last 0");
    output("add view 20 60 90 110 A");
    output("save \"" + drawing + "\"");
    output("new --sheet A3");
    return drawing;
}

testing::AssertionResult MatchesStoredImage(const QImage& actual, const std::string& name,
                                            double tolerance) {
    QString stored = QStringLiteral(REQPAD_SOURCE_DIR "/tests/gui/images/%1.png")
                         .arg(QString::fromStdString(name));
    QImage got = actual.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("REQPAD_UPDATE_SCREENSHOTS")) {
        got.save(stored);
        return testing::AssertionSuccess() << "stored " << stored.toStdString();
    }
    QImage expected(stored);
    if (expected.isNull())
        return testing::AssertionFailure() << "no stored image " << stored.toStdString();
    expected = expected.convertToFormat(QImage::Format_RGB32);
    QString kept = QStringLiteral("%1-actual.png").arg(QString::fromStdString(name));
    if (expected.size() != got.size()) {
        got.save(kept);
        return testing::AssertionFailure()
               << "size " << got.width() << "x" << got.height() << ", stored " << expected.width()
               << "x" << expected.height() << " (actual kept in " << kept.toStdString() << ")";
    }
    constexpr int kVisible = 64; // a channel difference that the eye sees, not antialiasing noise
    long long different = 0;
    for (int y = 0; y < got.height(); ++y) {
        auto* a = reinterpret_cast<const QRgb*>(got.constScanLine(y));
        auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < got.width(); ++x)
            if (std::abs(qRed(a[x]) - qRed(b[x])) > kVisible ||
                std::abs(qGreen(a[x]) - qGreen(b[x])) > kVisible ||
                std::abs(qBlue(a[x]) - qBlue(b[x])) > kVisible)
                ++different;
    }
    double share = double(different) / (double(got.width()) * got.height());
    if (share <= tolerance)
        return testing::AssertionSuccess();
    got.save(kept);
    return testing::AssertionFailure()
           << share * 100 << "% of the pixels differ (actual kept in " << kept.toStdString() << ")";
}
