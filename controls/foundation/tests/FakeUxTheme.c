/* The stand-in visual-styles library of the theme tests (see FakeUxTheme.h). */
#include "FakeUxTheme.h"

static TFakeThemeState state;

#define EXPORT __declspec(dllexport)

EXPORT TFakeThemeState* WINAPI FakeThemeState(void) { return &state; }

EXPORT BOOL WINAPI IsAppThemed(void) { return state.appThemed; }
EXPORT BOOL WINAPI IsThemeActive(void) { return state.themeActive; }
EXPORT DWORD WINAPI GetThemeAppProperties(void) { return state.appProperties; }

EXPORT HANDLE WINAPI OpenThemeData(HWND window, LPCWSTR classList) {
    int i = 0;
    for (; classList[i] && i < (int)sizeof(state.lastClass) - 1; ++i) state.lastClass[i] = (char)classList[i];
    state.lastClass[i] = 0;
    ++state.opened;
    if (state.opened < 64) {
        for (i = 0; state.lastClass[i] && i < 15; ++i) state.handleClasses[state.opened][i] = state.lastClass[i];
        state.handleClasses[state.opened][i] = 0;
    }
    return (HANDLE)(INT_PTR)state.opened;
}

EXPORT HRESULT WINAPI CloseThemeData(HANDLE theme) {
    ++state.closed;
    return S_OK;
}

EXPORT HRESULT WINAPI DrawThemeBackground(HANDLE theme, HDC dc, int part, int stateId, const RECT* rect, const RECT* clip) {
    INT_PTR handle = (INT_PTR)theme;
    if (state.fillClass[0] && handle > 0 && handle < 64 && lstrcmpA(state.fillClass, state.handleClasses[handle]) == 0) {
        HBRUSH brush = CreateSolidBrush(state.fillColor);
        FillRect(dc, rect, brush);
        DeleteObject(brush);
    }
    if (state.drawnBackgrounds < 256) {
        int slot = state.drawnBackgrounds, i = 0;
        if (handle > 0 && handle < 64)
            for (; state.handleClasses[handle][i]; ++i) state.drawn[slot].themeClass[i] = state.handleClasses[handle][i];
        state.drawn[slot].themeClass[i] = 0;
        state.drawn[slot].part = part;
        state.drawn[slot].state = stateId;
        state.drawn[slot].rect = *rect;
    }
    ++state.drawnBackgrounds;
    state.lastTheme = theme;
    state.lastPart = part;
    state.lastState = stateId;
    state.lastRect = *rect;
    state.lastHadClip = clip != NULL;
    return S_OK;
}

EXPORT HRESULT WINAPI DrawThemeText(HANDLE theme, HDC dc, int part, int stateId, LPCWSTR text, int length,
                                    DWORD flags, DWORD flags2, const RECT* rect) {
    int i = 0;
    ++state.drawnTexts;
    for (; i < length && i < 63; ++i) state.lastText[i] = text[i];
    state.lastText[i] = 0;
    state.lastTextLength = length;
    return S_OK;
}

EXPORT BOOL WINAPI IsThemeBackgroundPartiallyTransparent(HANDLE theme, int part, int stateId) {
    return state.partiallyTransparent;
}

EXPORT HRESULT WINAPI DrawThemeParentBackground(HWND window, HDC dc, const RECT* rect) {
    ++state.drawnParentBackgrounds;
    state.lastParentWindow = window;
    return S_OK;
}

EXPORT HRESULT WINAPI GetThemeColor(HANDLE theme, int part, int stateId, int property, COLORREF* color) {
    COLORREF value = property == 3802 ? state.themeFillColor : property == 3803 ? state.themeTextColor : 0;
    if (!value) return E_FAIL;
    *color = value;
    return S_OK;
}

EXPORT HRESULT WINAPI GetThemePartSize(HANDLE theme, HDC dc, int part, int stateId, const RECT* rect, int kind, SIZE* size) {
    if (state.partSize.cx == 0 && state.partSize.cy == 0) return E_FAIL;
    *size = state.partSize;
    return S_OK;
}
