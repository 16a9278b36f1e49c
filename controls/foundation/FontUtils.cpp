#include "controls/foundation/FontUtils.h"

#include <cstring>

namespace mw {

namespace {

TEXTMETRICA MetricsOf(const cl::TFont& font) {
    const cl::TScreenDC screen;
    TEXTMETRICA metrics{};
    cl::TSelectObject selectFont(screen.Handle(), font.Handle());
    GetTextMetricsA(screen.Handle(), &metrics);
    return metrics;
}

}  // namespace

cl::TFontHandle CreateRotatedFont(const cl::TFont& font, int angle) {
    LOGFONTA log{};
    log.lfHeight = font.Height();
    log.lfEscapement = angle * 10;
    log.lfWeight = (font.Style() & cl::fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = (font.Style() & cl::fsItalic) ? 1 : 0;
    log.lfUnderline = (font.Style() & cl::fsUnderline) ? 1 : 0;
    log.lfStrikeOut = (font.Style() & cl::fsStrikeOut) ? 1 : 0;
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(log.lfFaceName, font.Name().c_str(), LF_FACESIZE - 1);
    return cl::TFontHandle(CreateFontIndirectA(&log));
}

bool IsTrueTypeFont(const cl::TFont& font) { return (MetricsOf(font).tmPitchAndFamily & TMPF_TRUETYPE) != 0; }

int GetMinFontHeight(const cl::TFont& font) { return MetricsOf(font).tmHeight + 2; }

}  // namespace mw
