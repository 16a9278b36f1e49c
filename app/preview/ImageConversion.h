#pragma once
// Turning a texture (DDS, TGA or anything else the DevIL image library reads) into a 24-bit
// bitmap file that the picture control shows, through four calls of DevIL.

#include <string>

// DevIL's calling convention: stdcall in its Windows builds.
#ifdef _WIN32
#define QUILLON_DEVIL_CALL __stdcall
#else
#define QUILLON_DEVIL_CALL
#endif

namespace quillon {

// DevIL's values for the format the bitmap is written in.
constexpr unsigned kIL_BGR = 0x80E0;
constexpr unsigned kIL_UNSIGNED_BYTE = 0x1401;

// The DevIL calls the preview uses, with the types DevIL declares (a build with 8-bit file
// names; the results are 1 for success and 0 for failure).
struct TDevILCalls {
    void(QUILLON_DEVIL_CALL* ilInit)();
    unsigned char(QUILLON_DEVIL_CALL* ilLoadImage)(const char* fileName);
    unsigned char(QUILLON_DEVIL_CALL* ilConvertImage)(unsigned destFormat, unsigned destType);
    unsigned char(QUILLON_DEVIL_CALL* ilSaveImage)(const char* fileName);
};

// Loads source into DevIL's current image, converts it to BGR bytes and saves it as the
// bitmap target, replacing an older target (DevIL itself refuses to overwrite). ilInit must
// have been called. False when DevIL cannot read, convert or write the picture; no target
// is left then, so an older picture can never be taken for this one.
bool ConvertToBitmap(const TDevILCalls& il, const std::string& source, const std::string& target);

}  // namespace quillon
