#pragma once
// A line (or a wrapped paragraph) of static text.

#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"

namespace cl {

class TLabel : public TControl {
    CL_CLASS_INFO()
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TAlignment alignment_ = TAlignment::LeftJustify;
    bool wordWrap_ = false;
};

}  // namespace cl
