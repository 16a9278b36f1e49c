#include "controls/navigation/SavedDeviceContext.h"

#include <cstring>

#include "classlib/core/Exception.h"

namespace mw {

TSavedDC::TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {
    if (saved_ == 0) throw cl::Exception("Error saving device context");
}

TSavedDC::~TSavedDC() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
}

void TSavedDC::Restore() {
    const int saved = saved_;
    saved_ = 0;
    if (saved != 0 && !RestoreDC(dc_, saved)) throw cl::Exception("Error restoring device context");
}

namespace {

cl::TFontHandle TurnedFont(const cl::TFont& font, int escapement, bool bold) {
    LOGFONTA log{};
    log.lfHeight = font.Height();
    log.lfEscapement = escapement;
    log.lfOrientation = escapement;
    log.lfWeight = bold || (font.Style() & cl::fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = (font.Style() & cl::fsItalic) ? 1 : 0;
    log.lfUnderline = (font.Style() & cl::fsUnderline) ? 1 : 0;
    log.lfStrikeOut = (font.Style() & cl::fsStrikeOut) ? 1 : 0;
    log.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(log.lfFaceName, font.Name().c_str(), LF_FACESIZE - 1);
    return cl::TFontHandle(CreateFontIndirectA(&log));
}

}  // namespace

TTabFontSelection::TTabFontSelection(HDC dc, const cl::TFont& font, int escapement, bool bold)
    : font_(TurnedFont(font, escapement, bold)), saved_(dc) {
    SelectObject(dc, font_.Get());
}

}  // namespace mw
