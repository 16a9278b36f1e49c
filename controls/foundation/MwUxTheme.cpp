#include "controls/foundation/MwUxTheme.h"

namespace mw {

class TThemeLibrary::TLock {
public:
    explicit TLock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~TLock() { LeaveCriticalSection(&section_); }
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

namespace {

template <class F>
void Resolve(HMODULE module, const char* name, F& entry) {
    entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

TThemeLibrary::TThemeLibrary(std::string fileName) : fileName_(std::move(fileName)) {
    InitializeCriticalSection(&lock_);
}

TThemeLibrary::~TThemeLibrary() {
    while (UseCount() > 0) Release();
    DeleteCriticalSection(&lock_);
}

bool TThemeLibrary::Acquire() {
    TLock lock(lock_);
    ++useCount_;
    if (!module_) {
        module_ = LoadLibraryA(fileName_.c_str());
        if (module_) {
            Resolve(module_, "OpenThemeData", api_.OpenThemeData);
            Resolve(module_, "CloseThemeData", api_.CloseThemeData);
            Resolve(module_, "DrawThemeBackground", api_.DrawThemeBackground);
            Resolve(module_, "DrawThemeText", api_.DrawThemeText);
            Resolve(module_, "GetThemePartSize", api_.GetThemePartSize);
            Resolve(module_, "IsThemeBackgroundPartiallyTransparent", api_.IsThemeBackgroundPartiallyTransparent);
            Resolve(module_, "GetThemeColor", api_.GetThemeColor);
            Resolve(module_, "DrawThemeParentBackground", api_.DrawThemeParentBackground);
            Resolve(module_, "IsThemeActive", api_.IsThemeActive);
            Resolve(module_, "IsAppThemed", api_.IsAppThemed);
            Resolve(module_, "GetThemeAppProperties", api_.GetThemeAppProperties);
        }
    }
    return module_ != nullptr;
}

void TThemeLibrary::Release() {
    TLock lock(lock_);
    if (useCount_ > 0) --useCount_;
    if (module_ && useCount_ == 0) {
        FreeLibrary(module_);
        module_ = nullptr;
        api_ = TUxThemeApi{};
    }
}

bool TThemeLibrary::Loaded() const {
    TLock lock(lock_);
    return module_ != nullptr;
}

int TThemeLibrary::UseCount() const {
    TLock lock(lock_);
    return useCount_;
}

bool TThemeLibrary::UseThemesNow() const {
    if (!Loaded() || !api_.IsAppThemed || !api_.IsThemeActive) return false;
    return api_.IsAppThemed() && api_.IsThemeActive();
}

TThemeLibrary& ThemeLibrary() {
    static TThemeLibrary library("uxtheme.dll");
    return library;
}

}  // namespace mw
