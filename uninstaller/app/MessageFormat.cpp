#include "uninstaller/app/MessageFormat.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/app/LanguageText.h"
#include "uninstaller/app/Messages.h"

size_t FormatMessageText(unsigned id, const char* argument, char* out, size_t size)
{
    if (size == 0)
        return 0;
    char format[2048];
    LoadMessage(id, format, sizeof format);
    if (!ConversionsMatch(format, "%s")) {
        std::snprintf(out, size, "%s", format);
        return std::strlen(out);
    }
    std::snprintf(out, size, format, argument);
    return std::strlen(out);
}
