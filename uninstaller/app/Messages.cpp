#include "uninstaller/app/Messages.h"

#include <cstdio>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/LanguageText.h"

namespace {

size_t LoadBuiltIn(unsigned id, char* buffer, size_t size)
{
    int length = LoadStringA(g_app.instance, id, buffer, static_cast<int>(size));
    if (length <= 0) {
        buffer[0] = '\0';
        return 0;
    }
    return static_cast<size_t>(length);
}

}  // namespace

size_t LoadMessage(unsigned id, char* buffer, size_t size)
{
    if (size == 0)
        return 0;
    char key[16];
    std::snprintf(key, sizeof key, "Msg%u", id);
    char raw[2048];
    GetPrivateProfileStringA("Language", key, kLanguageNotSet, raw, sizeof raw, g_app.iniPath);
    if (!IsLanguageTextSet(raw))
        return LoadBuiltIn(id, buffer, size);

    char builtIn[1024];
    LoadBuiltIn(id, builtIn, sizeof builtIn);
    char text[2048];
    UnescapeLanguageText(raw, text, sizeof text);
    if (HasConversions(builtIn) && !ConversionsMatch(text, builtIn))
        return LoadBuiltIn(id, buffer, size);
    return UnescapeLanguageText(raw, buffer, size);
}
