#include "controls/basic/DateTimeText.h"

#include <cctype>
#include <cstdio>

namespace mw {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Number(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof(text), "%0*d", digits, value);
    return text;
}

bool StartsWithNoCase(const std::string& text, size_t at, const char* word) {
    for (size_t i = 0; word[i]; ++i)
        if (at + i >= text.size() || Lower(text[at + i]) != word[i]) return false;
    return true;
}

// The am/pm specifier at the position, or 0 when there is none there.
size_t AmPmLength(const std::string& format, size_t at) {
    if (StartsWithNoCase(format, at, "am/pm")) return 5;
    if (StartsWithNoCase(format, at, "ampm")) return 4;
    if (StartsWithNoCase(format, at, "a/p")) return 3;
    return 0;
}

// Whether an am/pm specifier follows the position anywhere outside quoted text.
bool TwelveHourFollows(const std::string& format, size_t from) {
    for (size_t i = from; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '"' || c == '\'') {
            const size_t close = format.find(c, i + 1);
            if (close == std::string::npos) return false;
            i = close;
        } else if (AmPmLength(format, i) > 0) {
            return true;
        }
    }
    return false;
}

// Repeats of the same letter (case-insensitive) from the position, at most limit.
size_t RunLength(const std::string& format, size_t at, size_t limit) {
    size_t n = 1;
    while (at + n < format.size() && n < limit && Lower(format[at + n]) == Lower(format[at])) ++n;
    return n;
}

std::string Call(const std::function<std::string(const TDateTimeParts&)>& part, const TDateTimeParts& time) {
    return part ? part(time) : std::string();
}

}  // namespace

std::string FormatDateTimeText(const std::string& format, const TDateTimeParts& time, const TDateTimeLocale& locale) {
    std::string out;
    char lastSpecifier = 0;  // the letter of the last specifier, for m after h
    size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        const char letter = Lower(c);
        if (c == '"' || c == '\'') {
            const size_t close = format.find(c, i + 1);
            const size_t end = close == std::string::npos ? format.size() : close;
            out.append(format, i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (const size_t length = AmPmLength(format, i)) {
            const bool pm = time.hour >= 12;
            if (length == 4) out += pm ? locale.pmText : locale.amText;
            else if (length == 5) out.append(format, pm ? i + 3 : i, 2);
            else out += format[pm ? i + 2 : i];
            lastSpecifier = 'a';
            i += length;
            continue;
        }
        size_t n = 1;
        switch (letter) {
            case 'c':
                out += Call(locale.shortDate, time) + " " + Call(locale.longTime, time);
                break;
            case 'd':
                n = RunLength(format, i, 6);
                if (n == 1) out += std::to_string(time.day);
                else if (n == 2) out += Number(time.day, 2);
                else if (n == 3) out += locale.shortDayNames[static_cast<size_t>(time.dayOfWeek % 7)];
                else if (n == 4) out += locale.longDayNames[static_cast<size_t>(time.dayOfWeek % 7)];
                else if (n == 5) out += Call(locale.shortDate, time);
                else out += Call(locale.longDate, time);
                break;
            case 'm':
                n = RunLength(format, i, 4);
                if (lastSpecifier == 'h' && n <= 2) out += n == 1 ? std::to_string(time.minute) : Number(time.minute, 2);
                else if (n == 1) out += std::to_string(time.month);
                else if (n == 2) out += Number(time.month, 2);
                else if (n == 3) out += locale.shortMonthNames[static_cast<size_t>((time.month + 11) % 12)];
                else out += locale.longMonthNames[static_cast<size_t>((time.month + 11) % 12)];
                break;
            case 'y':
                n = RunLength(format, i, 4);
                out += n <= 2 ? Number(time.year % 100, 2) : Number(time.year, 4);
                break;
            case 'h': {
                n = RunLength(format, i, 2);
                int hour = time.hour;
                if (TwelveHourFollows(format, i + n)) {
                    hour %= 12;
                    if (hour == 0) hour = 12;
                }
                out += n == 1 ? std::to_string(hour) : Number(hour, 2);
                break;
            }
            case 'n':
                n = RunLength(format, i, 2);
                out += n == 1 ? std::to_string(time.minute) : Number(time.minute, 2);
                break;
            case 's':
                n = RunLength(format, i, 2);
                out += n == 1 ? std::to_string(time.second) : Number(time.second, 2);
                break;
            case 'z':
                n = RunLength(format, i, 3);
                out += n < 3 ? std::to_string(time.millisecond) : Number(time.millisecond, 3);
                break;
            case 't':
                n = RunLength(format, i, 2);
                out += Call(n == 1 ? locale.shortTime : locale.longTime, time);
                break;
            case '/':
                out += locale.dateSeparator;
                break;
            case ':':
                out += locale.timeSeparator;
                break;
            default:
                out += c;
                break;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) lastSpecifier = letter;
        i += n;
    }
    return out;
}

}  // namespace mw
