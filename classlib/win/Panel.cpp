#include "classlib/win/Panel.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"

namespace cl {

const TEnumNames kAlignmentNames{{{"taLeftJustify", 0}, {"taRightJustify", 1}, {"taCenter", 2}}};

namespace {
const TEnumNames kBevelNames{{{"bvNone", 0}, {"bvLowered", 1}, {"bvRaised", 2}}};
}

const TClassInfo& TPanel::StaticClass() {
    static const auto info = TClassBuilder<TPanel>("TPanel", TCustomControl::StaticClass())
                                 .Creatable()
                                 .Enum<TBevelCut>("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, kBevelNames)
                                 .Enum<TAlignment>("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, kAlignmentNames)
                                 .Build();
    return *info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == bevelOuter_) return;
    bevelOuter_ = bevel;
    Invalidate();
}

void TPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TPanel::Paint(TCanvas& canvas) {
    TRect r = ClientRect();
    if (bevelOuter_ != TBevelCut::None) {
        RECT rc{r.left, r.top, r.right, r.bottom};
        DrawEdge(canvas.Handle(), &rc, bevelOuter_ == TBevelCut::Raised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (Caption().empty()) return;
    const UINT align = alignment_ == TAlignment::Center ? DT_CENTER : alignment_ == TAlignment::RightJustify ? DT_RIGHT : DT_LEFT;
    TRect text = r;
    text.left += 2;
    text.right -= 2;
    canvas.TextRect(text, Caption(), align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace cl
