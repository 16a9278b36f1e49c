#include <gtest/gtest.h>

#include "classlib/core/Exception.h"
#include "classlib/core/FormParser.h"
#include "classlib/core/FormReader.h"
#include "classlib/tests/TestClasses.h"

using namespace cltest;

namespace {

class FormReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        g_log.clear();
    }
    TTestForm form;
};

TWidget* Widget(TTestForm& form, const char* name) { return dynamic_cast<TWidget*>(form.FindComponent(name)); }

TEST_F(FormReaderTest, ReadsEveryKindOfValue) {
    cl::ReadFormResource(form, R"(
object Main: TTestForm
  object W1: TWidget
    Count = -12
    Active = True
    Caption = "Col. \"Q\" \\ one\r\ntwo\x41" + " joined"
    Shade = shDark
    Options = [opFirst, opThird]
    Color = clNavy
    Data = {00 ff 10
            Ab}
    Lines = ("alpha" "beta")
    Font.Height = -11
    Font.Name = "Tahoma"
    Columns = <
      item
        Caption = "Name"
        Width = 160
      end
      item
        Caption = "Size"
      end>
    OnClick = WidgetClick
    OnMeasure = WidgetMeasure
  end
  object W2: TWidget
    Color = 0x00E1FFFE
    Flat = True
  end
end)",
                         "TTestForm");
    TWidget* w = Widget(form, "W1");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(form.Name(), "Main");
    EXPECT_EQ(w->Count(), -12);
    EXPECT_TRUE(w->Active());
    EXPECT_EQ(w->Caption(), "Col. \"Q\" \\ one\r\ntwoA joined");
    EXPECT_EQ(w->Shade(), TShade::Dark);
    EXPECT_EQ(w->Options(), 0b101u);
    EXPECT_EQ(w->Color(), 0x800000);
    EXPECT_EQ(w->Data(), (std::vector<uint8_t>{0x00, 0xFF, 0x10, 0xAB}));
    EXPECT_EQ(w->Lines()->ToVector(), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(w->Font()->Height(), -11);
    EXPECT_EQ(w->Font()->FaceName(), "Tahoma");
    ASSERT_EQ(w->Columns()->Count(), 2);
    EXPECT_EQ(w->Columns()->Item<TColumnLike>(0)->Caption(), "Name");
    EXPECT_EQ(w->Columns()->Item<TColumnLike>(0)->Width(), 160);
    EXPECT_EQ(w->Columns()->Item<TColumnLike>(1)->Width(), 50);

    w->OnClick(w);
    EXPECT_EQ(form.clicks, std::vector<std::string>{"W1"});
    int height = 0;
    w->OnMeasure(w, height);
    EXPECT_EQ(height, 42);

    EXPECT_EQ(form.W1, w);  // the form's field of that name
    delete w;
    EXPECT_EQ(form.W1, nullptr);  // and cleared when the component dies

    EXPECT_EQ(Widget(form, "W2")->Color(), 0xE1FFFE);
    EXPECT_EQ(Widget(form, "W2")->RetiredFlat(), 1);  // read through the class's own hook
}

TEST_F(FormReaderTest, ParentBeforePropertiesReferencesAfterTreeLoadedInCreationOrder) {
    cl::ReadFormResource(form, R"(
object Main: TTestForm
  object Outer: TWidget
    Buddy = Later
    Count = 1
    object Inner: TWidget
      Caption = "x"
    end
  end
  object Later: TWidget
  end
end)",
                         "TTestForm");
    EXPECT_EQ(g_log, (std::vector<std::string>{
                         "Parent:Outer<-Main",
                         "Set:Outer.Count parent=Main",
                         "Parent:Inner<-Outer",
                         "Set:Inner.Caption parent=Outer",
                         "Parent:Later<-Main",
                         "Loaded:Main",
                         "Loaded:Outer buddy=Later",  // the forward reference was resolved before Loaded
                         "Loaded:Inner",
                         "Loaded:Later",
                     }));
    // Every component is owned by the form, whatever its parent.
    EXPECT_EQ(form.ComponentCount(), 3);
    EXPECT_EQ(Widget(form, "Inner")->Owner(), &form);
    EXPECT_FALSE(Widget(form, "Inner")->IsLoading());
}

