#pragma once
// A plain container with an optional bevel and a centred caption.

#include "classlib/core/ClassInfo.h"
#include "classlib/win/Control.h"

namespace cl {

enum class TBevelCut { None, Lowered, Raised };
enum class TAlignment { LeftJustify, RightJustify, Center };

class TPanel : public TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void Paint(TCanvas& canvas) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::Raised;
    TAlignment alignment_ = TAlignment::Center;
};

extern const TEnumNames kAlignmentNames;

}  // namespace cl
