// The mask data reader and writer: round trips, files, and every malformed layout.
#include "maskdata.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using tervox::maskdata::DecodeMask;
using tervox::maskdata::EncodeMask;
using tervox::maskdata::Mask;
using tervox::maskdata::ReadMaskFile;
using tervox::maskdata::Rect;
using tervox::maskdata::WriteMaskFile;
using Bytes = std::vector<std::uint8_t>;

void putU32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putRect(Bytes& b, Rect r) {
    putU32(b, static_cast<std::uint32_t>(r.left));
    putU32(b, static_cast<std::uint32_t>(r.top));
    putU32(b, static_cast<std::uint32_t>(r.right));
    putU32(b, static_cast<std::uint32_t>(r.bottom));
}

// Builds a mask file field by field, so each case can break exactly one field.
struct Layout {
    std::uint32_t length = 0;  // 0: computed as 32 + 16 x rects
    std::uint32_t headerSize = 32;
    std::uint32_t type = 1;
    std::int64_t count = -1;      // -1: the number of rects
    std::int64_t rectBytes = -1;  // -1: 16 x count
    Rect bounds{1, 0, 321, 240};
    std::vector<Rect> rects{{1, 0, 321, 9}, {1, 9, 20, 98}, {111, 9, 321, 98}, {1, 98, 321, 240}};
    std::size_t truncateTo = SIZE_MAX;

    Bytes bytes() const {
        const auto c = count < 0 ? static_cast<std::uint32_t>(rects.size())
                                 : static_cast<std::uint32_t>(count);
        Bytes b;
        putU32(b, length ? length : 32 + 16 * static_cast<std::uint32_t>(rects.size()));
        putU32(b, headerSize);
        putU32(b, type);
        putU32(b, c);
        putU32(b, rectBytes < 0 ? 16 * c : static_cast<std::uint32_t>(rectBytes));
        putRect(b, bounds);
        for (const Rect& r : rects)
            putRect(b, r);
        if (truncateTo < b.size())
            b.resize(truncateTo);
        return b;
    }
};

TEST(MaskCodec, WellFormedLayoutDecodesToItsFields) {
    const Layout layout;
    const Bytes bytes = layout.bytes();
    ASSERT_EQ(bytes.size(), 4u + 32u + 16u * 4u);
    const auto mask = DecodeMask(bytes.data(), bytes.size());
    ASSERT_TRUE(mask.has_value());
    EXPECT_EQ(mask->bounds, (Rect{1, 0, 321, 240}));
    EXPECT_EQ(mask->rects, layout.rects);
}

TEST(MaskCodec, EncodeWritesTheLayoutByteForByte) {
    const Layout layout;
    const Mask mask{layout.bounds, layout.rects};
    EXPECT_EQ(EncodeMask(mask), layout.bytes());
}

TEST(MaskCodec, NegativeCoordinatesRoundTrip) {
    // Window-relative coordinates may lie left of or above the window; the
    // window system clips them, so they are data, not corruption.
    const Mask mask{{-5, -7, 10, 3}, {{-5, -7, 10, -1}, {0, -1, 4, 3}}};
    const Bytes bytes = EncodeMask(mask);
    const auto back = DecodeMask(bytes.data(), bytes.size());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, mask);
}

TEST(MaskCodec, EmptyMaskIsStoredAsLengthZero) {
    EXPECT_EQ(EncodeMask(Mask{{0, 0, 0, 0}, {}}), (Bytes{0, 0, 0, 0}));
}

TEST(MaskCodec, BytesAfterTheRegionDataAreIgnored) {
    Bytes bytes = Layout{}.bytes();
    bytes.insert(bytes.end(), {0xde, 0xad, 0xbe, 0xef, 0x01});
    const auto mask = DecodeMask(bytes.data(), bytes.size());
    ASSERT_TRUE(mask.has_value());
    EXPECT_EQ(mask->rects.size(), 4u);
}

struct MalformedCase {
    const char* name;
    Bytes bytes;
};

Layout with(auto change) {
    Layout l;
    change(l);
    return l;
}

