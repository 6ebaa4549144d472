// The stored outlines of the windows: their bounds, the controls they must hold,
// and the splash window's see-through hole.
#include "assetsinit.h"
#include "maskdata.h"
#include "resourcebytes.h"
#include "windowcontrols.h"

#include <gtest/gtest.h>

namespace {

using tervox::maskdata::Contains;
using tervox::maskdata::ContainsRect;
using tervox::maskdata::Mask;
using tervox::maskdata::Rect;

Mask storedMask(const char* resource) {
    tervox_assets_init();
    const QByteArray bytes = resourceBytes(resource);
    const auto mask = tervox::maskdata::DecodeMask(bytesOf(bytes), static_cast<std::size_t>(bytes.size()));
    EXPECT_TRUE(mask.has_value()) << resource << " holds no mask";
    return mask.value_or(Mask{{0, 0, 0, 0}, {}});
}

Rect rectOf(const ControlBox& c) {
    return {c.left, c.top, c.left + c.width, c.top + c.height};
}

class CalculatorOutline : public ::testing::TestWithParam<ControlBox> {};

TEST_P(CalculatorOutline, HoldsTheWholeControl) {
    const Mask mask = storedMask(":/skins/form1.msk");
    EXPECT_TRUE(ContainsRect(mask, rectOf(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Controls, CalculatorOutline, ::testing::ValuesIn(kCalculatorControls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorMask, BoundsLeaveOutTheTopRowsAndFirstColumn) {
    const Mask mask = storedMask(":/skins/form1.msk");
    EXPECT_EQ(mask.bounds, (Rect{1, 2, 701, 379}));
    EXPECT_EQ(tervox::maskdata::BoundsOf(mask.rects), mask.bounds);
    // Rows 136 to 378 are covered from column 1 to column 700.
    EXPECT_TRUE(ContainsRect(mask, {1, 136, 701, 379}));
    for (int y = 0; y < 379; ++y)
        EXPECT_FALSE(Contains(mask, 0, y)) << "column 0, row " << y;
    for (int x = 0; x < 702; ++x) {
        EXPECT_FALSE(Contains(mask, x, 0));
        EXPECT_FALSE(Contains(mask, x, 1));
    }
}

TEST(CalculatorMask, UpperPartIsAnIrregularSilhouette) {
    const Mask mask = storedMask(":/skins/form1.msk");
    // Row 2 is reached somewhere, yet the upper part is far from a rectangle:
    // count how many rows of 2..135 differ in coverage from the row below.
    bool rowTwoReached = false;
    for (int x = 1; x < 701; ++x)
        rowTwoReached = rowTwoReached || Contains(mask, x, 2);
    EXPECT_TRUE(rowTwoReached);
    EXPECT_FALSE(ContainsRect(mask, {1, 2, 701, 136}));
    int uncoveredUpper = 0;
    for (int y = 2; y < 136; ++y)
        for (int x = 1; x < 701; ++x)
            uncoveredUpper += !Contains(mask, x, y);
    EXPECT_GT(uncoveredUpper, 700 * 134 / 5);
    EXPECT_LT(uncoveredUpper, 700 * 134 * 4 / 5);
}

TEST(SplashMask, BoundsAndButtons) {
    const Mask mask = storedMask(":/skins/form3.msk");
    EXPECT_EQ(mask.bounds, (Rect{1, 0, 321, 240}));
    EXPECT_TRUE(ContainsRect(mask, rectOf(kSplashButton)));
    // A "1.msk" holding the splash mask gives the About window the same outline,
    // so its close button must lie inside it too.
    EXPECT_TRUE(ContainsRect(mask, rectOf(kAboutButton)));
    for (int y = 0; y < 240; ++y)
        EXPECT_FALSE(Contains(mask, 0, y));
}

TEST(SplashMask, HoleIsWithinTheBoreAreaAndSeeThrough) {
    const Mask mask = storedMask(":/skins/form3.msk");
    int holeLeft = 1000, holeRight = -1, holeTop = 1000, holeBottom = -1, holePixels = 0;
    for (int y = 0; y < 240; ++y) {
        for (int x = 1; x < 321; ++x) {
            if (Contains(mask, x, y))
                continue;
            ++holePixels;
            holeLeft = std::min(holeLeft, x);
            holeRight = std::max(holeRight, x);
            holeTop = std::min(holeTop, y);
            holeBottom = std::max(holeBottom, y);
        }
    }
    ASSERT_GT(holePixels, 0) << "no see-through hole";
    EXPECT_GE(holeLeft, 20);
    EXPECT_LE(holeRight, 110);
    EXPECT_GE(holeTop, 9);
    EXPECT_LE(holeBottom, 97);
    // The bore's centre: a click there falls through the window.
    EXPECT_FALSE(Contains(mask, 65, 53));
    // The hole is not a rectangle: its bounding box is not wholly open.
    EXPECT_LT(holePixels, (holeRight - holeLeft + 1) * (holeBottom - holeTop + 1));
    // Every other row is covered from column 1 to column 320.
    EXPECT_TRUE(ContainsRect(mask, {1, 0, 321, 9}));
    EXPECT_TRUE(ContainsRect(mask, {1, 98, 321, 240}));
}

}  // namespace
