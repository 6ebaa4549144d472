#include "dateformat.h"

#include <array>
#include <ctime>

namespace tervox::report {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

std::string TwoDigits(int v) {
    return std::string{static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

// Day of the week, 0 = Sunday (Sakamoto's method, proleptic Gregorian calendar).
int DayOfWeek(CalendarDate d) {
    static constexpr int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = d.year - (d.month < 3 ? 1 : 0);
    return ((y + y / 4 - y / 100 + y / 400 + t[(d.month - 1) % 12] + d.day) % 7 + 7) % 7;
}

std::string Field(char letter, std::size_t count, const CalendarDate& d) {
    const std::string monthName = kMonthNames[static_cast<std::size_t>((d.month + 11) % 12)];
    const std::string dayName = kDayNames[static_cast<std::size_t>(DayOfWeek(d))];
    switch (letter) {
    case 'd':
        if (count == 1)
            return std::to_string(d.day);
        if (count == 2)
            return TwoDigits(d.day);
        if (count == 3)
            return dayName.substr(0, 3);
        return dayName;
    case 'M':
        if (count == 1)
            return std::to_string(d.month);
        if (count == 2)
            return TwoDigits(d.month);
        if (count == 3)
            return monthName.substr(0, 3);
        return monthName;
    default: // 'y'
        if (count == 2)
            return TwoDigits(d.year % 100);
        std::string year = std::to_string(d.year);
        while (year.size() < 4)
            year.insert(year.begin(), '0');
        return year;
    }
}

} // namespace

CalendarDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string FormatDate(const CalendarDate& date, std::string_view pattern) {
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            // Quoted text; two quotes in a row stand for one.
            std::size_t j = i + 1;
            if (j < pattern.size() && pattern[j] == '\'') {
                out.push_back('\'');
                i = j + 1;
                continue;
            }
            while (j < pattern.size()) {
                if (pattern[j] == '\'') {
                    if (j + 1 < pattern.size() && pattern[j + 1] == '\'') {
                        out.push_back('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                out.push_back(pattern[j++]);
            }
            i = j + 1;
            continue;
        }
        if (c == 'd' || c == 'M' || c == 'y') {
            std::size_t n = 1;
            while (i + n < pattern.size() && pattern[i + n] == c)
                ++n;
            std::size_t rest = n;
            // Runs longer than a field repeat it: yyyyyy is yyyy then yy, as in Qt.
            const std::size_t longest = 4;
            while (rest > 0) {
                std::size_t take = rest > longest ? longest : rest;
                if (c == 'y' && take != 2 && take != 4) {
                    if (take == 1 || take == 3) {
                        // A lone y or yyy is not a field: keep the letters.
                        out.append(take, 'y');
                        rest -= take;
                        continue;
                    }
                }
                out += Field(c, take, date);
                rest -= take;
            }
            i += n;
            continue;
        }
        out.push_back(c);
        ++i;
    }
    return out;
}

} // namespace tervox::report
