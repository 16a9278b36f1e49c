#pragma once
// Owners of GDI and window device contexts and objects that release them when they go out of
// scope.

#include <windows.h>

struct GdiObject {
    HGDIOBJ object;
    explicit GdiObject(HGDIOBJ o) : object(o) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject()
    {
        if (object)
            DeleteObject(object);
    }
};

// An object selected into a device context until the end of the scope.
struct SelectedObject {
    HDC dc;
    HGDIOBJ previous;
    SelectedObject(HDC d, HGDIOBJ object) : dc(d), previous(object ? SelectObject(d, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject()
    {
        if (previous)
            SelectObject(dc, previous);
    }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc()
    {
        if (dc)
            DeleteDC(dc);
    }
};

struct WindowDc {
    HWND window;
    HDC dc;
    explicit WindowDc(HWND w) : window(w), dc(GetDC(w)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc()
    {
        if (dc)
            ReleaseDC(window, dc);
    }
};

struct PaintDc {
    HWND window;
    PAINTSTRUCT paint;
    HDC dc;
    explicit PaintDc(HWND w) : window(w), dc(BeginPaint(w, &paint)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window, &paint); }
};
