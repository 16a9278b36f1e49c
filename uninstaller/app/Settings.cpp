#include "uninstaller/app/Settings.h"

#include <climits>
#include <cstring>

int ParseIniInteger(const char* text, int defaultValue)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    if (*text < '0' || *text > '9')
        return defaultValue;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > INT_MAX)
            return defaultValue;
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {

int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

int ReadInteger(SettingReader read, void* context, const char* key, int defaultValue)
{
    char text[32];
    if (!read(context, key, text, sizeof text))
        return defaultValue;
    return ParseIniInteger(text, defaultValue);
}

int ReadColour(SettingReader read, void* context, const char* key, int defaultValue)
{
    return Clamp(ReadInteger(read, context, key, defaultValue), 0, 255);
}

}  // namespace

void ReadSettings(Settings* settings, SettingReader read, void* context)
{
    settings->startRed = ReadColour(read, context, "Start Red", 0);
    settings->startGreen = ReadColour(read, context, "Start Green", 0);
    settings->startBlue = ReadColour(read, context, "Start Blue", 255);
    settings->endRed = ReadColour(read, context, "End Red", 0);
    settings->endGreen = ReadColour(read, context, "End Green", 0);
    settings->endBlue = ReadColour(read, context, "End Blue", 0);
    settings->noBackground = ReadInteger(read, context, "No Background", 1) != 0;
    settings->textFont[0] = '\0';
    char face[256];
    if (read(context, "Text Font", face, sizeof face) && std::strlen(face) < sizeof settings->textFont)
        std::strcpy(settings->textFont, face);
    settings->fontCharSet = Clamp(ReadInteger(read, context, "Font Character Set", 0), 0, 255);
    int size = ReadInteger(read, context, "Font Character Size", 8);
    settings->fontSize = size < 1 || size > 72 ? 8 : size;
    settings->silentWaitSeconds = Clamp(ReadInteger(read, context, "Silent Wait Seconds", 60), 1, 3600);
}
