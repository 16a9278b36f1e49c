#pragma once
// The screen: the cursor that overrides every window's own (the hourglass during long work),
// the list of forms, and the screen's size.

#include <windows.h>

#include <map>
#include <vector>

namespace cl {

class TCustomForm;
struct TEnumNames;

using TCursor = int;
enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

// The names of the cursors in form resources ("crDrag").
extern const TEnumNames kCursorNames;

class TScreen {
public:
    TCursor Cursor() const { return cursor_; }
    // Anything but crDefault overrides the cursor of every window until set back.
    void SetCursor(TCursor cursor);
    HCURSOR CursorHandle(TCursor cursor) const;
    HCURSOR CursorHandle() const { return CursorHandle(cursor_); }
    // Adds a cursor of the program's own (loaded from its resources, say) under an id.
    void RegisterCursor(TCursor id, HCURSOR cursor) { custom_[id] = cursor; }

    // The screen's logical pixels per inch (96 at the usual setting), read once.
    int PixelsPerInch() const;
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

    const std::vector<TCustomForm*>& Forms() const { return forms_; }
    TCustomForm* ActiveForm() const;

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form) { forms_.push_back(form); }
    void RemoveForm(TCustomForm* form);

    TCursor cursor_ = crDefault;
    mutable int pixelsPerInch_ = 0;
    std::map<TCursor, HCURSOR> custom_;
    std::vector<TCustomForm*> forms_;
};

// The process's screen object.
TScreen& Screen();

// Shows a screen cursor (the hourglass by default) for one scope and puts the previous one
// back however the scope ends.
class TScopedCursor {
public:
    explicit TScopedCursor(TCursor cursor = crHourGlass) : saved_(Screen().Cursor()) { Screen().SetCursor(cursor); }
    ~TScopedCursor() { Screen().SetCursor(saved_); }
    TScopedCursor(const TScopedCursor&) = delete;
    TScopedCursor& operator=(const TScopedCursor&) = delete;

private:
    TCursor saved_;
};

}  // namespace cl
