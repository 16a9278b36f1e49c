// A form designed at 96 pixels per inch, read and shown on a screen of 144 (the test's Wine
// prefix says so): positions, sizes and fonts grow by half, and the controls scale what they
// keep in pixels by their own rules.

#include <gtest/gtest.h>

#include <windows.h>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "classlib/win/Screen.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwCheckGroup.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwRadioGroup.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"

namespace {

using cl::TRect;

const char* const kForm = R"(object Form: TForm
  PixelsPerInch = 96
  ClientWidth = 400
  ClientHeight = 300
  Font.Name = "Arial"
  Font.Height = -11
  object Title: TMwLabel
    Left = 8
    Top = 8
    Width = 100
    Height = 20
    AutoSize = False
    Caption = "Scaled"
    Font.Height = -13
  end
  object Go: TMwBitBtn
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Caption = "Go"
    Margin = 4
    Spacing = 6
  end
  object Centred: TMwBitBtn
    Left = 90
    Top = 40
    Width = 75
    Height = 25
    Caption = "Centred"
    Margin = -1
  end
  object Choice: TMwRadioGroup
    Left = 8
    Top = 80
    Width = 200
    Height = 90
    Caption = "Choice"
    Items = ("One"
             "Two")
    StartXPos = 30
    ItemFont.Name = "Arial"
    ItemFont.Height = -12
  end
  object Options: TMwCheckGroup
    Left = 8
    Top = 180
    Width = 200
    Height = 60
    Items = ("First")
  end
  object Bar: TMwGroupBar
    Left = 220
    Top = 8
    Width = 150
    Height = 250
    object Actions: TMwGroup
      Caption = "Actions"
      Opened = True
      OpenedHeight = 80
    end
  end
end
)";

class ScalingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
    }
    void SetUp() override {
        ASSERT_EQ(cl::Screen().PixelsPerInch(), 144) << "the test's prefix sets the screen to 144 pixels per inch";
        form = new cl::TForm(&app);
        cl::ReadFormResource(*form, kForm, "Form");
        form->Show();
    }
    template <class T>
    T* Find(const char* name) {
        return dynamic_cast<T*>(form->FindComponent(name));
    }
    // The height of the GDI font the control draws with.
    static LONG DrawnFontHeight(cl::TControl& control) {
        LOGFONTA log{};
        GetObjectA(control.Font()->Handle(), sizeof(log), &log);
        return log.lfHeight;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
};

TEST_F(ScalingTest, PositionsSizesAndFontsGrowByHalf) {
    EXPECT_EQ(form->PixelsPerInch(), 144);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 450);
    EXPECT_EQ(form->Font()->Height(), -17);

    auto* title = Find<TMwLabel>("Title");
    EXPECT_EQ(title->BoundsRect(), TRect::FromBounds(12, 12, 150, 30));
    EXPECT_EQ(DrawnFontHeight(*title), -20) << "its own font";
    EXPECT_EQ(DrawnFontHeight(*Find<TMwBitBtn>("Go")), -17) << "the form's font";
    EXPECT_EQ(Find<TMwBitBtn>("Go")->BoundsRect(), TRect::FromBounds(12, 60, 113, 38));
    // A font given in points in code is at the screen's pixels per inch already.
    cl::TFont points;
    points.SetSize(8);
    EXPECT_EQ(points.Height(), -16);
}

TEST_F(ScalingTest, ControlsScaleWhatTheyKeepInPixelsByTheirOwnRules) {
    // Bit buttons: the margin and the spacing; a centring margin stays centring.
    EXPECT_EQ(Find<TMwBitBtn>("Go")->Margin(), 6);
    EXPECT_EQ(Find<TMwBitBtn>("Go")->Spacing(), 9);
    EXPECT_EQ(Find<TMwBitBtn>("Centred")->Margin(), -1);
    EXPECT_EQ(Find<TMwBitBtn>("Centred")->Spacing(), 6);

    // Radio and check groups: the item height, the spacing, the first row's offset and an item
    // font of the group's own; the columns' start stays.
    auto* choice = Find<TMwRadioGroup>("Choice");
    EXPECT_EQ(choice->ItemHeight(), 26);
    EXPECT_EQ(choice->VerticalSpacing(), 5);
    EXPECT_EQ(choice->StartYPos(), 3);
    EXPECT_EQ(choice->StartXPos(), 30);
    EXPECT_EQ(choice->ItemFont()->Height(), -18);
    EXPECT_EQ(DrawnFontHeight(*choice->Item(0)), -18);
    EXPECT_EQ(choice->Item(0)->Left(), 30);
    EXPECT_EQ(choice->Item(0)->Height(), 26);
    EXPECT_EQ(choice->Item(1)->Top(), choice->Item(0)->Top() + 26 + 5);
    auto* options = Find<TMwCheckGroup>("Options");
    EXPECT_EQ(options->ItemHeight(), 26);
    EXPECT_EQ(DrawnFontHeight(*options->Item(0)), -17) << "an item font that follows the group's";

    // A group of the group bar: its opened height.
    auto* actions = Find<TMwGroup>("Actions");
    EXPECT_EQ(actions->OpenedHeight(), 120);
    EXPECT_EQ(actions->Height(), 120);
}

}  // namespace
