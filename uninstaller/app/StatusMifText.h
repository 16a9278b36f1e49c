#pragma once
// The text of the status MIF file that reports the uninstall's outcome to a systems
// management server. A template holds the placeholders "%1%" to "%8%".

#include <cstddef>

enum RunOutcome { kRunSucceeded, kRunCancelled, kRunFailed };

struct StatusMifValues {
    const char* manufacturer;   // %1%
    const char* product;        // %2%
    const char* version;        // %3%
    const char* serialNumber;   // %4%
    bool rollback;              // %5%: "Rollback" or "Uninstall"
    const char* dateTime;       // %6%
    RunOutcome outcome;         // %7% status, %8% description
    const char* kept;           // a failed run's description: what it kept and why ("" for none)
};

// The DMTF component text used when the INI file gives no template.
extern const char kBuiltInMifTemplate[];

// "%02d/%02d/%02d %d:%02d": month, day, year modulo 100, hour, minute.
void FormatMifDateTime(int month, int day, int year, int hour, int minute, char* out, size_t size);

// A template from the INI file: every "^" becomes CR LF. Shortened when it does not fit.
void MifTemplateFromLanguage(const char* text, char* out, size_t size);

// Replaces each placeholder of the template. Returns 0, or 1 when the result does not fit
// (out is then empty).
int FormatStatusMif(const char* mifTemplate, const StatusMifValues& values, char* out, size_t size);

// A name the report may be written under: a file name without a folder, drive or "..", and
// without the characters file names cannot hold.
bool IsPlainFileName(const char* name);

// The status text handed to the systems-management DLL.
const char* StatusMifMessage(RunOutcome outcome);
