#pragma once
// A font description (name, height, style, colour) with its GDI font made on demand.

#include <windows.h>

#include <string>

#include "classlib/core/Colors.h"
#include "classlib/core/Event.h"
#include "classlib/core/Persistent.h"
#include "classlib/win/Handles.h"

namespace cl {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TPersistent {
    CL_CLASS_INFO()
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at the screen's pixels per inch.
    int Size() const;
    void SetSize(int points);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    // The GDI font; made again after a change. The font object keeps ownership.
    HFONT Handle() const;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_;  // 8 points
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    mutable TFontHandle handle_;
};

// The colour as RGB, with system colours resolved.
COLORREF ColorToRGB(TColor color);

}  // namespace cl
