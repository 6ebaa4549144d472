// Outlines from per-pixel coverage, and the containment queries the windows' tests use.
#include "maskdata.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tervox::maskdata::Contains;
using tervox::maskdata::ContainsRect;
using tervox::maskdata::Mask;
using tervox::maskdata::MaskFromCoverage;
using tervox::maskdata::Rect;

// A picture drawn as text rows: '#' covered, '.' not.
Mask fromRows(const std::vector<std::string>& rows) {
    const int w = static_cast<int>(rows.front().size());
    std::vector<std::uint8_t> cov;
    for (const auto& row : rows)
        for (char c : row)
            cov.push_back(c == '#');
    return MaskFromCoverage(cov, w, static_cast<int>(rows.size()));
}

TEST(MaskFromCoverage, IdenticalRowsShareOneBand) {
    const Mask m = fromRows({
        "..##..",
        "..##..",
        "######",
        "######",
        "##..##",
    });
    const std::vector<Rect> expected{
        {2, 0, 4, 2}, {0, 2, 6, 4}, {0, 4, 2, 5}, {4, 4, 6, 5}};
    EXPECT_EQ(m.rects, expected);
    EXPECT_EQ(m.bounds, (Rect{0, 0, 6, 5}));
}

TEST(MaskFromCoverage, EveryPixelMatchesTheCoverage) {
    const std::vector<std::string> rows{
        ".#.#.#.",
        "#######",
        "##...##",
        "##...##",
        ".......",
        "#.....#",
    };
    const Mask m = fromRows(rows);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[0].size()); ++x)
            EXPECT_EQ(Contains(m, x, y), rows[y][x] == '#') << x << "," << y;
    // Rows 2 and 3 alike give one band; the empty row 4 gives no rectangle.
    EXPECT_EQ(m.rects.size(), 3u + 1u + 2u + 2u);
    EXPECT_EQ(m.bounds, (Rect{0, 0, 7, 6}));
}

TEST(MaskFromCoverage, NothingCoveredIsEmpty) {
    const Mask m = fromRows({"....", "...."});
    EXPECT_TRUE(m.rects.empty());
}

TEST(MaskFromCoverage, TooSmallBufferIsEmpty) {
    EXPECT_TRUE(MaskFromCoverage(std::vector<std::uint8_t>(5, 1), 3, 2).rects.empty());
}

TEST(ContainsRect, NeedsEveryPixel) {
    const Mask m = fromRows({
        "########",
        "########",
        "###..###",
        "########",
    });
    EXPECT_TRUE(ContainsRect(m, {0, 0, 8, 2}));
    EXPECT_TRUE(ContainsRect(m, {0, 2, 3, 4}));
    EXPECT_TRUE(ContainsRect(m, {5, 0, 8, 4}));
    EXPECT_FALSE(ContainsRect(m, {0, 0, 8, 4}));  // the hole
    EXPECT_FALSE(ContainsRect(m, {3, 2, 4, 3}));  // exactly one hole pixel
    EXPECT_FALSE(ContainsRect(m, {0, 0, 9, 1}));  // one column too far right
    EXPECT_FALSE(ContainsRect(m, {0, 3, 8, 5}));  // one row too far down
    EXPECT_FALSE(ContainsRect(m, {-1, 0, 2, 1}));
}

TEST(ContainsRect, SpansMayJoinAcrossRectangles) {
    // Two touching rectangles in a row cover a span that crosses their seam.
    const Mask m{{0, 0, 10, 4}, {{0, 0, 5, 4}, {5, 0, 10, 2}, {5, 2, 10, 4}}};
    EXPECT_TRUE(ContainsRect(m, {3, 1, 7, 3}));
    const Mask gap{{0, 0, 10, 4}, {{0, 0, 5, 4}, {6, 0, 10, 4}}};
    EXPECT_FALSE(ContainsRect(gap, {3, 1, 7, 3}));
}

}  // namespace
