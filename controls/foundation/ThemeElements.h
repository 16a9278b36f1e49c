#pragma once
// The visual-style elements the library draws: the theme classes, one enumeration per element
// family whose members follow the visual-styles schema's parts and states, and the mapping of a
// member to the (element, part, state) that the theme functions take.
//
// Each family enumeration starts with a don't-care member and a root member, followed, part by
// part in the schema's order, by one member per state of that part.

#include <cstdint>

namespace mw {

enum class TThemedElement {
    Button, Clock, ComboBox, Edit, ExplorerBar, Header, ListView, Menu, Page, Progress, Rebar, ScrollBar, Spin,
    StartPanel, Status, Tab, TaskBand, TaskBar, ToolBar, ToolTip, TrackBar, TrayNotify, TreeView, Window
};
constexpr int kThemedElementCount = 24;

// The theme class name that opens the element's theme data ("button", "clock", ...).
const char* ThemeClassName(TThemedElement element);

struct TThemedElementDetails {
    TThemedElement element = TThemedElement::Button;
    int32_t part = 0;
    int32_t state = 0;
    bool operator==(const TThemedElementDetails& o) const {
        return element == o.element && part == o.part && state == o.state;
    }
};

enum class TThemedButton {
    DontCare, Root, PushButtonNormal, PushButtonHot, PushButtonPressed, PushButtonDisabled, PushButtonDefaulted,
    RadioButtonUncheckedNormal, RadioButtonUncheckedHot, RadioButtonUncheckedPressed, RadioButtonUncheckedDisabled,
    RadioButtonCheckedNormal, RadioButtonCheckedHot, RadioButtonCheckedPressed, RadioButtonCheckedDisabled,
    CheckBoxUncheckedNormal, CheckBoxUncheckedHot, CheckBoxUncheckedPressed, CheckBoxUncheckedDisabled,
    CheckBoxCheckedNormal, CheckBoxCheckedHot, CheckBoxCheckedPressed, CheckBoxCheckedDisabled,
    CheckBoxMixedNormal, CheckBoxMixedHot, CheckBoxMixedPressed, CheckBoxMixedDisabled, GroupBoxNormal,
    GroupBoxDisabled, UserButton
};
enum class TThemedComboBox {
    DontCare, Root, DropDownButtonNormal, DropDownButtonHot, DropDownButtonPressed, DropDownButtonDisabled
};
enum class TThemedExplorerBar {
    DontCare, Root, HeaderBackgroundNormal, HeaderBackgroundHot, HeaderBackgroundPressed, HeaderCloseNormal,
    HeaderCloseHot, HeaderClosePressed, HeaderPinNormal, HeaderPinHot, HeaderPinPressed, HeaderPinSelectedNormal,
    HeaderPinSelectedHot, HeaderPinSelectedPressed, IEBarMenuNormal, IEBarMenuHot, IEBarMenuPressed,
    NormalGroupBackground, NormalGroupCollapseNormal, NormalGroupCollapseHot, NormalGroupCollapsePressed,
    NormalGroupExpandNormal, NormalGroupExpandHot, NormalGroupExpandPressed, NormalGroupHead,
    SpecialGroupBackground, SpecialGroupCollapseNormal, SpecialGroupCollapseHot, SpecialGroupCollapsePressed,
    SpecialGroupExpandNormal, SpecialGroupExpandHot, SpecialGroupExpandPressed, SpecialGroupHead
};
enum class TThemedProgress {
    DontCare, Root, Bar, BarVert, Chunk, ChunkVert
};
enum class TThemedRebar {
    DontCare, Root, Gripper, GripperVert, BandNormal, BandHot, BandPressed, BandDisabled, BandChecked,
    BandHotChecked, ChevronNormal, ChevronHot, ChevronPressed, ChevronDisabled, ChevronVertNormal, ChevronVertHot,
    ChevronVertPressed, ChevronVertDisabled
};
enum class TThemedScrollBar {
    DontCare, Root, ArrowBtnUpNormal, ArrowBtnUpHot, ArrowBtnUpPressed, ArrowBtnUpDisabled, ArrowBtnDownNormal,
    ArrowBtnDownHot, ArrowBtnDownPressed, ArrowBtnDownDisabled, ArrowBtnLeftNormal, ArrowBtnLeftHot,
    ArrowBtnLeftPressed, ArrowBtnLeftDisabled, ArrowBtnRightNormal, ArrowBtnRightHot, ArrowBtnRightPressed,
    ArrowBtnRightDisabled, ThumbBtnHorzNormal, ThumbBtnHorzHot, ThumbBtnHorzPressed, ThumbBtnHorzDisabled,
    ThumbBtnVertNormal, ThumbBtnVertHot, ThumbBtnVertPressed, ThumbBtnVertDisabled, LowerTrackHorzNormal,
    LowerTrackHorzHot, LowerTrackHorzPressed, LowerTrackHorzDisabled, UpperTrackHorzNormal, UpperTrackHorzHot,
    UpperTrackHorzPressed, UpperTrackHorzDisabled, LowerTrackVertNormal, LowerTrackVertHot, LowerTrackVertPressed,
    LowerTrackVertDisabled, UpperTrackVertNormal, UpperTrackVertHot, UpperTrackVertPressed, UpperTrackVertDisabled,
    GripperHorzNormal, GripperHorzHot, GripperHorzPressed, GripperHorzDisabled, GripperVertNormal, GripperVertHot,
    GripperVertPressed, GripperVertDisabled, SizeBoxRightAlign, SizeBoxLeftAlign
};
enum class TThemedSpin {
    DontCare, Root, UpNormal, UpHot, UpPressed, UpDisabled, DownNormal, DownHot, DownPressed, DownDisabled,
    UpHorzNormal, UpHorzHot, UpHorzPressed, UpHorzDisabled, DownHorzNormal, DownHorzHot, DownHorzPressed,
    DownHorzDisabled
};
enum class TThemedStatus {
    DontCare, Root, Pane, GripperPane, Gripper
};
enum class TThemedToolBar {
    DontCare, Root, ButtonNormal, ButtonHot, ButtonPressed, ButtonDisabled, ButtonChecked, ButtonHotChecked,
    DropDownButtonNormal, DropDownButtonHot, DropDownButtonPressed, DropDownButtonDisabled, DropDownButtonChecked,
    DropDownButtonHotChecked, SplitButtonNormal, SplitButtonHot, SplitButtonPressed, SplitButtonDisabled,
    SplitButtonChecked, SplitButtonHotChecked, SplitButtonDropDownNormal, SplitButtonDropDownHot,
    SplitButtonDropDownPressed, SplitButtonDropDownDisabled, SplitButtonDropDownChecked,
    SplitButtonDropDownHotChecked, SeparatorNormal, SeparatorHot, SeparatorPressed, SeparatorDisabled,
    SeparatorChecked, SeparatorHotChecked, SeparatorVertNormal, SeparatorVertHot, SeparatorVertPressed,
    SeparatorVertDisabled, SeparatorVertChecked, SeparatorVertHotChecked
};
enum class TThemedWindow {
    DontCare, Root, CaptionActive, CaptionInactive, CaptionDisabled, SmallCaptionActive, SmallCaptionInactive,
    SmallCaptionDisabled, MinCaptionActive, MinCaptionInactive, MinCaptionDisabled, SmallMinCaptionActive,
    SmallMinCaptionInactive, SmallMinCaptionDisabled, MaxCaptionActive, MaxCaptionInactive, MaxCaptionDisabled,
    SmallMaxCaptionActive, SmallMaxCaptionInactive, SmallMaxCaptionDisabled, FrameLeftActive, FrameLeftInactive,
    FrameRightActive, FrameRightInactive, FrameBottomActive, FrameBottomInactive, SmallFrameLeftActive,
    SmallFrameLeftInactive, SmallFrameRightActive, SmallFrameRightInactive, SmallFrameBottomActive,
    SmallFrameBottomInactive, SysButtonNormal, SysButtonHot, SysButtonPressed, SysButtonDisabled,
    MdiSysButtonNormal, MdiSysButtonHot, MdiSysButtonPressed, MdiSysButtonDisabled, MinButtonNormal, MinButtonHot,
    MinButtonPressed, MinButtonDisabled, MdiMinButtonNormal, MdiMinButtonHot, MdiMinButtonPressed,
    MdiMinButtonDisabled, MaxButtonNormal, MaxButtonHot, MaxButtonPressed, MaxButtonDisabled, CloseButtonNormal,
    CloseButtonHot, CloseButtonPressed, CloseButtonDisabled, SmallCloseButtonNormal, SmallCloseButtonHot,
    SmallCloseButtonPressed, SmallCloseButtonDisabled, MdiCloseButtonNormal, MdiCloseButtonHot,
    MdiCloseButtonPressed, MdiCloseButtonDisabled, RestoreButtonNormal, RestoreButtonHot, RestoreButtonPressed,
    RestoreButtonDisabled, MdiRestoreButtonNormal, MdiRestoreButtonHot, MdiRestoreButtonPressed,
    MdiRestoreButtonDisabled, HelpButtonNormal, HelpButtonHot, HelpButtonPressed, HelpButtonDisabled,
    MdiHelpButtonNormal, MdiHelpButtonHot, MdiHelpButtonPressed, MdiHelpButtonDisabled, HorzScrollNormal,
    HorzScrollHot, HorzScrollPressed, HorzScrollDisabled, HorzThumbNormal, HorzThumbHot, HorzThumbPressed,
    HorzThumbDisabled, VertScrollNormal, VertScrollHot, VertScrollPressed, VertScrollDisabled, VertThumbNormal,
    VertThumbHot, VertThumbPressed, VertThumbDisabled, Dialog, CaptionSizingTemplate, SmallCaptionSizingTemplate,
    FrameLeftSizingTemplate, SmallFrameLeftSizingTemplate, FrameRightSizingTemplate, SmallFrameRightSizingTemplate,
    FrameBottomSizingTemplate, SmallFrameBottomSizingTemplate
};

TThemedElementDetails ThemeElementDetails(TThemedButton member);
TThemedElementDetails ThemeElementDetails(TThemedComboBox member);
TThemedElementDetails ThemeElementDetails(TThemedExplorerBar member);
TThemedElementDetails ThemeElementDetails(TThemedProgress member);
TThemedElementDetails ThemeElementDetails(TThemedRebar member);
TThemedElementDetails ThemeElementDetails(TThemedScrollBar member);
TThemedElementDetails ThemeElementDetails(TThemedSpin member);
TThemedElementDetails ThemeElementDetails(TThemedStatus member);
TThemedElementDetails ThemeElementDetails(TThemedToolBar member);
TThemedElementDetails ThemeElementDetails(TThemedWindow member);

}  // namespace mw
