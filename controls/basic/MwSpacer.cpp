#include "controls/basic/MwSpacer.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/basic/SpacerLayout.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

const cl::TClassInfo& TMwSpacer::StaticClass() {
    using S = TMwSpacer;
    static const auto info = cl::TClassBuilder<S>("TMwSpacer", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &S::About, &S::SetAbout, kAboutInfoNames)
                                 .Bool("Grooved", &S::Grooved, &S::SetGrooved)
                                 .Enum<TOrientation>("Orientation", &S::Orientation, &S::SetOrientation, kOrientationNames)
                                 .Build();
    return *info;
}

TMwSpacer::TMwSpacer(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 8, 25);
    SetParentColor(true);
}

void TMwSpacer::SetOrientation(TOrientation v) {
    // Compared first: setting the orientation a spacer already has must not turn its shape.
    if (v == orientation_) return;
    orientation_ = v;
    if (IsLoading()) return;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TMwSpacer::Paint(cl::TCanvas& canvas) {
    if (!grooved_) return;
    const cl::TRect r = cl::TRect::FromBounds(0, 0, Width(), Height());
    if (ThemeServices().ThemesEnabled()) {
        const TThemedToolBar separator = Width() > Height() ? TThemedToolBar::SeparatorVertNormal : TThemedToolBar::SeparatorNormal;
        ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(separator), r);
        return;
    }
    const TSpacerGroove groove = SpacerGroove(r);
    canvas.SetPenColor(cl::clBtnShadow);
    canvas.MoveTo(groove.shadow.from.x, groove.shadow.from.y);
    canvas.LineTo(groove.shadow.to.x, groove.shadow.to.y);
    canvas.SetPenColor(cl::clBtnHighlight);
    canvas.MoveTo(groove.highlight.from.x, groove.highlight.from.y);
    canvas.LineTo(groove.highlight.to.x, groove.highlight.to.y);
}
