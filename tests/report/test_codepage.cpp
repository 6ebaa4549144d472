#include "codepage.h"

#include <gtest/gtest.h>

namespace {

using namespace tervox::report;

TEST(CodePage, WritesCyrillicAsSingleBytes) {
    // "Доля" in code page 1251: Д C4, о EE, л EB, я FF.
    EXPECT_EQ(ToCp1251("Доля CO2"), "\xC4\xEE\xEB\xFF CO2");
    EXPECT_EQ(ToCp1251("Ёё"), "\xA8\xB8");
    EXPECT_EQ(FromCp1251("\xC4\xEE\xEB\xFF"), "Доля");
}

TEST(CodePage, KeepsLookAlikeLettersApart) {
    // Latin P and C against Cyrillic Р and С: different bytes in the file.
    EXPECT_EQ(ToCp1251("P"), "P");
    EXPECT_EQ(ToCp1251("Р"), "\xD0");
    EXPECT_EQ(ToCp1251("с"), "\xF1");
}

TEST(CodePage, MarksCharactersTheCodePageLacks) {
    EXPECT_EQ(ToCp1251("a\xE2\x82\xAC" "b"), "a\x88" "b"); // the euro sign exists in 1251
    EXPECT_EQ(ToCp1251("a\xE4\xB8\xAD" "b"), "a?b");        // a CJK ideograph does not
    EXPECT_EQ(ToCp1251("a\xFF" "b"), "a?b");                // malformed UTF-8
}

TEST(CodePage, FoldsLatinAndCyrillicCase) {
    EXPECT_EQ(FoldCp1251('M'), 'm');
    EXPECT_EQ(FoldCp1251(0xC8), 0xE8); // И -> и
    EXPECT_EQ(FoldCp1251(0xA8), 0xB8); // Ё -> ё
    EXPECT_EQ(FoldCp1251('1'), '1');
    EXPECT_EQ(FoldCp1251(0xE8), 0xE8);
}

} // namespace
