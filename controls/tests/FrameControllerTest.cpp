// The frame controller pushing its settings to registered controls: by name to any control,
// through IMwFrameNotify to panels; suspension, copying, old form resources and links.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwFrameController.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/foundation/ColorShades.h"

namespace {

using namespace mw;

// A framed control that knows nothing of controllers: it publishes some of the pushed
// properties and records each one set.
class TFramedProbe : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    using cl::TCustomControl::TCustomControl;

    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle v) {
        Record("FrameStyle");
        frameStyle_ = v;
    }
    cl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(cl::TColor v) {
        Record("FrameColor");
        frameColor_ = v;
    }
    TSides FrameSides() const { return frameSides_; }
    void SetFrameSides(TSides v) {
        Record("FrameSides");
        frameSides_ = v;
    }
    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool v) {
        Record("FrameVisible");
        frameVisible_ = v;
    }
    cl::TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(cl::TColor v) {
        Record("FocusColor");
        focusColor_ = v;
    }
    // Published with another kind than the controller's: left alone.
    int FlatButtons() const { return 0; }
    void SetFlatButtons(int) { Record("FlatButtons"); }

    std::vector<std::string> set;

private:
    void Record(const char* name) { set.push_back(name); }

    TFrameStyle frameStyle_ = TFrameStyle::None;
    cl::TColor frameColor_ = cl::clBlack;
    TSides frameSides_ = 0;
    bool frameVisible_ = false;
    cl::TColor focusColor_ = cl::clBlack;
};

// The same with hot tracking as well.
class THotProbe : public TFramedProbe {
    CL_CLASS_INFO()
public:
    using TFramedProbe::TFramedProbe;
    bool FrameHotTrack() const { return hot_; }
    void SetFrameHotTrack(bool v) {
        set.push_back("FrameHotTrack");
        hot_ = v;
    }

private:
    bool hot_ = false;
};

}  // namespace

const cl::TClassInfo& TFramedProbe::StaticClass() {
    using P = TFramedProbe;
    static const auto info = cl::TClassBuilder<P>("TFramedProbe", cl::TCustomControl::StaticClass())
                                 .Enum<TFrameStyle>("FrameStyle", &P::FrameStyle, &P::SetFrameStyle, kFrameStyleNames)
                                 .Color("FrameColor", &P::FrameColor, &P::SetFrameColor)
                                 .Set("FrameSides", &P::FrameSides, &P::SetFrameSides, kSideNames)
                                 .Bool("FrameVisible", &P::FrameVisible, &P::SetFrameVisible)
                                 .Color("FocusColor", &P::FocusColor, &P::SetFocusColor)
                                 .Int("FlatButtons", &P::FlatButtons, &P::SetFlatButtons)
                                 .Build();
    return *info;
}

const cl::TClassInfo& THotProbe::StaticClass() {
    static const auto info = cl::TClassBuilder<THotProbe>("THotProbe", TFramedProbe::StaticClass())
                                 .Bool("FrameHotTrack", &THotProbe::FrameHotTrack, &THotProbe::SetFrameHotTrack)
                                 .Build();
    return *info;
}

namespace {

class FrameControllerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
    }
    void SetUp() override {
        form = new cl::TForm(&app);
        controller = new TMwFrameController(form);
        probe = new TFramedProbe(form);
        hot = new THotProbe(form);
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwFrameController* controller = nullptr;
    TFramedProbe* probe = nullptr;
    THotProbe* hot = nullptr;
};

