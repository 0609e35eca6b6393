#include "tests/qt/Screenshots.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace zn::ui::qt::test {

std::string CompareImages(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) +
               ", stored " + std::to_string(expected.width()) + "x" +
               std::to_string(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    long long different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kChannelTolerance ||
                std::abs(qGreen(p) - qGreen(q)) > kChannelTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > kChannelTolerance)
                ++different;
        }
    const double share = double(different) / double(std::max(1, a.width() * a.height()));
    if (share > kDifferentShare)
        return std::to_string(different) + " pixels differ";
    return {};
}

::testing::AssertionResult LooksLikeStored(const QImage& actual, const std::string& name) {
    const std::filesystem::path stored =
        std::filesystem::path(REQPAD_SOURCE_DIR) / "tests/qt/screenshots" / (name + ".png");
    const char* update = std::getenv("REQPAD_UPDATE_SCREENSHOTS");
    if (update && std::strcmp(update, "1") == 0) {
        if (!actual.save(QString::fromStdString(stored.string())))
            return ::testing::AssertionFailure() << "cannot store " << stored;
        return ::testing::AssertionSuccess();
    }
    QImage expected(QString::fromStdString(stored.string()));
    if (expected.isNull())
        return ::testing::AssertionFailure()
               << "no stored picture " << stored << " (REQPAD_UPDATE_SCREENSHOTS=1 stores it)";
    const std::string difference = CompareImages(actual, expected);
    if (!difference.empty()) {
        const std::string seen =
            (std::filesystem::temp_directory_path() / (name + ".png")).string();
        actual.save(QString::fromStdString(seen));
        return ::testing::AssertionFailure()
               << name << ": " << difference << " (seen: " << seen << ")";
    }
    return ::testing::AssertionSuccess();
}

} // namespace zn::ui::qt::test
