#include "uninstaller/app/StatusMifText.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/log/NameCompare.h"

#define MIF_ATTRIBUTE(id, name, value)                                  \
    "    START ATTRIBUTE\r\n"                                           \
    "      NAME = \"" name "\"\r\n"                                     \
    "      ID = " #id "\r\n"                                            \
    "      ACCESS = READ-ONLY\r\n"                                      \
    "      STORAGE = SPECIFIC\r\n"                                      \
    "      TYPE = STRING(255)\r\n"                                      \
    "      VALUE = \"" value "\"\r\n"                                   \
    "    END ATTRIBUTE\r\n"

const char kBuiltInMifTemplate[] =
    "START COMPONENT\r\n"
    "  NAME = \"WORKSTATION\"\r\n"
    "  START GROUP\r\n"
    "    NAME = \"ComponentID\"\r\n"
    "    ID = 1\r\n"
    "    CLASS = \"DMTF|ComponentID|1.0\"\r\n"
    MIF_ATTRIBUTE(1, "Manufacturer", "%1%")
    MIF_ATTRIBUTE(2, "Product", "%2%")
    MIF_ATTRIBUTE(3, "Version", "%3%")
    MIF_ATTRIBUTE(4, "Serial Number", "%4%")
    MIF_ATTRIBUTE(5, "%5%", "%6%")
    "  END GROUP\r\n"
    "  START GROUP\r\n"
    "    NAME = \"%5%Status\"\r\n"
    "    ID = 2\r\n"
    "    CLASS = \"MICROSOFT|JOBSTATUS|1.0\"\r\n"
    MIF_ATTRIBUTE(1, "Status", "%7%")
    MIF_ATTRIBUTE(2, "Description", "%8%")
    "  END GROUP\r\n"
    "END COMPONENT\r\n";

#undef MIF_ATTRIBUTE

void FormatMifDateTime(int month, int day, int year, int hour, int minute, char* out, size_t size)
{
    std::snprintf(out, size, "%02d/%02d/%02d %d:%02d", month, day, year % 100, hour, minute);
}

void MifTemplateFromLanguage(const char* text, char* out, size_t size)
{
    if (size == 0)
        return;
    size_t length = 0;
    for (const char* p = text; *p; ++p) {
        size_t need = *p == '^' ? 2 : 1;
        if (length + need >= size)
            break;
        if (*p == '^') {
            out[length++] = '\r';
            out[length++] = '\n';
        } else {
            out[length++] = *p;
        }
    }
    out[length] = '\0';
}

const char* StatusMifMessage(RunOutcome outcome)
{
    switch (outcome) {
    case kRunSucceeded: return "Uninstall successful";
    case kRunCancelled: return "Uninstall canceled by user";
    default: return "Uninstall failed";
    }
}

namespace {

const char* PlaceholderValue(const StatusMifValues& values, int number)
{
    switch (number) {
    case 1: return values.manufacturer;
    case 2: return values.product;
    case 3: return values.version;
    case 4: return values.serialNumber;
    case 5: return values.rollback ? "Rollback" : "Uninstall";
    case 6: return values.dateTime;
    case 7: return values.outcome == kRunSucceeded ? "Success" : "Failed";
    default:
        if (values.outcome == kRunFailed)
            return values.kept && values.kept[0] ? values.kept : "Uninstall failed";
        return values.outcome == kRunCancelled ? "Canceled by user" : "";
    }
}

}  // namespace

int FormatStatusMif(const char* mifTemplate, const StatusMifValues& values, char* out, size_t size)
{
    size_t length = 0;
    for (const char* p = mifTemplate; *p;) {
        const char* piece = p;
        size_t pieceLength = 1;
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '8' && p[2] == '%') {
            piece = PlaceholderValue(values, p[1] - '0');
            pieceLength = std::strlen(piece);
            p += 3;
        } else {
            ++p;
        }
        if (length + pieceLength >= size) {
            if (size)
                out[0] = '\0';
            return 1;
        }
        std::memcpy(out + length, piece, pieceLength);
        length += pieceLength;
    }
    if (size == 0)
        return 1;
    out[length] = '\0';
    return 0;
}

bool IsPlainFileName(const char* name)
{
    if (!name[0] || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return false;
    for (const char* p = name; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c < 32 || std::strchr("\\/:*?\"<>|", c))
            return false;
    }
    // "name." and "name " are stored without their ending: not the name asked for.
    char last = name[std::strlen(name) - 1];
    if (last == '.' || last == ' ')
        return false;
    // Device names, with any extension, open the device.
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "COM", "LPT"};
    for (const char* device : kDevices) {
        if (CompareNoCaseN(name, device, 3) != 0)
            continue;
        const char* rest = name + 3;
        bool numbered = std::strcmp(device, "COM") == 0 || std::strcmp(device, "LPT") == 0;
        if (numbered && *rest >= '0' && *rest <= '9')
            ++rest;
        if (*rest == '\0' || *rest == '.')
            return false;
    }
    return true;
}
