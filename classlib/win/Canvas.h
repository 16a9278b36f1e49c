#pragma once
// Drawing on a device context with a brush, a pen and a font that keep their settings
// between calls.

#include <windows.h>

#include <string>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Font.h"
#include "classlib/win/Handles.h"

namespace cl {

enum class TBrushStyle { Solid, Clear };

class TCanvas {
public:
    // Draws on dc, which the caller keeps owning.
    explicit TCanvas(HDC dc = nullptr) : dc_(dc) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc) { dc_ = dc; }

    TFont& Font() { return font_; }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color) { brushColor_ = color; brushStyle_ = TBrushStyle::Solid; }
    void SetBrushStyle(TBrushStyle style) { brushStyle_ = style; }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor color) { penColor_ = color; }

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(const TRect& r);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& r, const std::string& text, UINT format);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    // Fills the area around (x, y) that is bounded by the colour (FLOODFILLBORDER) with the brush.
    void FloodFill(int x, int y, TColor color);

private:
    TBrushHandle MakeBrush() const;

    HDC dc_;
    TFont font_;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
    TColor penColor_ = clBlack;
};

}  // namespace cl
