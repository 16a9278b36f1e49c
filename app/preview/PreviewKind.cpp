#include "app/preview/PreviewKind.h"

#include "classlib/core/TextUtils.h"

namespace quillon {

TPreviewKind PreviewKindOf(const std::string& fileName) {
    const std::string extension = cl::UpperCase(cl::ExtractFileExt(fileName));
    if (extension == ".WAV") return TPreviewKind::Sound;
    if (extension == ".DDS" || extension == ".TGA") return TPreviewKind::Picture;
    for (const char* binary : {".BAF", ".SKN", ".VSO", ".PSO", ".SM"})
        if (extension == binary) return TPreviewKind::None;
    return TPreviewKind::Text;
}

}  // namespace quillon
