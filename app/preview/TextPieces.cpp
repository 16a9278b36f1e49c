#include "app/preview/TextPieces.h"

namespace quillon {

size_t TextPieceEnd(const std::string& text, size_t from, size_t maxSize) {
    if (text.size() - from <= maxSize) return text.size();
    const size_t limit = from + maxSize;
    const size_t lineFeed = text.rfind('\n', limit - 1);
    if (lineFeed != std::string::npos && lineFeed >= from) return lineFeed + 1;
    // A CR at the cut would meet its LF in the next piece as a line end of its own.
    return text[limit - 1] == '\r' && limit - 1 > from ? limit - 1 : limit;
}

}  // namespace quillon
