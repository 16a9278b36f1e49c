#pragma once
// The stock glyphs of the button edit's buttons: one bitmap per kind, two 10 x 10 pictures side
// by side (normal and disabled), loaded from the program's resources at the first use and kept
// until the program ends.

#include <windows.h>

#include "classlib/core/ClassInfo.h"

enum class TButtonKind { Custom, Lookup, DropDown, Calendar, Accept, Reject, Folder, Find, Search };

namespace mw {

extern const cl::TEnumNames kButtonKindNames;

// The kind's bitmap, or none for bkCustom or when the program does not carry it.
HBITMAP ButtonKindGlyph(TButtonKind kind);

}  // namespace mw
