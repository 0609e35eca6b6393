// Compares a picture with the one stored under tests/qt/screenshots; with
// REQPAD_UPDATE_SCREENSHOTS=1 in the environment it stores the picture instead.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <string>

namespace zn::ui::qt::test {

// Pixels whose channels differ by more than this count as different.
inline constexpr int kChannelTolerance = 40;
// The share of different pixels a picture may have and still match.
inline constexpr double kDifferentShare = 0.01;

// Failure text when the pictures differ beyond the tolerance, empty when they match.
std::string CompareImages(const QImage& actual, const QImage& expected);
::testing::AssertionResult LooksLikeStored(const QImage& actual, const std::string& name);

} // namespace zn::ui::qt::test
