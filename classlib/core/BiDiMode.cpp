#include "classlib/core/BiDiMode.h"

namespace cl {

const TEnumNames kBiDiModeNames{
    {{"bdLeftToRight", 0}, {"bdRightToLeft", 1}, {"bdRightToLeftNoAlign", 2}, {"bdRightToLeftReadingOnly", 3}}};

}  // namespace cl
