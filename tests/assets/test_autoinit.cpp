// A program that only links the artwork library finds the pictures without any
// initialisation call of its own.
#include <QFile>

#include <gtest/gtest.h>

TEST(AssetLibrary, ResourcesAreRegisteredByLinkingAlone) {
    for (const char* name : {":/skins/form1.bmp", ":/skins/form1.msk", ":/skins/form3.bmp",
                             ":/skins/form3.msk", ":/glyphs/form1_bitbtn1.bmp",
                             ":/glyphs/form3_bitbtn1.bmp", ":/glyphs/aboutbox_coolbutton1.bmp",
                             ":/images/form1_image1.bmp", ":/icons/tervox.png"})
        EXPECT_TRUE(QFile::exists(name)) << name;
}
