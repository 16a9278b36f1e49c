#include <gtest/gtest.h>

#include <string>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Panel.h"
#include "classlib/win/RegisterClasses.h"
#include "classlib/win/Screen.h"

namespace {

// Designed at two thirds of the test screen's pixels per inch: everything grows by half.
std::string ScaledFormText(int designed, const std::string& extra = "") {
    return "object Form: TForm\n"
           "  PixelsPerInch = " + std::to_string(designed) + "\n" + extra +
           "  ClientWidth = 150\n"
           "  ClientHeight = 100\n"
           "  Font.Name = \"Arial\"\n"
           "  Font.Height = -8\n"
           "  object LeftPanel: TPanel\n"
           "    Left = 11\n    Top = 5\n    Width = 41\n    Height = 21\n"
           "  end\n"
           "  object RightPanel: TPanel\n"
           "    Left = 52\n    Top = 5\n    Width = 40\n    Height = 21\n"
           "  end\n"
           "  object OwnFont: TPanel\n"
           "    Left = 0\n    Top = 30\n    Width = 50\n    Height = 20\n"
           "    Font.Height = -10\n"
           "    object Inner: TPanel\n"
           "      Left = 2\n      Top = 2\n      Width = 10\n      Height = 6\n"
           "    end\n"
           "  end\n"
           "  object Bottom: TPanel\n"
           "    Align = alBottom\n    Height = 10\n"
           "  end\n"
           "end\n";
}

class FormScalingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cl::RegisterClassLibrary(); }
    void Read(const std::string& text) {
        form = new cl::TForm(&app);
        cl::ReadFormResource(*form, text, "Form");
    }
    cl::TControl* Control(const char* name) { return dynamic_cast<cl::TControl*>(form->FindComponent(name)); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    const int screen = cl::Screen().PixelsPerInch();
};

TEST_F(FormScalingTest, AFormDesignedAtOtherPixelsPerInchScalesItsSizesAndTheFontsItWasGiven) {
    Read(ScaledFormText(screen * 2 / 3));
    EXPECT_EQ(form->PixelsPerInch(), screen);
    EXPECT_EQ(form->ClientWidth(), 225);
    EXPECT_EQ(form->ClientHeight(), 150);
    EXPECT_EQ(form->Font()->Height(), -12);
    // Edges scale, so the two panels that touched still touch.
    EXPECT_EQ(Control("LeftPanel")->BoundsRect(), cl::TRect::FromBounds(17, 8, 61, 31));
    EXPECT_EQ(Control("RightPanel")->BoundsRect(), cl::TRect::FromBounds(78, 8, 60, 31));
    EXPECT_EQ(Control("OwnFont")->Font()->Height(), -15);
    EXPECT_EQ(Control("Inner")->Font()->Height(), -15);  // its parent's
    EXPECT_EQ(Control("Inner")->BoundsRect(), cl::TRect::FromBounds(3, 3, 15, 9));
    // Aligned controls are placed after scaling, in the scaled client area.
    EXPECT_EQ(Control("Bottom")->BoundsRect(), cl::TRect::FromBounds(0, 135, 225, 15));
}

TEST_F(FormScalingTest, NothingScalesWithoutScaledOrAtTheScreensOwnPixelsPerInch) {
    for (const std::string& text : {ScaledFormText(screen * 2 / 3, "  Scaled = False\n"), ScaledFormText(screen)}) {
        Read(text);
        EXPECT_EQ(form->ClientWidth(), 150);
        EXPECT_EQ(form->Font()->Height(), -8);
        EXPECT_EQ(Control("LeftPanel")->BoundsRect(), cl::TRect::FromBounds(11, 5, 41, 21));
        EXPECT_EQ(Control("OwnFont")->Font()->Height(), -10);
    }
}

}  // namespace
