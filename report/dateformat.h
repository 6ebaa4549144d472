#pragma once

#include <string>
#include <string_view>

namespace tervox::report {

struct CalendarDate {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
};

// Today's date on the local clock.
CalendarDate Today();

// Formats a date with Qt's date pattern letters (d, dd, ddd, dddd, M, MM, MMM, MMMM,
// yy, yyyy, 'quoted text'); day and month names are the English ones.
std::string FormatDate(const CalendarDate& date, std::string_view pattern);

} // namespace tervox::report