// Each row breaks one thing a reader must check before it trusts the data.
std::vector<MalformedCase> malformedCases() {
    const std::uint32_t fourRects = 32 + 16 * 4;
    return {
        {"EmptyFile", {}},
        {"ShortLength", {0x44, 0x00, 0x00}},
        {"LengthZero", {0, 0, 0, 0}},
        {"LengthZeroFollowedByData", [] { Bytes b = Layout{}.bytes(); b[0] = b[1] = b[2] = b[3] = 0; return b; }()},
        {"LengthBeyondFile", with([](Layout& l) { l.truncateTo = 4 + 32 + 16 * 4 - 1; }).bytes()},
        {"HeaderOnlyCut", with([](Layout& l) { l.truncateTo = 20; }).bytes()},
        {"LengthHuge", with([](Layout& l) { l.length = 0xffffffffu; }).bytes()},
        {"LengthBelowHeader", with([](Layout& l) { l.length = 16; }).bytes()},
        {"EmptyRectangleList", with([](Layout& l) { l.count = 0; l.rects.clear(); l.length = 32; }).bytes()},
        {"CountZeroWithRects", with([](Layout& l) { l.count = 0; }).bytes()},
        {"LengthDisagreesWithCountLarger", with([](Layout& l) { l.count = 3; }).bytes()},
        {"CountBeyondLength", with([](Layout& l) { l.count = 5; }).bytes()},
        {"CountOverflowingSixteenTimes", with([](Layout& l) { l.count = 0x10000004; l.rectBytes = 64; }).bytes()},
        {"LengthNotWholeRectangles", with([](Layout& l) { l.length = fourRects - 8; l.truncateTo = 4 + fourRects - 8; }).bytes()},
        {"RectangleBytesWrong", with([](Layout& l) { l.rectBytes = 48; }).bytes()},
        {"RectangleBytesZero", with([](Layout& l) { l.rectBytes = 0; }).bytes()},
        {"HeaderSizeNot32", with([](Layout& l) { l.headerSize = 40; }).bytes()},
        {"HeaderSizeZero", with([](Layout& l) { l.headerSize = 0; }).bytes()},
        {"TypeNotRectangles", with([](Layout& l) { l.type = 2; }).bytes()},
        {"TypeZero", with([](Layout& l) { l.type = 0; }).bytes()},
        {"EmptyRectangleWidth", with([](Layout& l) { l.rects[1] = {5, 9, 5, 98}; }).bytes()},
        {"EmptyRectangleHeight", with([](Layout& l) { l.rects[1] = {1, 9, 20, 9}; }).bytes()},
        {"InvertedRectangle", with([](Layout& l) { l.rects[1] = {20, 9, 1, 98}; }).bytes()},
        {"InvertedRectangleVertically", with([](Layout& l) { l.rects[1] = {1, 98, 20, 9}; }).bytes()},
        {"RectangleOutsideBounds", with([](Layout& l) { l.rects[3] = {1, 98, 322, 240}; }).bytes()},
        {"RectangleAboveBounds", with([](Layout& l) { l.rects[0] = {1, -1, 321, 9}; }).bytes()},
        {"InvertedBounds", with([](Layout& l) { l.bounds = {321, 240, 1, 0}; }).bytes()},
    };
}

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class MalformedMask : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedMask, IsNoMask) {
    const Bytes& bytes = GetParam().bytes;
    // A copy of exactly the given size: reading past it is caught by the
    // sanitizer build, and the result must be "no mask".
    const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size() + 0]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    EXPECT_FALSE(DecodeMask(exact.get(), bytes.size()).has_value());
}

TEST_P(MalformedMask, FileIsNoMask) {
    const std::filesystem::path dir = TERVOX_TEST_TMP;
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / (std::string(GetParam().name) + ".msk");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(GetParam().bytes.data()),
                  static_cast<std::streamsize>(GetParam().bytes.size()));
    }
    EXPECT_FALSE(ReadMaskFile(file.string()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Layouts, MalformedMask, ::testing::ValuesIn(malformedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MaskCodec, NullDataIsNoMask) {
    EXPECT_FALSE(DecodeMask(nullptr, 100).has_value());
}

TEST(MaskFile, WriteThenReadGivesTheSameMask) {
    const std::filesystem::path dir = TERVOX_TEST_TMP;
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "roundtrip.msk").string();
    const Mask mask{{1, 2, 701, 379}, {{300, 2, 340, 10}, {1, 10, 701, 136}, {1, 136, 701, 379}}};
    ASSERT_TRUE(WriteMaskFile(file, mask));
    EXPECT_EQ(std::filesystem::file_size(file), 4u + 32u + 48u);
    const auto back = ReadMaskFile(file);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, mask);
}

TEST(MaskFile, MissingFileIsNoMask) {
    EXPECT_FALSE(ReadMaskFile(std::string(TERVOX_TEST_TMP) + "/does-not-exist.msk").has_value());
}

TEST(MaskFile, FolderIsNoMask) {
    std::filesystem::create_directories(TERVOX_TEST_TMP);
    EXPECT_FALSE(ReadMaskFile(TERVOX_TEST_TMP).has_value());
}

TEST(MaskFile, TrailingBytesInFileAreIgnored) {
    const std::filesystem::path dir = TERVOX_TEST_TMP;
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "trailing.msk";
    Bytes bytes = Layout{}.bytes();
    bytes.resize(bytes.size() + 1000, 0x7f);
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    const auto mask = ReadMaskFile(file.string());
    ASSERT_TRUE(mask.has_value());
    EXPECT_EQ(mask->rects, Layout{}.rects);
}

TEST(MaskFile, UnwritablePathFails) {
    // A path below a regular file cannot be created, even by root.
    const std::filesystem::path dir = TERVOX_TEST_TMP;
    std::filesystem::create_directories(dir);
    const std::filesystem::path blocker = dir / "plain-file";
    std::ofstream(blocker) << "x";
    EXPECT_FALSE(WriteMaskFile((blocker / "x.msk").string(), Mask{{0, 0, 1, 1}, {{0, 0, 1, 1}}}));
}

}  // namespace
