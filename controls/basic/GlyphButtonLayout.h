#pragma once
// The platform-free rules of the radio button and check box: where the state glyph and the
// caption go, which image of a custom glyph strip shows, how a check box steps through its
// states, and which colours the hot-track glyph bitmaps' key colours become.

#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

enum class TCheckBoxState { Unchecked, Checked, Grayed };

namespace mw {

extern const cl::TEnumNames kCheckBoxStateNames;
// taLeftJustify and taRightJustify, the two alignments a glyph button offers.
extern const cl::TEnumNames kLeftRightNames;

constexpr int kDefaultGlyphSize = 13;

struct TGlyphSize {
    int width = kDefaultGlyphSize;
    int height = kDefaultGlyphSize;
    bool operator==(const TGlyphSize& o) const { return width == o.width && height == o.height; }
};

// The size of one state image: the strip divided into stateCount images while custom glyphs
// are used and the strip is not empty, else the built-in 13 x 13.
TGlyphSize GlyphSizeOf(bool useCustomGlyphs, int stripWidth, int stripHeight, int stateCount);

// Where the glyph goes in a control of the given size: at the left edge when the caption is
// at its right (captionRight), else at the right edge; vertically by the alignment.
cl::TPoint GlyphPosition(bool captionRight, TAlignmentVertical alignment, int width, int height, TGlyphSize glyph);
// The caption's rectangle: the client inset by one, less the glyph and a gap of four.
cl::TRect GlyphCaptionRect(const cl::TRect& client, bool captionRight, int glyphWidth);
// The focus border round a caption textWidth wide drawn in captionRect.
cl::TRect GlyphFocusRect(const cl::TRect& captionRect, int textWidth, bool rightToLeft);

// The image of a custom strip (radio buttons: six images, check boxes: nine) for the state.
int RadioGlyphIndex(bool checked, bool pressed, bool enabled);
int CheckGlyphIndex(TCheckBoxState state, bool pressed, bool enabled);

// Whether key (any case) is the character after a single '&' of the caption.
bool IsCaptionAccelerator(const std::string& caption, char key);

// The state a click moves a check box to.
TCheckBoxState NextCheckState(TCheckBoxState state, bool allowGrayed);

// c one RGB step off when it is the transparent, window-mask or gray key colour, so that a
// colour the user chose does not vanish or get replaced with the keys. All values are RGB.
cl::TColor AvoidKeyColor(cl::TColor c, cl::TColor transparentColor, cl::TColor winMaskColor);

enum class TGlyphLook { Normal, Hot, Pressed, Disabled };

// The colours the hot-track glyphs are made of, all as RGB.
struct TGlyphPalette {
    cl::TColor frame = cl::clGray;
    cl::TColor highlight = cl::clNavy;
    cl::TColor hotTrack = cl::clNavy;
    TMwHotTrackColorType hotTrackType = TMwHotTrackColorType::Complement;
    cl::TColor window = cl::clWhite;
    cl::TColor disabled = cl::clSilver;
    cl::TColor buttonShadow = cl::clGray;
    cl::TColor transparent = cl::clOlive;
    cl::TColor winMask = cl::clLime;
    bool fullColor = true;  // the screen shows more than 256 colours
};

struct TColorSwap {
    cl::TColor from;
    cl::TColor to;
    bool operator==(const TColorSwap& o) const { return from == o.from && to == o.to; }
};

// The key colours of the radio button's and the check box's hot-track bitmaps and what each
// becomes for the look; a key colour missing from the list stays as it is.
std::vector<TColorSwap> RadioGlyphColors(const TGlyphPalette& palette, TGlyphLook look);
std::vector<TColorSwap> CheckGlyphColors(const TGlyphPalette& palette, TGlyphLook look);
// The colour that c becomes under the swaps (c itself when no swap names it).
cl::TColor SwapColor(const std::vector<TColorSwap>& swaps, cl::TColor c);

}  // namespace mw
