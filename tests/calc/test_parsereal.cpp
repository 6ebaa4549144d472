#include "parsereal.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

using tervox::calc::ConversionError;
using tervox::calc::ParseReal;
using tervox::calc::ReadIntegerField;
using tervox::calc::TryParseReal;

struct ParseCase {
    const char* text;
    const char* separator;
    std::optional<long double> value;
};

// Each row is a text a user can type and what the field holds for it.
const ParseCase kParseCases[] = {
    {"16", ",", 16.0L},
    {" 16 ", ",", 16.0L},
    {"   16", ",", 16.0L},
    {"1,5", ",", 1.5L},
    {"1,5", ".", std::nullopt}, // the other decimal mark
    {"1.5", ",", std::nullopt},
    {"1.5", ".", 1.5L},
    {"0,1", ",", 0.1L},           // the extended value nearest to 0.1, not the double's
    {"7,1784", ",", 7.1784L},
    {"1e-1", ",", 0.1L},          // an exponent needs no separator
    {"1e-1", ".", 0.1L},
    {"1E5", ",", 1e5L},
    {"-2,5", ",", -2.5L},
    {"+2,5", ",", 2.5L},
    {",5", ",", 0.5L},
    {"5,", ",", 5.0L},
    {",", ",", 0.0L},             // a lone separator is a mantissa
    {",e3", ",", 0.0L},
    {"-0", ",", -0.0L},
    {"1e+3", ",", 1000.0L},
    {"4,5", ",", 4.5L},
    {"0000000000000000000000016", ",", 16.0L},
    {"1e4932", ",", 1e4932L},
    {"1e-5000", ",", 0.0L},       // below the extended range: zero, as any underflow
    {"1e5000", ",", std::nullopt}, // beyond it: rejected
    {"-1e5000", ",", std::nullopt},
    {"1e99999999999999999999", ",", std::nullopt},
    {"0e99999999999999999999", ",", 0.0L},
    {"", ",", std::nullopt},
    {" ", ",", std::nullopt},
    {"-", ",", std::nullopt},
    {"+", ",", std::nullopt},
    {"e5", ",", std::nullopt},
    {"1e", ",", std::nullopt},
    {"1e+", ",", std::nullopt},
    {"1,5,", ",", std::nullopt},
    {"1 000", ",", std::nullopt},  // group separator
    {"16 K", ",", std::nullopt},   // a unit after the number
    {"\t16", ",", std::nullopt},   // tabs are not blanks here
    {"16\t", ",", std::nullopt},
    {"abc", ",", std::nullopt},
    {"--1", ",", std::nullopt},
    {"1-", ",", std::nullopt},
    {"0x10", ",", std::nullopt},
    {"inf", ",", std::nullopt},
    {"nan", ",", std::nullopt},
    {"1\xC2\xA0" "0", ",", std::nullopt}, // no-break space
    {"1\xD9\xAB" "5", "\xD9\xAB", 1.5L}, // a multi-byte separator (Arabic decimal mark)
};

class ParseRealTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseRealTable, AcceptsExactlyTheGrammar) {
    const ParseCase& c = GetParam();
    const std::optional<long double> got = TryParseReal(c.text, c.separator);
    ASSERT_EQ(got.has_value(), c.value.has_value()) << "text [" << c.text << "]";
    if (c.value) {
        // Compared in long double, bit for bit (the sign of zero included).
        EXPECT_EQ(*got, *c.value) << "text [" << c.text << "]";
        EXPECT_EQ(std::signbit(*got), std::signbit(*c.value));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseRealTable, ::testing::ValuesIn(kParseCases));

TEST(ParseReal, ConversionErrorNamesTheWholeTextUnchanged) {
    for (const char* text : {"abc", "", " 1 000 ", "Ж"}) {
        try {
            ParseReal(text, ",");
            FAIL() << "accepted [" << text << "]";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + text + "' is not a valid floating point value");
        }
    }
}

TEST(ParseReal, RoundsToTheNearestExtendedValue) {
    // 2^-64 above 1 is a tie between 1 and the next extended value: ties go to even.
    EXPECT_EQ(ParseReal("1,0000000000000000000542101086242752217003726400434970855712890625", ","),
              1.0L);
    // Just above the tie rounds up.
    EXPECT_EQ(ParseReal("1,0000000000000000000542101086242752217003726400434970855712890626", ","),
              1.0L + 0x1p-63L);
}

struct IntegerCase {
    const char* text;
    long double value;
};

// The DeltT spin field's integer read: anything that is not a whole number is 0.
const IntegerCase kIntegerCases[] = {
    {"27", 27}, {"0", 0},   {"50", 50},       {"99", 99},          {"-5", -5},
    {"+7", 7},  {" 12", 12}, {"2,5", 0},       {"2.5", 0},          {"", 0},
    {"-", 0},   {"abc", 0}, {"12 ", 0},       {"2147483647", 2147483647.0L},
    {"-2147483648", -2147483648.0L},          {"2147483648", 0},   {"99999999999999999999", 0},
};

class IntegerFieldTable : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerFieldTable, ReadsWholeNumbersAndZeroForAnythingElse) {
    EXPECT_EQ(ReadIntegerField(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, IntegerFieldTable, ::testing::ValuesIn(kIntegerCases));

} // namespace
