#pragma once
// Section "Settings" of the uninstaller's INI file: the main window's gradient colours and
// the dialog font. Read once at start, never written.

#include <cstddef>

enum { kFaceNameSize = 32 };

struct Settings {
    int startRed, startGreen, startBlue;   // top of the gradient
    int endRed, endGreen, endBlue;         // bottom of the gradient
    bool noBackground;                     // the gradient main window is never shown
    char textFont[kFaceNameSize];          // empty: the dialog template's face
    int fontCharSet;
    int fontSize;                          // points
    int silentWaitSeconds;                 // a silent run's longest wait for one program
};

// Reads one key of section "Settings": writes its text and returns true, or returns false
// when the key is not set.
typedef bool (*SettingReader)(void* context, const char* key, char* out, size_t size);

// Fills settings from the reader, each key that is missing or not a number keeping its
// default. Colours and the character set are limited to 0..255; a point size outside 1..72
// and a face name too long for a font keep their defaults. The silent wait is limited to
// 1..3600 seconds.
void ReadSettings(Settings* settings, SettingReader read, void* context);

// An INI integer: optional spaces, an optional sign and decimal digits, anything after them
// ignored. Text without digits, or a number that does not fit an int, gives defaultValue.
int ParseIniInteger(const char* text, int defaultValue);
