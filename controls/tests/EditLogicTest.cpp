// The one reader of the retired frame properties that every framed class shares, and the
// shortcut texts of older button edits.

#include <gtest/gtest.h>

#include "classlib/core/Exception.h"
#include "controls/basic/RetiredFrameProperties.h"
#include "controls/basic/ShortCutText.h"

namespace {

using mw::TRetiredFrameChange;

TEST(RetiredFramePropertiesTest, MapOntoTodaysFrameProperties) {
    const struct {
        const char* name;
        cl::TValue value;
        std::optional<bool> hotTrack;
        std::optional<TFrameStyle> style, hotStyle;
    } cases[] = {
        {"FrameFlat", cl::TValue::Bool(true), true, TFrameStyle::Status, TFrameStyle::Lowered},
        {"frameflat", cl::TValue::Bool(false), false, std::nullopt, std::nullopt},
        {"FrameFocusStyle", cl::TValue::Ident("fsBump"), std::nullopt, std::nullopt, TFrameStyle::Bump},
        {"FrameFlatStyle", cl::TValue::Ident("fsRaised"), std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        TRetiredFrameChange change;
        EXPECT_TRUE(mw::ParseRetiredFrameProperty(c.name, c.value, change)) << c.name;
        EXPECT_EQ(change.hotTrack, c.hotTrack) << c.name;
        EXPECT_EQ(change.style, c.style) << c.name;
        EXPECT_EQ(change.hotStyle, c.hotStyle) << c.name;
    }
    TRetiredFrameChange change;
    EXPECT_FALSE(mw::ParseRetiredFrameProperty("FrameStyle", cl::TValue::Ident("fsFlat"), change));
}

TEST(RetiredFramePropertiesTest, RejectValuesOfTheWrongKind) {
    TRetiredFrameChange change;
    EXPECT_THROW(mw::ParseRetiredFrameProperty("FrameFlat", cl::TValue::Int(1), change), cl::EConvertError);
    EXPECT_THROW(mw::ParseRetiredFrameProperty("FrameFocusStyle", cl::TValue::Ident("fsNoSuch"), change), cl::EConvertError);
    EXPECT_THROW(mw::ParseRetiredFrameProperty("FrameFocusStyle", cl::TValue::Str("fsBump"), change), cl::EConvertError);
}

TEST(ShortCutTextTest, ReadsModifiersAndKeyNames) {
    const struct {
        const char* text;
        unsigned shortCut;
    } cases[] = {
        {"F4", 0x73},          {"f12", 0x7B},          {"Ctrl+F", 0x4046},         {"Shift+Ctrl+Del", 0x602E},
        {"alt+enter", 0x800D}, {"Ctrl+Alt+5", 0xC035}, {"PgDn", 0x22},             {"", 0},
        {"Ctrl+", 0},          {"F25", 0},             {"NoSuchKey", 0},           {"Ctrl+Fx", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(mw::TextToShortCut(c.text), c.shortCut) << c.text;
}

}  // namespace
