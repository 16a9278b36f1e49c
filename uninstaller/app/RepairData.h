#pragma once
// What the installer logged to verify a file it copied: " MM-DD-YYYY | HH:MM:SS | ? | size |
// crc32" (last write in local time, a field nobody reads, size in bytes, CRC-32 in hexadecimal),
// and the forms a repair writes it in: DOS dates and times, the newer-file prompt's texts and
// the lines of a source's list file.

#include <cstddef>
#include <cstdint>

// A date and time of the local clock.
struct LocalStamp {
    int year, month, day;
    int hour, minute, second;
};

// DOS forms: day + 32 x month + 512 x (year - 1980), and 2048 x hour + 32 x minute + second / 2.
// Dates before 1980 come out negative and still sort in order.
long DosDate(const LocalStamp& stamp);
long DosTime(const LocalStamp& stamp);

// Compares DOS date first, then DOS time (two seconds apart at best): <0 when a is earlier than
// b, 0 when they are the same, >0 when a is later.
int CompareDosStamps(const LocalStamp& a, const LocalStamp& b);

struct LoggedFile {
    LocalStamp written;
    std::uint64_t size;
    std::uint32_t crc;
    const char* sizeAndCrc;   // the data from its fourth field on (the text after its third "|")
};

// Reads the data. False when it is shorter than 21 characters or a field cannot be read (a date
// outside 1980 to 2107, which DOS dates cannot hold, included): such a file is not checked.
bool ParseRepairData(const char* data, LoggedFile* logged);

// " 06-15-2001  12:00:00 ": the data's first two fields with the "|" between them removed.
void FormatLoggedStamp(const char* data, char* out, std::size_t size);

// The same form for a file's own last write.
void FormatFileStamp(const LocalStamp& stamp, char* out, std::size_t size);

// A line of a list file: path "|" DOS date "|" DOS time "|" the logged size and CRC, then CR LF.
// False when it does not fit.
bool FormatListLine(const char* path, const LoggedFile& logged, char* out, std::size_t size);