TEST_F(FrameControllerTest, RegisteringPushesEveryPublishedSettingOnceInOrder) {
    controller->RegisterControl(probe);
    controller->RegisterControl(probe);
    EXPECT_EQ(controller->ControlCount(), 1);
    // ParentColor and Color come from the control base; the probe has no hot-track settings.
    EXPECT_EQ(probe->set, std::vector<std::string>({"FocusColor", "FrameColor", "FrameSides", "FrameStyle", "FrameVisible"}));
    EXPECT_EQ(probe->Color(), cl::clWindow);
    EXPECT_EQ(probe->FrameStyle(), TFrameStyle::Flat);
    EXPECT_EQ(probe->FrameSides(), sdAll);

    controller->RegisterControl(hot);
    EXPECT_EQ(hot->set, std::vector<std::string>({"FocusColor", "FrameColor", "FrameHotTrack", "FrameSides", "FrameStyle", "FrameVisible"}));

    // A change pushes only its own property, to every control.
    probe->set.clear();
    hot->set.clear();
    controller->SetFrameColor(cl::clRed);
    controller->SetFrameColor(cl::clRed);
    EXPECT_EQ(probe->set, std::vector<std::string>{"FrameColor"});
    EXPECT_EQ(hot->FrameColor(), cl::clRed);

    controller->UnregisterControl(probe);
    controller->SetFrameStyle(TFrameStyle::Bump);
    EXPECT_EQ(probe->FrameStyle(), TFrameStyle::Flat);
    EXPECT_EQ(hot->FrameStyle(), TFrameStyle::Bump);
}

TEST_F(FrameControllerTest, SuspendedSettersPushNothingUntilTheLastResume) {
    controller->RegisterControl(probe);
    probe->set.clear();
    controller->SuspendPush();
    controller->SuspendPush();
    controller->SetFrameStyle(TFrameStyle::Groove);
    controller->SetFrameColor(cl::clRed);
    controller->ResumePush();
    EXPECT_TRUE(probe->set.empty());
    controller->ResumePush();
    EXPECT_EQ(probe->set, std::vector<std::string>({"FocusColor", "FrameColor", "FrameSides", "FrameStyle", "FrameVisible"}));
    EXPECT_EQ(probe->FrameStyle(), TFrameStyle::Groove);

    // An extra resume does not leave the controller suspended.
    controller->ResumePush();
    probe->set.clear();
    controller->SetFrameVisible(true);
    EXPECT_EQ(probe->set, std::vector<std::string>{"FrameVisible"});
}

TEST_F(FrameControllerTest, ColourRulesFocusColourFollowsAndParentColourWins) {
    controller->RegisterControl(probe);
    controller->SetColor(cl::clYellow);  // the focus colour was the old colour: it follows
    EXPECT_EQ(controller->FocusColor(), cl::clYellow);
    EXPECT_EQ(probe->Color(), cl::clYellow);
    controller->SetFocusColor(cl::clAqua);
    controller->SetColor(cl::clLime);
    EXPECT_EQ(controller->FocusColor(), cl::clAqua);

    controller->SetParentColor(true);
    EXPECT_TRUE(probe->ParentColor());
    probe->SetColor(cl::clRed);  // the control's own colour, which a full push now leaves alone
    probe->SetParentColor(false);
    controller->SuspendPush();
    controller->ResumePush();
    EXPECT_TRUE(probe->ParentColor());
    EXPECT_EQ(probe->Color(), cl::clRed);

    controller->SetColor(cl::clLime);  // unchanged: ParentColor stays
    EXPECT_TRUE(controller->ParentColor());
    controller->SetParentColor(false);  // pushes the colour again
    EXPECT_FALSE(probe->ParentColor());
    EXPECT_EQ(probe->Color(), cl::clLime);
}

TEST_F(FrameControllerTest, HotTrackingMakesTheFrameVisibleOnAllSides) {
    controller->SetFrameSides(sdTop);
    controller->SetFrameHotTrack(true);
    EXPECT_TRUE(controller->FrameVisible());
    EXPECT_EQ(controller->FrameSides(), sdAll);

    TMwFrameController copy(nullptr);
    copy.RegisterControl(hot);
    hot->set.clear();
    copy.Assign(*controller);
    EXPECT_TRUE(copy.FrameHotTrack());
    EXPECT_EQ(copy.FrameSides(), sdAll);
    EXPECT_EQ(copy.FrameStyle(), controller->FrameStyle());
    EXPECT_EQ(hot->set, std::vector<std::string>({"FocusColor", "FrameColor", "FrameHotTrack", "FrameSides", "FrameStyle", "FrameVisible"}))
        << "one push for the whole copy";
}

