#include "dateformat.h"

#include <gtest/gtest.h>

namespace {

using tervox::report::CalendarDate;
using tervox::report::FormatDate;

struct DateCase {
    CalendarDate date;
    const char* pattern;
    const char* text;
};

// Short date formats as QLocale reports them (Russian dd.MM.yyyy, US M/d/yy,
// ISO-like yyyy-MM-dd) and the rarer pattern letters.
const DateCase kDateCases[] = {
    {{2026, 3, 5}, "dd.MM.yyyy", "05.03.2026"},
    {{2026, 3, 5}, "M/d/yy", "3/5/26"},
    {{2026, 12, 11}, "yyyy-MM-dd", "2026-12-11"},
    {{2026, 12, 11}, "d MMM yyyy", "11 Dec 2026"},
    {{2026, 12, 11}, "dddd, d MMMM", "Friday, 11 December"},
    {{2026, 1, 4}, "ddd", "Sun"},
    {{2026, 3, 5}, "'day' d", "day 5"},
    {{2026, 3, 5}, "d''M", "5'3"},
    {{2009, 7, 1}, "yy", "09"},
    {{2026, 3, 5}, "dd/MM/yyyy г.", "05/03/2026 г."},
};

class DateFormatTable : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateFormatTable, FollowsThePattern) {
    const DateCase& c = GetParam();
    EXPECT_EQ(FormatDate(c.date, c.pattern), c.text);
}

INSTANTIATE_TEST_SUITE_P(Patterns, DateFormatTable, ::testing::ValuesIn(kDateCases));

TEST(DateFormat, TodayIsAValidDate) {
    const CalendarDate d = tervox::report::Today();
    EXPECT_GE(d.year, 2024);
    EXPECT_GE(d.month, 1);
    EXPECT_LE(d.month, 12);
    EXPECT_GE(d.day, 1);
    EXPECT_LE(d.day, 31);
}

} // namespace
