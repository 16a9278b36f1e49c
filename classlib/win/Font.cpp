#include "classlib/win/Font.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Screen.h"

namespace cl {

namespace {
const TEnumNames kFontStyleNames{{{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}}};
}

const TClassInfo& TFont::StaticClass() {
    static const auto info = TClassBuilder<TFont>("TFont", TPersistent::StaticClass())
                                 .Str("Name", &TFont::Name, &TFont::SetName)
                                 .Int("Height", &TFont::Height, &TFont::SetHeight)
                                 .Int("Size", &TFont::Size, &TFont::SetSize)
                                 .Set("Style", &TFont::Style, &TFont::SetStyle, kFontStyleNames)
                                 .Color("Color", &TFont::Color, &TFont::SetColor)
                                 .Int("Charset", &TFont::Charset, &TFont::SetCharset)
                                 .Build();
    return *info;
}

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0xFFFFFF;
}

TFont::TFont() : height_(-MulDiv(8, Screen().PixelsPerInch(), 72)) {}

void TFont::Changed() {
    handle_.Reset();
    OnChange(this);
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, Screen().PixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, Screen().PixelsPerInch(), 72)); }

void TFont::SetStyle(unsigned style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    OnChange(this);  // the GDI font does not hold the colour
}

void TFont::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (SameAs(other)) return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_ &&
           charset_ == other.charset_;
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTA lf = {};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectA(&lf));
    }
    return handle_.Get();
}

}  // namespace cl
