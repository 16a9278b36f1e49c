#include "controls/basic/MwSpacer.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

const cl::TClassInfo& TMwSpacer::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwSpacer>("TMwSpacer", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Bool("Grooved", &TMwSpacer::Grooved, &TMwSpacer::SetGrooved)
                                 .Enum<TOrientation>("Orientation", &TMwSpacer::Orientation, &TMwSpacer::SetOrientation, kOrientationNames)
                                 .Build();
    return *info;
}

TMwSpacer::TMwSpacer(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 8, 25);
    SetParentColor(true);
}

void TMwSpacer::SetGrooved(bool v) {
    if (v == grooved_) return;
    grooved_ = v;
    Invalidate();
}

void TMwSpacer::SetOrientation(TOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    if (IsLoading()) return;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TMwSpacer::Paint(cl::TCanvas& canvas) {
    if (!grooved_) return;
    HDC dc = canvas.Handle();
    const cl::TRect r = cl::TRect::FromBounds(0, 0, Width(), Height());
    if (r.Width() > r.Height()) {
        const int y = r.Height() / 2 + r.top - 1;
        FillSolid(dc, {r.left + 1, y, r.right, y + 1}, cl::clBtnShadow);
        FillSolid(dc, {r.left + 1, y + 1, r.right, y + 2}, cl::clBtnHighlight);
    } else {
        const int x = r.Width() / 2 + r.left - 1;
        FillSolid(dc, {x, r.top + 1, x + 1, r.bottom}, cl::clBtnShadow);
        FillSolid(dc, {x + 1, r.top + 1, x + 2, r.bottom}, cl::clBtnHighlight);
    }
}

