#include "uninstaller/app/RepairData.h"

#include <cstdio>
#include <cstring>

namespace {

const std::size_t kShortestData = 21;
const std::size_t kFieldSize = 32;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The next field (up to "|" or the end) without its surrounding spaces; p moves past the "|".
bool NextField(const char*& p, char* field)
{
    if (!p)
        return false;
    const char* end = std::strchr(p, '|');
    const char* stop = end ? end : p + std::strlen(p);
    while (p < stop && *p == ' ')
        ++p;
    const char* last = stop;
    while (last > p && last[-1] == ' ')
        --last;
    std::size_t length = static_cast<std::size_t>(last - p);
    if (length >= kFieldSize)
        return false;
    std::memcpy(field, p, length);
    field[length] = '\0';
    p = end ? end + 1 : nullptr;
    return true;
}

// count decimal numbers of one to four digits, separated by separator, and nothing else.
bool ReadNumbers(const char* text, char separator, int count, int* numbers)
{
    for (int i = 0; i < count; ++i) {
        if (i > 0 && *text++ != separator)
            return false;
        int digits = 0, value = 0;
        for (; IsDigit(*text) && digits < 4; ++text, ++digits)
            value = value * 10 + (*text - '0');
        if (digits == 0)
            return false;
        numbers[i] = value;
    }
    return *text == '\0';
}

bool ReadSize(const char* text, std::uint64_t* size)
{
    if (!*text)
        return false;
    std::uint64_t value = 0;
    for (; *text; ++text) {
        if (!IsDigit(*text) || value > (UINT64_MAX - 9) / 10)
            return false;
        value = value * 10 + static_cast<unsigned>(*text - '0');
    }
    *size = value;
    return true;
}

bool ReadCrc(const char* text, std::uint32_t* crc)
{
    std::size_t length = std::strlen(text);
    if (length == 0 || length > 8)
        return false;
    std::uint32_t value = 0;
    for (; *text; ++text) {
        int digit = HexDigit(*text);
        if (digit < 0)
            return false;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    *crc = value;
    return true;
}

bool ReadStamp(const char* date, const char* time, LocalStamp* stamp)
{
    int d[3], t[3];
    if (!ReadNumbers(date, '-', 3, d) || !ReadNumbers(time, ':', 3, t))
        return false;
    *stamp = LocalStamp{d[2], d[0], d[1], t[0], t[1], t[2]};
    return stamp->month >= 1 && stamp->month <= 12 && stamp->day >= 1 && stamp->day <= 31 && stamp->year >= 1980 &&
           stamp->year <= 2107 && stamp->hour <= 23 && stamp->minute <= 59 && stamp->second <= 59;
}

}  // namespace

long DosDate(const LocalStamp& stamp)
{
    return stamp.day + 32L * stamp.month + 512L * (stamp.year - 1980);
}

long DosTime(const LocalStamp& stamp)
{
    return 2048L * stamp.hour + 32L * stamp.minute + stamp.second / 2;
}

int CompareDosStamps(const LocalStamp& a, const LocalStamp& b)
{
    long difference = DosDate(a) - DosDate(b);
    if (difference == 0)
        difference = DosTime(a) - DosTime(b);
    return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

bool ParseRepairData(const char* data, LoggedFile* logged)
{
    if (std::strlen(data) < kShortestData)
        return false;
    const char* p = data;
    char date[kFieldSize], time[kFieldSize], unused[kFieldSize], size[kFieldSize], crc[kFieldSize];
    if (!NextField(p, date) || !NextField(p, time) || !NextField(p, unused))
        return false;
    const char* sizeAndCrc = p;
    if (!NextField(p, size) || !NextField(p, crc) || p)
        return false;
    if (!ReadStamp(date, time, &logged->written) || !ReadSize(size, &logged->size) || !ReadCrc(crc, &logged->crc))
        return false;
    logged->sizeAndCrc = sizeAndCrc;
    return true;
}

void FormatLoggedStamp(const char* data, char* out, std::size_t size)
{
    if (size == 0)
        return;
    const char* firstBar = std::strchr(data, '|');
    const char* secondBar = firstBar ? std::strchr(firstBar + 1, '|') : nullptr;
    std::size_t length = 0;
    auto append = [&](const char* from, const char* to) {
        std::size_t count = static_cast<std::size_t>(to - from);
        if (count > size - 1 - length)
            count = size - 1 - length;
        std::memcpy(out + length, from, count);
        length += count;
    };
    if (firstBar) {
        append(data, firstBar);
        append(firstBar + 1, secondBar ? secondBar : firstBar + 1 + std::strlen(firstBar + 1));
    }
    out[length] = '\0';
}

void FormatFileStamp(const LocalStamp& stamp, char* out, std::size_t size)
{
    std::snprintf(out, size, " %02d-%02d-%04d  %02d:%02d:%02d ", stamp.month, stamp.day, stamp.year, stamp.hour,
                  stamp.minute, stamp.second);
}

bool FormatListLine(const char* path, const LoggedFile& logged, char* out, std::size_t size)
{
    int written = std::snprintf(out, size, "%s|%lu|%lu|%s\r\n", path, static_cast<unsigned long>(DosDate(logged.written)),
                                static_cast<unsigned long>(DosTime(logged.written)), logged.sizeAndCrc);
    return written > 0 && static_cast<std::size_t>(written) < size;
}
