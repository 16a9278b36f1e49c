#include "controls/basic/ButtonEditGlyphs.h"

#include <array>

#include "classlib/win/Handles.h"

namespace mw {

const cl::TEnumNames kButtonKindNames{{{"bkCustom", 0}, {"bkLookup", 1}, {"bkDropDown", 2}, {"bkCalendar", 3},
                                       {"bkAccept", 4}, {"bkReject", 5}, {"bkFolder", 6}, {"bkFind", 7},
                                       {"bkSearch", 8}}};

HBITMAP ButtonKindGlyph(TButtonKind kind) {
    static constexpr const char* kResources[] = {nullptr,          "MWBTNEDT_LOOKUP", "MWBTNEDT_DROPDOWN",
                                                 "MWBTNEDT_CALENDAR", "MWBTNEDT_ACCEPT", "MWBTNEDT_REJECT",
                                                 "MWBTNEDT_FOLDER", "MWBTNEDT_FIND",   "MWBTNEDT_SEARCH"};
    static std::array<cl::TBitmapHandle, std::size(kResources)> glyphs;
    const auto index = static_cast<size_t>(kind);
    if (!kResources[index]) return nullptr;
    if (!glyphs[index])
        glyphs[index].Reset(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), kResources[index], IMAGE_BITMAP, 0, 0, 0)));
    return glyphs[index].Get();
}

}  // namespace mw
