// Captions and field texts are black 11-pixel text over the skin: under every
// control the picture must be light and free of dark drawing lines.
#include "assetsinit.h"
#include "windowcontrols.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct Calm {
    double meanLightness;   // 0..255
    double darkShare;       // share of pixels darker than 110
};

Calm measure(const QImage& picture, const ControlBox& c) {
    double sum = 0;
    int dark = 0, n = 0;
    for (int y = c.top; y < c.top + c.height && y < picture.height(); ++y) {
        for (int x = c.left; x < c.left + c.width && x < picture.width(); ++x) {
            const int l = qGray(picture.pixel(x, y));
            sum += l;
            dark += l < 110;
            ++n;
        }
    }
    return {n ? sum / n : 0, n ? double(dark) / n : 1};
}

class CalculatorControlBackground : public ::testing::TestWithParam<ControlBox> {};

TEST_P(CalculatorControlBackground, IsLightAndCalm) {
    tervox_assets_init();
    const QImage skin = QImage(":/skins/form1.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(skin.isNull());
    const Calm calm = measure(skin, GetParam());
    // Thresholds: black text needs a background well above mid-grey; a few dark
    // pixels (a frame line crossing a corner) are tolerable, a drawing is not.
    EXPECT_GT(calm.meanLightness, 185.0);
    EXPECT_LT(calm.darkShare, 0.03);
}

INSTANTIATE_TEST_SUITE_P(Controls, CalculatorControlBackground,
                         ::testing::ValuesIn(kCalculatorControls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplashPicture, ButtonsSitOnACalmPlate) {
    tervox_assets_init();
    const QImage splash = QImage(":/skins/form3.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(splash.isNull());
    for (const ControlBox& c : {kSplashButton, kAboutButton}) {
        const Calm calm = measure(splash, c);
        EXPECT_GT(calm.meanLightness, 150.0) << c.name;
        EXPECT_LT(calm.darkShare, 0.03) << c.name;
    }
}

}  // namespace
