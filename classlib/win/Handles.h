#pragma once
// Owning wrappers for Win32 handles: each frees its handle exactly once.

#include <windows.h>

#include <utility>

namespace cl {

template <class H, class Traits>
class TUniqueHandle {
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(H handle) : handle_(handle) {}
    ~TUniqueHandle() { Reset(); }
    TUniqueHandle(TUniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, Traits::Invalid()));
        return *this;
    }
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    H Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(H handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    H handle_ = Traits::Invalid();
};

struct TKernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct TFileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct TFindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
template <class T>
struct TGdiObjectTraits {
    static T Invalid() { return nullptr; }
    static void Close(T h) { DeleteObject(h); }
};
struct TIconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct TRegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct TMenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct TModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct TMemoryDCTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
struct TWindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};

using TKernelHandle = TUniqueHandle<HANDLE, TKernelHandleTraits>;
using TFileHandle = TUniqueHandle<HANDLE, TFileHandleTraits>;
using TFindHandle = TUniqueHandle<HANDLE, TFindHandleTraits>;
using TFontHandle = TUniqueHandle<HFONT, TGdiObjectTraits<HFONT>>;
using TBrushHandle = TUniqueHandle<HBRUSH, TGdiObjectTraits<HBRUSH>>;
using TPenHandle = TUniqueHandle<HPEN, TGdiObjectTraits<HPEN>>;
using TBitmapHandle = TUniqueHandle<HBITMAP, TGdiObjectTraits<HBITMAP>>;
using TIconHandle = TUniqueHandle<HICON, TIconTraits>;
using TRegKey = TUniqueHandle<HKEY, TRegKeyTraits>;
using TMenuHandle = TUniqueHandle<HMENU, TMenuTraits>;
using TModuleHandle = TUniqueHandle<HMODULE, TModuleTraits>;
using TMemoryDC = TUniqueHandle<HDC, TMemoryDCTraits>;  // from CreateCompatibleDC
using TDeviceDC = TUniqueHandle<HDC, TMemoryDCTraits>;  // from CreateDC, deleted alike
using TWindowHandle = TUniqueHandle<HWND, TWindowTraits>;

// Selects a GDI object into a device context for one scope.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~TSelectObject() { SelectObject(dc_, old_); }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's device context for one scope: the client area (GetDC) or the whole window,
// frame included (GetWindowDC).
class TWindowDC {
public:
    enum class TArea { Client, Whole };
    TWindowDC(HWND window, TArea area) : window_(window), dc_(area == TArea::Whole ? GetWindowDC(window) : GetDC(window)) {}
    ~TWindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Handle() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The screen's device context for one scope, for measuring text and making compatible bitmaps.
class TScreenDC : public TWindowDC {
public:
    TScreenDC() : TWindowDC(nullptr, TArea::Client) {}
};

// BeginPaint and EndPaint around one paint, whatever the painting throws.
class TPaintScope {
public:
    explicit TPaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~TPaintScope() { EndPaint(window_, &ps_); }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    HDC DC() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

}  // namespace cl
