// The frame vocabulary: the names form resources use, border widths and rectangle arithmetic.

#include <gtest/gtest.h>

#include "controls/foundation/FrameModel.h"

namespace {

using cl::TRect;

TEST(FrameModelTest, EveryEnumerationStreamsByItsNameInDeclarationOrder) {
    struct Case {
        const cl::TEnumNames& names;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {mw::kFrameStyleNames,
         {"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered", "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus",
          "fsPopup", "fsFlatBold"}},
        {mw::kSideNames, {"sdLeft", "sdTop", "sdRight", "sdBottom"}},
        {mw::kAlignmentVerticalNames, {"avTop", "avCenter", "avBottom"}},
        {mw::kTextStyleNames, {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"}},
        {mw::kOrientationNames, {"orHorizontal", "orVertical"}},
        {mw::kBarStyleNames, {"bsTraditional", "bsLED"}},
        {mw::kFramingPreferenceNames, {"fpCustomFraming", "fpXPThemes"}},
        {mw::kScrollStyleNames, {"scsNone", "scsLeft", "scsUp", "scsRight", "scsDown"}},
        {mw::kHotTrackColorTypeNames, {"htctComplement", "htctActual"}},
        {mw::kAboutInfoNames, {"aiMerrowComponents"}},
    };
    for (const Case& c : cases) {
        for (size_t i = 0; i < c.expected.size(); ++i) {
            int value = -1;
            EXPECT_TRUE(c.names.Find(c.expected[i], value)) << c.expected[i];
            EXPECT_EQ(value, static_cast<int>(i)) << c.expected[i];
        }
        EXPECT_EQ(c.names.names.size(), c.expected.size()) << c.expected[0];
    }
    EXPECT_EQ(static_cast<int>(TFrameStyle::FlatBold), 10);
    EXPECT_EQ(sdLeft | sdTop | sdRight | sdBottom, 15u);
    EXPECT_EQ(SideBit(TSide::Bottom), sdBottom);
}

TEST(FrameModelTest, BorderWidthOfEachStyle) {
    const int bevel = 3;
    const std::pair<TFrameStyle, int> cases[] = {
        {TFrameStyle::None, 0},       {TFrameStyle::Flat, 1},   {TFrameStyle::Groove, 2},  {TFrameStyle::Bump, 2},
        {TFrameStyle::Lowered, 2},    {TFrameStyle::ButtonDown, 2}, {TFrameStyle::Raised, 2},
        {TFrameStyle::ButtonUp, 2},   {TFrameStyle::Status, bevel}, {TFrameStyle::Popup, bevel},
        {TFrameStyle::FlatBold, 2},
    };
    for (const auto& [style, width] : cases)
        EXPECT_EQ(mw::FrameBorderWidth(style, bevel), width) << mw::kFrameStyleNames.NameOf(static_cast<int>(style));
}

TEST(FrameModelTest, InsetsMoveOnlyTheChosenSidesAndCentringRoundsTowardZero) {
    const TRect r{10, 20, 110, 70};
    EXPECT_EQ(mw::InsetSides(r, 2, sdLeft | sdBottom), (TRect{12, 20, 110, 68}));
    EXPECT_EQ(mw::InsetSides(r, 2, 0), r);
    EXPECT_EQ(mw::InsetSides(r, 3, sdAll), mw::Inset(r, 3, 3));
    EXPECT_EQ(mw::CentredRect(r, 20, 10), (TRect{50, 40, 70, 50}));
    EXPECT_EQ(mw::CentredRect({0, 0, 5, 5}, 2, 2), (TRect{1, 1, 3, 3}));
    EXPECT_EQ(mw::CentredRect({-5, -5, 0, 0}, 2, 2), (TRect{-3, -3, -1, -1}));  // -3.5 rounds to -3
}

}  // namespace
