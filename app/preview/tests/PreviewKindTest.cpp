// Which files the preview shows, and how.

#include <gtest/gtest.h>

#include "app/preview/PreviewKind.h"

namespace {

using quillon::PreviewKindOf;
using quillon::TPreviewKind;

TEST(PreviewKindTest, GoesByTheExtensionWithoutCase) {
    const struct {
        const char* name;
        TPreviewKind kind;
    } cases[] = {
        {"beep.wav", TPreviewKind::Sound},
        {"BEEP.Wav", TPreviewKind::Sound},
        {"grass.dds", TPreviewKind::Picture},
        {"sky.TGA", TPreviewKind::Picture},
        {"init.con", TPreviewKind::Text},
        {"README", TPreviewKind::Text},            // no extension
        {"archive.dds.txt", TPreviewKind::Text},   // only the last extension counts
        {"C:\\mods.dds\\notes", TPreviewKind::Text},  // a dot in a folder is no extension
        {"anim.baf", TPreviewKind::None},
        {"mesh.SKN", TPreviewKind::None},
        {"shader.vso", TPreviewKind::None},
        {"shader.pso", TPreviewKind::None},
        {"tree.sm", TPreviewKind::None},
        {"tree.smx", TPreviewKind::Text},
        {"C:\\Mods\\sky.tga", TPreviewKind::Picture},
    };
    for (const auto& c : cases) EXPECT_EQ(PreviewKindOf(c.name), c.kind) << c.name;
}

}  // namespace
