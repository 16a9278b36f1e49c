#include "app/preview/ImageConversion.h"

#include <cstdio>

namespace quillon {

bool ConvertToBitmap(const TDevILCalls& il, const std::string& source, const std::string& target) {
    std::remove(target.c_str());
    if (il.ilLoadImage(source.c_str()) && il.ilConvertImage(kIL_BGR, kIL_UNSIGNED_BYTE) && il.ilSaveImage(target.c_str()))
        return true;
    std::remove(target.c_str());  // a half-written bitmap must not be shown
    return false;
}

}  // namespace quillon
