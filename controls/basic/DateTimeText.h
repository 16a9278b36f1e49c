#pragma once
// Date and time as text through a format picture, with the locale's names, separators and
// standard formats supplied by the caller:
//   c          short date, a space, long time
//   d dd       day (dd with a leading zero); ddd dddd short and long day name;
//              ddddd dddddd short and long date
//   m mm       month, or minutes right after an hour; mmm mmmm short and long month name
//   yy yyyy    two- or four-digit year
//   h hh       hour (12-hour when an am/pm specifier follows anywhere), n nn minutes,
//              s ss seconds, z zzz milliseconds
//   t tt       short and long time
//   am/pm a/p  the letters as written, for before and after noon; ampm the locale's texts
//   / :        the locale's date and time separators
//   "..." '...' literal text; any other character stands for itself
// Specifier letters are case-insensitive.

#include <array>
#include <functional>
#include <string>

namespace mw {

struct TDateTimeParts {
    int year = 0;
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int dayOfWeek = 0;  // 0 = Sunday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

struct TDateTimeLocale {
    std::array<std::string, 12> shortMonthNames;
    std::array<std::string, 12> longMonthNames;
    std::array<std::string, 7> shortDayNames;  // Sunday first
    std::array<std::string, 7> longDayNames;
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    std::string amText = "AM";
    std::string pmText = "PM";
    std::function<std::string(const TDateTimeParts&)> shortDate;
    std::function<std::string(const TDateTimeParts&)> longDate;
    std::function<std::string(const TDateTimeParts&)> shortTime;
    std::function<std::string(const TDateTimeParts&)> longTime;
};

std::string FormatDateTimeText(const std::string& format, const TDateTimeParts& time, const TDateTimeLocale& locale);

}  // namespace mw
