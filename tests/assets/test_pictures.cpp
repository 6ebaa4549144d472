// Every embedded picture has the size, depth and palette its window expects.
#include "assetsinit.h"
#include "bmpheader.h"
#include "resourcebytes.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

struct PictureCase {
    const char* resource;
    int width, height;
    int bitsPerPixel;
    unsigned paletteSize;  // 0: no colour table
};

// Sizes and formats the windows are laid out for: the calculator skin and its
// button glyph, the splash skin, the two 64 x 32 glyphs with 17 colours, and
// the menu image drawn halved.
constexpr PictureCase kPictures[] = {
    {":/skins/form1.bmp", 700, 379, 8, 256},
    {":/skins/form3.bmp", 320, 240, 24, 0},
    {":/glyphs/form1_bitbtn1.bmp", 64, 64, 8, 256},
    {":/glyphs/form3_bitbtn1.bmp", 64, 32, 8, 17},
    {":/glyphs/aboutbox_coolbutton1.bmp", 64, 32, 8, 17},
    {":/images/form1_image1.bmp", 120, 120, 24, 0},
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.resource; }

class EmbeddedPicture : public ::testing::TestWithParam<PictureCase> {
protected:
    void SetUp() override { tervox_assets_init(); }
};

TEST_P(EmbeddedPicture, HeaderHasSizeDepthAndPalette) {
    const PictureCase& c = GetParam();
    const QByteArray bytes = resourceBytes(c.resource);
    ASSERT_FALSE(bytes.isEmpty()) << c.resource << " is not embedded";
    const auto header = tervox::assets::ParseBmpHeader(bytesOf(bytes), static_cast<std::size_t>(bytes.size()));
    ASSERT_TRUE(header.has_value()) << "not a complete uncompressed bitmap";
    EXPECT_EQ(header->width, c.width);
    EXPECT_EQ(header->height, c.height);
    EXPECT_TRUE(header->bottomUp);
    EXPECT_EQ(header->bitsPerPixel, c.bitsPerPixel);
    EXPECT_EQ(header->compression, 0u);
    EXPECT_EQ(header->paletteSize, c.paletteSize);
    EXPECT_EQ(header->fileSize, static_cast<std::uint32_t>(bytes.size()));
}

TEST_P(EmbeddedPicture, QtReadsItWithTheSamePalette) {
    const PictureCase& c = GetParam();
    const QImage image(c.resource);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
    if (c.paletteSize > 0) {
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(image.colorCount(), static_cast<int>(c.paletteSize));
    }
}

TEST_P(EmbeddedPicture, IsNotOneFlatColour) {
    const QImage image = QImage(GetParam().resource).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    int differing = 0;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += image.pixel(x, y) != first;
    EXPECT_GT(differing, image.width() * image.height() / 10);
}

INSTANTIATE_TEST_SUITE_P(Pictures, EmbeddedPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) {
                             std::string n = info.param.resource;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(MenuImage, BottomLeftColourMarksTheTransparentBackgroundOnly) {
    tervox_assets_init();
    const QImage image = QImage(":/images/form1_image1.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const QRgb key = image.pixel(0, image.height() - 1);
    // The corners lie outside the round picture; its middle is drawn.
    EXPECT_EQ(image.pixel(0, 0), key);
    EXPECT_EQ(image.pixel(image.width() - 1, 0), key);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), key);
    EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), key);
    int transparent = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            transparent += image.pixel(x, y) == key;
    const int all = image.width() * image.height();
    EXPECT_GT(transparent, all / 20);
    EXPECT_LT(transparent, all / 2);
}

TEST(Icon, IsASquarePngWithTransparentCorners) {
    tervox_assets_init();
    const QImage icon(":/icons/tervox.png");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(128, 128)), 255);
}

}  // namespace