struct BadForm {
    const char* text;
    const char* expected;  // substring of the error message
};

class FormReaderErrors : public ::testing::TestWithParam<BadForm> {
protected:
    void SetUp() override { RegisterTestClasses(); }
};

TEST_P(FormReaderErrors, NamesFormLineComponentAndProperty) {
    TTestForm form;
    try {
        cl::ReadFormResource(form, GetParam().text, "TTestForm");
        FAIL() << "no error for: " << GetParam().text;
    } catch (const cl::EFormReadError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().expected), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormReaderErrors,
    ::testing::Values(
        BadForm{"object M: TTestForm\n object W: TWidget\n  Colour = 5\n end\nend",
                "Error reading form TTestForm, line 3, component W, property Colour: unknown property"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Font.Size = 5\n end\nend",
                "line 3, component W, property Font.Size: unknown property"},
        BadForm{"object M: TTestForm\n\n object W: TNoSuchClass\n end\nend", "line 3, component W: class TNoSuchClass not found"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Count = \"ten\"\n end\nend",
                "line 3, component W, property Count: Invalid value for property Count: expected an integer, got a string"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Shade = shPurple\n end\nend", "property Shade: Invalid value for property Shade: unknown name shPurple"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Options = [opFirst, opNone]\n end\nend", "unknown set member opNone"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Color = clPuce\n end\nend", "unknown colour clPuce"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Buddy = Nobody\n end\nend", "line 3, component W, property Buddy: component Nobody not found"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Buddy = M\n end\nend", "property Buddy: Invalid property value"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  OnClick = NoHandler\n end\nend", "property OnClick: handler NoHandler not found"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  OnClick = WidgetMeasure\n end\nend", "handler WidgetMeasure has the wrong parameters"},
        BadForm{"object M: TTestForm\n object W: TWidget\n end\n object W: TWidget\n end\nend", "line 4, component W: A component named W already exists"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Columns = 3\n end\nend", "a collection (<item ... end>) expected"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Columns = <\n item\n Depth = 1\n end>\n end\nend", "line 5, component W, property Depth: unknown property"},
        BadForm{"object M: TOtherForm\nend", "describes class TOtherForm, not TTestForm"},
        BadForm{"object M: TTestForm\n object W1: TTestForm\n end\nend", "field W1 of TTestForm is a TWidget, not a TTestForm"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Caption = \"open\n end\nend", "line 3: unterminated string"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Data = {0A1}\n end\nend", "line 3: binary data has an odd number"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Caption = \"\\q\"\n end\nend", "unknown escape"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Count = 99999999999999999999\n end\nend", "integer too large"},
        BadForm{"object M: TTestForm\n object W: TWidget\n  Count 5\n end\nend", "line 3: \"=\" expected"},
        BadForm{"object M: TTestForm\n object W: TWidget\n", "line 2: \"end\" of object W missing"},
        BadForm{"object M: TTestForm\nend\nend", "text after the final"}));

TEST(FormParser, RefusesDeepNestingWithoutCrashing) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "object A" + std::to_string(i) + ": TWidget\n";
    EXPECT_THROW(cl::ParseFormText(text, "Deep"), cl::EFormReadError);
}

TEST(FormParser, IgnoresCommentsAndKeepsLineNumbers) {
    const cl::TFormObject tree = cl::ParseFormText("// header\nobject M: TTestForm // root\n  // note\n  Tag = 3\nend\n", "F");
    ASSERT_EQ(tree.properties.size(), 1u);
    EXPECT_EQ(tree.properties[0].line, 4);
    EXPECT_EQ(tree.line, 2);
}

}  // namespace
