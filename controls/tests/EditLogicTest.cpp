// The one reader of the retired frame properties that every framed class shares, the
// shortcut texts of older button edits, edit masks, and the typed text of the editable combo box.

#include <gtest/gtest.h>

#include "classlib/core/Exception.h"
#include "controls/basic/ComboSearchText.h"
#include "controls/basic/EditMask.h"
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
        {"f24", 0x87},         {"BkSp", 0x08},         {"Ctrl+Space", 0x4020},     {"Shift+Ctrl+Alt+7", 0xE037},
        {"Alt+Shift+Del", 0xA02E}, {"F0", 0},          {"Delete", 0},              {"Ctrl+XY", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(mw::TextToShortCut(c.text), c.shortCut) << c.text;
}

TEST(EditMaskTest, SlotsTakeTheirKindOfCharacterWithTheMasksCase) {
    const mw::TEditMask mask(">L<l\\L-09#;0;*");
    EXPECT_EQ(mask.BlankText(), "**L-***");
    const struct {
        size_t pos;
        char typed, stored;
    } cases[] = {
        {0, 'a', 'A'}, {1, 'B', 'b'}, {1, '1', 0}, {2, 'L', 0}, {3, '-', 0},
        {4, '7', '7'}, {4, 'x', 0},   {5, '5', '5'}, {6, '-', '-'}, {6, 'x', 0}, {7, '1', 0},
    };
    for (const auto& c : cases) EXPECT_EQ(mask.Accept(c.pos, c.typed), c.stored) << c.pos << " " << c.typed;
    EXPECT_EQ(mask.NextInputSlot(2), 4u) << "literals are skipped";
}

TEST(EditMaskTest, CompletenessAndValueFollowRequiredSlotsAndSavedLiterals) {
    const struct {
        const char* mask;
        const char* display;
        bool complete;
        const char* value;
    } cases[] = {
        {"00/00;1;_", "12/34", true, "12/34"},  {"00/00;0;_", "12/34", true, "1234"},
        {"00/99;1;_", "12/__", true, "12/"},    {"00/00;1;_", "1_/34", false, "1/34"},
        {"LL;1; ", "a ", false, "a"},
    };
    for (const auto& c : cases) {
        const mw::TEditMask mask(c.mask);
        EXPECT_EQ(mask.Complete(c.display), c.complete) << c.mask << " " << c.display;
        EXPECT_EQ(mask.Value(c.display), c.value) << c.mask << " " << c.display;
    }
    EXPECT_TRUE(mw::TEditMask("").Empty());
}

// '\x81' begins a double-byte character, as in the Japanese code page.
bool TestLeadByte(char byte) { return byte == '\x81'; }

TEST(ComboSearchTextTest, TypingReplacesTheSelectedPartAndInsertsAtTheCaret) {
    const struct {
        const char* search;
        size_t start, end;
        const char* result;
    } cases[] = {
        {"ar", 2, 5, "arr"},    // over the completed rest of an item
        {"Kiwi", 2, 2, "Kirwi"},  // in the middle: what follows stays
        {"Kiwi", 1, 3, "Kri"},
        {"Banana", 0, 6, "r"},
        {"ar", 4, 4, "arr"},    // a caret beyond the typed text types at its end
        {"", 0, 0, "r"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mw::TypeIntoSearch(c.search, c.start, c.end, "r"), c.result) << c.search << " " << c.start << "-" << c.end;
}

TEST(ComboSearchTextTest, BackspaceAndDeleteShortenTheTypedText) {
    const struct {
        const char* search;
        size_t start, end;
        const char* backspace;
        const char* del;
    } cases[] = {
        {"ar", 2, 5, "a", "ar"},       // the completed rest selected: Backspace takes the last typed letter
        {"ar", 2, 2, "a", "ar"},
        {"Kiwi", 2, 2, "Kwi", "Kii"},
        {"Kiwi", 1, 3, "Ki", "Ki"},
        {"Kiwi", 0, 0, "Kiwi", "iwi"},
        {"Kiwi", 0, 4, "", ""},
        {"a\x81\x40", 3, 3, "a", "a\x81\x40"},   // both bytes of a double-byte character
        {"a\x81\x40" "b", 1, 1, "\x81\x40" "b", "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mw::BackspaceInSearch(c.search, c.start, c.end, TestLeadByte), c.backspace) << c.search << " " << c.start;
        EXPECT_EQ(mw::DeleteInSearch(c.search, c.start, c.end, TestLeadByte), c.del) << c.search << " " << c.start;
    }
    EXPECT_EQ(mw::WithoutLastCharacter("ab\x81\x40", TestLeadByte), "ab");
    EXPECT_EQ(mw::WithoutLastCharacter("\x81", TestLeadByte), "");
    EXPECT_EQ(mw::WithoutLastCharacter("", TestLeadByte), "");
}

}  // namespace
