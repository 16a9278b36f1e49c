#include "classlib/win/Screen.h"

#include <algorithm>

#include "classlib/core/ClassInfo.h"
#include "classlib/win/Form.h"
#include "classlib/win/Handles.h"

namespace cl {

const TEnumNames kCursorNames{{{"crDefault", crDefault}, {"crNone", crNone}, {"crArrow", crArrow}, {"crCross", crCross},
                               {"crIBeam", crIBeam}, {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS},
                               {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE}, {"crUpArrow", crUpArrow},
                               {"crHourGlass", crHourGlass}, {"crDrag", crDrag}, {"crNoDrop", crNoDrop},
                               {"crHSplit", crHSplit}, {"crVSplit", crVSplit}, {"crNo", crNo}, {"crAppStart", crAppStart},
                               {"crHelp", crHelp}, {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll}}};

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    ::SetCursor(CursorHandle(cursor == crDefault ? crArrow : cursor));
}

HCURSOR TScreen::CursorHandle(TCursor cursor) const {
    if (auto it = custom_.find(cursor); it != custom_.end()) return it->second;
    LPCSTR id = IDC_ARROW;
    switch (cursor) {
        case crNone: return nullptr;
        case crCross: id = IDC_CROSS; break;
        case crIBeam: id = IDC_IBEAM; break;
        case crSizeNESW: id = IDC_SIZENESW; break;
        case crSizeNS: case crVSplit: id = IDC_SIZENS; break;
        case crSizeNWSE: id = IDC_SIZENWSE; break;
        case crSizeWE: case crHSplit: id = IDC_SIZEWE; break;
        case crUpArrow: id = IDC_UPARROW; break;
        case crHourGlass: id = IDC_WAIT; break;
        case crNo: case crNoDrop: id = IDC_NO; break;
        case crAppStart: id = IDC_APPSTARTING; break;
        case crHelp: id = IDC_HELP; break;
        case crHandPoint: id = IDC_HAND; break;
        case crSizeAll: case crDrag: id = IDC_SIZEALL; break;
        default: break;
    }
    return LoadCursorA(nullptr, id);
}

int TScreen::PixelsPerInch() const {
    if (pixelsPerInch_ == 0) {
        const TScreenDC screen;
        pixelsPerInch_ = GetDeviceCaps(screen.Handle(), LOGPIXELSY);
    }
    return pixelsPerInch_;
}

TCustomForm* TScreen::ActiveForm() const {
    HWND active = GetActiveWindow();
    for (TCustomForm* form : forms_)
        if (form->HandleAllocated() && form->Handle() == active) return form;
    return nullptr;
}

void TScreen::RemoveForm(TCustomForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

}  // namespace cl