TEST_F(FrameControllerTest, PanelTakesTheFrameOnlyWhileItIsVisible) {
    auto* panel = new TMwPanel(form);
    controller->SetFrameStyle(TFrameStyle::Lowered);
    controller->SetFrameColor(cl::clRed);
    controller->SetColor(0x00406080);
    panel->SetFrameController(controller);
    EXPECT_EQ(panel->BorderOuter(), TFrameStyle::Raised) << "the frame is not visible yet";

    controller->SetFrameSides(sdLeft | sdTop);
    controller->SetFrameVisible(true);
    EXPECT_EQ(panel->BorderOuter(), TFrameStyle::Lowered);
    EXPECT_EQ(panel->BorderSides(), sdLeft | sdTop);
    EXPECT_EQ(panel->FlatColor(), cl::clRed);
    EXPECT_EQ(panel->FlatColorAdjustment(), 0);
    EXPECT_EQ(panel->Color(), 0x00406080);
    EXPECT_EQ(panel->BorderHighlight(), LightenColor(0x00406080, 100));
    EXPECT_EQ(panel->BorderShadow(), DarkenColor(0x00406080, 50));

    // Either side may go first: the other forgets it.
    cl::Free(panel);
    EXPECT_EQ(controller->ControlCount(), 0);
    auto* other = new TMwPanel(form);
    other->SetFrameController(controller);
    cl::Free(controller);
    EXPECT_EQ(other->FrameController(), nullptr);
}

TEST_F(FrameControllerTest, FreedSettingsStoreLeavesNoLink) {
    auto* store = new TMwRegIniFile(form);
    controller->SetRegIniFile(store);
    EXPECT_EQ(controller->RegIniFile(), store);
    cl::Free(store);
    EXPECT_EQ(controller->RegIniFile(), nullptr);
}

TEST_F(FrameControllerTest, FormResourcesLinkPanelsAndReadTheRetiredProperties) {
    cl::TForm root(nullptr);
    cl::ReadFormResource(root, R"(
object F: TForm
  object P: TMwPanel
    FrameController = FC
  end
  object FC: TMwFrameController
    FrameFlat = True
    FrameFocusStyle = fsBump
    FrameFlatStyle = fsFlat
    FrameSides = [sdBottom]
    FrameColor = clRed
  end
end
)",
                         "F");
    auto* fc = dynamic_cast<TMwFrameController*>(root.FindComponent("FC"));
    auto* panel = dynamic_cast<TMwPanel*>(root.FindComponent("P"));
    ASSERT_NE(fc, nullptr);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(fc->FrameHotTrack());
    EXPECT_TRUE(fc->FrameVisible());
    EXPECT_EQ(fc->FrameStyle(), TFrameStyle::Status);
    EXPECT_EQ(fc->FrameHotStyle(), TFrameStyle::Bump);
    EXPECT_EQ(fc->FrameSides(), sdBottom) << "loading does not reset the sides";
    // The push after loading gives the panel the whole frame.
    EXPECT_EQ(panel->FrameController(), fc);
    EXPECT_EQ(panel->BorderOuter(), TFrameStyle::Status);
    EXPECT_EQ(panel->BorderSides(), sdBottom);
    EXPECT_EQ(panel->FlatColor(), cl::clRed);

    cl::TForm bad(nullptr);
    EXPECT_THROW(cl::ReadFormResource(bad, "object F: TForm\n  object FC: TMwFrameController\n    FrameFocusStyle = fsNoSuch\n  end\nend\n", "F"),
                 cl::EFormReadError);
}

}  // namespace
