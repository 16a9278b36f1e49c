#pragma once
// How the main window previews a file, decided by its extension alone.

#include <cstdint>
#include <string>

namespace quillon {

enum class TPreviewKind {
    Sound,    // ".WAV": played on request
    Picture,  // ".DDS", ".TGA": converted to a bitmap and shown
    Text,     // anything else that is no known binary format: shown in the editor
    None,     // ".BAF", ".SKN", ".VSO", ".PSO", ".SM": binary, not shown
};

// The extension (from the last "." of the name) compared without case.
TPreviewKind PreviewKindOf(const std::string& fileName);

// Larger files are not loaded into the editor or the picture: loading them would hold up
// the window for long and use memory in proportion, and the user could not stop it.
constexpr int64_t kMaxPreviewSize = 16 * 1024 * 1024;

}  // namespace quillon
