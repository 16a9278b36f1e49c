#pragma once
// A pen description (colour, width, style) that a control can publish and draw with.

#include <windows.h>

#include "classlib/core/Colors.h"
#include "classlib/core/Event.h"
#include "classlib/core/Persistent.h"

namespace cl {

enum class TPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

class TPen : public TPersistent {
    CL_CLASS_INFO()
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    void Assign(const TPen& other);

    TNotifyEvent OnChange;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::Solid;
};

}  // namespace cl
