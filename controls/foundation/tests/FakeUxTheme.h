/* A stand-in for the visual-styles library that the theme tests load in its place: it reports
   what it is told to and records what it is asked to do. */
#pragma once

#include <windows.h>

#define FAKE_UXTHEME_FILE "fake_uxtheme.dll"

typedef struct TFakeThemeState {
    /* What the library answers. */
    BOOL appThemed;
    BOOL themeActive;
    DWORD appProperties;
    BOOL partiallyTransparent;
    /* What it was asked. */
    int opened;        /* OpenThemeData calls; the n-th returns the handle (HANDLE)n */
    int closed;        /* CloseThemeData calls */
    char lastClass[32];
    int drawnBackgrounds;
    HANDLE lastTheme;
    int lastPart, lastState;
    RECT lastRect;
    BOOL lastHadClip;
    int drawnTexts;
    WCHAR lastText[64];
    int lastTextLength;
    int drawnParentBackgrounds;
    HWND lastParentWindow;
    /* The theme class that each handle was opened for (handle n at index n, the first 63). */
    char handleClasses[64][16];
    /* Every background drawn, in order (the first 256; drawnBackgrounds counts them all). */
    struct {
        char themeClass[16];
        int part, state;
        RECT rect;
    } drawn[256];
    /* A background drawn for this theme class (empty: none) is filled with fillColor, so that
       a test can see where it went. */
    char fillClass[16];
    COLORREF fillColor;
    /* What GetThemeColor answers for TMT_FILLCOLOR and TMT_TEXTCOLOR (0: the theme has no such
       colour), and the size GetThemePartSize answers (0 x 0: it fails). */
    COLORREF themeFillColor;
    COLORREF themeTextColor;
    SIZE partSize;
} TFakeThemeState;

/* Exported as "FakeThemeState": the library's one state, zeroed at load. */
typedef TFakeThemeState*(WINAPI* TFakeThemeStateFn)(void);
