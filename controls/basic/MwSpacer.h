#pragma once
// A small gap between toolbar controls that can show an etched separator line (the theme's
// toolbar separator when themes are on).

#include "classlib/win/Control.h"
#include "controls/foundation/FrameModel.h"

class TMwSpacer : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwSpacer(cl::TComponent* owner);

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    bool Grooved() const { return grooved_; }
    virtual void SetGrooved(bool v) { StoreAndInvalidate(grooved_, v); }
    TOrientation Orientation() const { return orientation_; }
    // Outside loading, turning the spacer also swaps its width and height.
    virtual void SetOrientation(TOrientation v);

protected:
    void Paint(cl::TCanvas& canvas) override;

private:
    bool grooved_ = false;
    TOrientation orientation_ = TOrientation::Horizontal;
};
