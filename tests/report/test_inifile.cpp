#include "inifile.h"

#include <gtest/gtest.h>

namespace {

using tervox::report::UpdateIniText;

struct IniCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

// The four update rules, then the details a reader of the file relies on. Texts
// are code page 1251 (\xC8\xD2\xCE\xC3\xCE is "ИТОГО", \xE8\xF2\xEE\xE3\xEE "итого").
const IniCase kIniCases[] = {
    {"NewFileGetsHeaderAndEntry", "", "INData", "Lo", "0,498", "[INData]\r\nLo=0,498\r\n"},
    {"NewSectionGoesToTheEnd", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"NewKeyGoesAfterTheSectionsLastEntry", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "z", "3",
     "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n"},
    {"ExistingKeyKeepsItsPlaceAndKeyText", "[A]\r\nKey=1\r\nother=2\r\n", "a", "KEY", "9",
     "[A]\r\nKey=9\r\nother=2\r\n"},
    {"MainAndmainAreOneSection", "[Main]\r\nq=1\r\n", "main", "r", "2", "[Main]\r\nq=1\r\nr=2\r\n"},
    {"CyrillicKeysCompareWithoutCase", "[m]\r\n\xC8\xD2\xCE\xC3\xCE=1\r\n", "M",
     "\xE8\xF2\xEE\xE3\xEE", "2", "[m]\r\n\xC8\xD2\xCE\xC3\xCE=2\r\n"},
    {"LookAlikeLettersAreDifferentKeys", "[s]\r\nP\xF1=1\r\n", "s", "Pc", "2",
     "[s]\r\nP\xF1=1\r\nPc=2\r\n"},
    {"EmptySectionTakesTheEntryAfterItsHeader", "[A]\r\n[B]\r\ny=2\r\n", "A", "x", "1",
     "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"LineFeedOnlyFileBecomesCrLf", "[A]\nx=1\n", "A", "x", "2", "[A]\r\nx=2\r\n"},
    {"MissingFinalLineEndIsAdded", "[A]\r\nx=1", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"BlanksAroundNamesAreIgnored", "[ A ]\r\n x =1\r\n", "A", "x", "2", "[ A ]\r\n x =2\r\n"},
    {"ValueMayHoldAnEqualsSign", "[A]\r\nx=1\r\n", "A", "x", "a=b", "[A]\r\nx=a=b\r\n"},
    {"OnlyTheFirstMatchingKeyChanges", "[A]\r\nx=1\r\nx=2\r\n", "A", "x", "3",
     "[A]\r\nx=3\r\nx=2\r\n"},
    {"KeyInAnotherSectionIsNotTouched", "[A]\r\nx=1\r\n[B]\r\n", "B", "x", "5",
     "[A]\r\nx=1\r\n[B]\r\nx=5\r\n"},
};

class IniUpdateTable : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniUpdateTable, AppliesTheUpdateRules) {
    const IniCase& c = GetParam();
    EXPECT_EQ(UpdateIniText(c.before, c.section, c.key, c.value), c.after);
}

INSTANTIATE_TEST_SUITE_P(Rules, IniUpdateTable, ::testing::ValuesIn(kIniCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
