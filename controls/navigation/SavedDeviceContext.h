#pragma once
// Device-context state saved for one drawing step and given back afterwards: a clipping
// region for one tab, or the turned tab font. A failed save or restore is an error of the
// paint, raised as cl::Exception; the destructor restores quietly after an error elsewhere.

#include <windows.h>

#include "classlib/win/Font.h"
#include "classlib/win/Handles.h"

namespace mw {

class TSavedDC {
public:
    explicit TSavedDC(HDC dc);
    ~TSavedDC();
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;
    HDC DC() const { return dc_; }
    void Restore();

private:
    HDC dc_;
    int saved_ = 0;
};

// The tab font selected, turned by escapement tenths of a degree, bold (weight 700) or normal.
class TTabFontSelection {
public:
    TTabFontSelection(HDC dc, const cl::TFont& font, int escapement, bool bold);
    void Restore() { saved_.Restore(); }

private:
    cl::TFontHandle font_;  // declared first so that it is deleted after saved_ restores the old font
    TSavedDC saved_;
};

}  // namespace mw
