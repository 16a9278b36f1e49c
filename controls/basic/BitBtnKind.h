#pragma once
// The predefined kinds of a bit button: each brings its glyph (a bitmap resource of the
// program, two images: enabled and disabled), its caption, its modal result and whether it is
// the default or the cancel button of its form.

#include <string>

#include "classlib/core/ClassInfo.h"

enum class TBitBtnKind { Custom, OK, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All };
constexpr int kBitBtnKindCount = 11;

namespace mw {

extern const cl::TEnumNames kBitBtnKindNames;

struct TBitBtnKindInfo {
    const char* glyphResource;  // null for bkCustom
    const char* caption;        // null for bkCustom
    int modalResult;
    bool isDefault;
    bool isCancel;
};

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind);

// The kind a button still is: a predefined kind holds only while the button's Default,
// Cancel and ModalResult are the kind's own and nobody gave it another glyph.
TBitBtnKind EffectiveBitBtnKind(TBitBtnKind stored, bool isDefault, bool isCancel, int modalResult, bool userGlyph);

}  // namespace mw
