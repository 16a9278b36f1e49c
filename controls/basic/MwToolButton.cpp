#include "controls/basic/MwToolButton.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Menus.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/ParentBackground.h"
#include "controls/foundation/WorkArea.h"
#include "controls/basic/MwToolbar.h"

using namespace mw;

namespace {

const cl::TEnumNames kToolStyleNames{{{"tsButton", 0}, {"tsDropDown", 1}}};
constexpr int kArrowWidth = kToolButtonArrowWidth;
// A press on the arrow this soon after the menu closed is the click that closed it.
constexpr DWORD kMenuReopenGuardMs = 100;

// A checkerboard of two colours over r: the look of a latched button.
void FillCheckerboard(HDC dc, const cl::TRect& r, cl::TColor first, cl::TColor second) {
    TMemoryBitmap pattern(dc, 8, 8);
    FillSolid(pattern.DC(), {0, 0, 8, 8}, first);
    const COLORREF dots = cl::ColorToRGB(second);
    for (int y = 0; y < 8; ++y)
        for (int x = y % 2; x < 8; x += 2) SetPixel(pattern.DC(), x, y, dots);
    cl::TBrushHandle brush(CreatePatternBrush(pattern.Bitmap()));
    const RECT rc{r.left, r.top, r.right, r.bottom};
    FillRect(dc, &rc, brush.Get());
}

void Line(cl::TCanvas& canvas, cl::TColor color, int x, int y1, int y2) {
    canvas.SetPenColor(color);
    canvas.MoveTo(x, y1);
    canvas.LineTo(x, y2);
}

// The widest caption of the menu's items in the screen's menu font.
int WidestMenuCaption(cl::TPopupMenu& menu) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    cl::TFontHandle font(CreateFontIndirectA(&metrics.lfMenuFont));
    const cl::TScreenDC screen;
    int widest = 0;
    cl::TSelectObject selected(screen.Handle(), font.Get());
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        const std::string& caption = menu.Items()->Items(i)->Caption();
        SIZE size{};
        GetTextExtentPoint32A(screen.Handle(), caption.data(), static_cast<int>(caption.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    return widest;
}

}  // namespace

const cl::TClassInfo& TMwToolButton::StaticClass() {
    using B = TMwToolButton;
    static const auto info = cl::TClassBuilder<B>("TMwToolButton", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &B::About, &B::SetAbout, kAboutInfoNames)
                                 .Ref<cl::TAction>("Action", &B::Action, &B::SetAction)
                                 .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
                                 .Int("DisabledIndex", &B::DisabledIndex, &B::SetDisabledIndex)
                                 .Bool("Down", &B::Down, &B::SetDown)
                                 .Int("DownIndex", &B::DownIndex, &B::SetDownIndex)
                                 .Ref<cl::TPopupMenu>("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
                                 .Bool("Flat", &B::Flat, &B::SetFlat)
                                 .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
                                 .Int("HotIndex", &B::HotIndex, &B::SetHotIndex)
                                 .Int("ImageIndex", &B::ImageIndex, &B::SetImageIndex)
                                 .Ref<cl::TCustomImageList>("Images", &B::Images, &B::SetImages)
                                 .Enum<TButtonLayout>("Layout", &B::Layout, &B::SetLayout, kButtonLayoutNames)
                                 .Bool("ShowCaption", &B::ShowCaption, &B::SetShowCaption)
                                 .Enum<TMwToolStyle>("ToolStyle", &B::ToolStyle, &B::SetToolStyle, kToolStyleNames)
                                 .Bool("Transparent", &B::Transparent, &B::SetTransparent)
                                 .Bool("UseToolbarButtonLayout", &B::UseToolbarButtonLayout, &B::SetUseToolbarButtonLayout)
                                 .Bool("UseToolbarButtonSize", &B::UseToolbarButtonSize, &B::SetUseToolbarButtonSize)
                                 .Bool("UseToolbarShowCaption", &B::UseToolbarShowCaption, &B::SetUseToolbarShowCaption)
                                 .Event("OnDropDown", &B::OnDropDown)
                                 .Event("OnMouseEnter", &B::OnMouseEnter)
                                 .Event("OnMouseLeave", &B::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwToolButton::TMwToolButton(cl::TComponent* owner) : cl::TCustomControl(owner) {
    syncing_ = true;
    SetBounds(0, 0, 25, 25);
    syncing_ = false;
    imagesLink_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        if (images_) GrowToImages(*images_);
        Invalidate();
    });
}

TMwToolButton::~TMwToolButton() {
    if (action_) action_->UnregisterClient(this);
}

bool TMwToolButton::Themed() const { return ThemeServices().ThemesEnabled(); }

TMwToolbar* TMwToolButton::Toolbar() const { return dynamic_cast<TMwToolbar*>(Parent()); }

cl::TCustomImageList* TMwToolButton::ImagesInUse() const {
    if (images_) return images_;
    TMwToolbar* toolbar = Toolbar();
    return toolbar ? toolbar->Images() : nullptr;
}

// ---- action link ----

void TMwToolButton::SetAction(cl::TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (!action) return;
    action->RegisterClient(this);
    // While the form is read, values the form resource gave the button stay.
    TakeActionValues(*action, action->IsLoading() || IsLoading());
}

void TMwToolButton::TakeActionValues(const cl::TAction& action, bool onlyDefaults) {
    if (!onlyDefaults || Caption().empty()) SetCaption(action.Caption());
    if (!onlyDefaults || Enabled()) SetEnabled(action.Enabled());
    if (!onlyDefaults || Hint().empty()) SetHint(action.Hint());
    if (!onlyDefaults || imageIndex_ == -1) SetImageIndex(action.ImageIndex());
    if (!onlyDefaults || Visible()) SetVisible(action.Visible());
    if (!onlyDefaults || !down_) SetDown(action.Checked());
    linked_ = TActionLinkValues::Of(action);
}

void TMwToolButton::AssignTo(cl::TAction& action) const {
    action.SetCaption(Caption());
    action.SetEnabled(Enabled());
    action.SetHint(Hint());
    action.SetVisible(Visible());
    action.SetChecked(down_);
    action.SetImageIndex(imageIndex_);
    action.OnExecute = OnClick;
}

void TMwToolButton::ActionChanged(cl::TAction& action) {
    if (&action != action_) return;
    // Only the values the button still shares with the action follow it.
    if (Caption() == linked_.caption) SetCaption(action.Caption());
    if (Enabled() == linked_.enabled) SetEnabled(action.Enabled());
    if (Hint() == linked_.hint) SetHint(action.Hint());
    if (imageIndex_ == linked_.imageIndex) SetImageIndex(action.ImageIndex());
    if (Visible() == linked_.visible) SetVisible(action.Visible());
    if (down_ == linked_.checked) SetDown(action.Checked());
    linked_ = TActionLinkValues::Of(action);
    Invalidate();
}

void TMwToolButton::ActionFreed(cl::TAction& action) {
    if (&action == action_) action_ = nullptr;
}

void TMwToolButton::Click() {
    if (toolStyle_ == TMwToolStyle::DropDown && !normalClick_) return;
    if (action_ && !(OnClick && OnClick != action_->OnExecute)) action_->Execute();
    else cl::TCustomControl::Click();
}

// ---- properties ----

void TMwToolButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (down_ && !allowAllUp_) return;  // a latched button is released by its group
    down_ = v;
    if (v) {
        if (state_ == bsUp) Invalidate();
        state_ = bsLatched;
        BroadcastGroup();
    } else {
        state_ = bsUp;
        Repaint();
    }
}

void TMwToolButton::SetGroupIndex(int v) {
    if (toolStyle_ == TMwToolStyle::DropDown) v = 0;
    if (v == groupIndex_) return;
    groupIndex_ = v;
    BroadcastGroup();
}

void TMwToolButton::SetAllowAllUp(bool v) {
    if (v == allowAllUp_) return;
    allowAllUp_ = v;
    BroadcastGroup();
}

void TMwToolButton::BroadcastGroup() {
    if (groupIndex_ == 0 || !Parent() || IsLoading()) return;
    cl::TControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        cl::TControl* sibling = parent->Controls(i);
        if (sibling != this)
            sibling->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this));
    }
}

void TMwToolButton::GroupButtonPressed(int groupIndex, TMwToolButton* sender) {
    if (!sender || sender == this || groupIndex != groupIndex_ || groupIndex_ == 0) return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TMwToolButton::SetFlat(bool v) {
    if (v == flat_) return;
    flat_ = v;
    Repaint();
}

void TMwToolButton::SetImages(cl::TCustomImageList* images) {
    cl::ReplaceImageList(*this, images_, images, imagesLink_);
    if (images) GrowToImages(*images);
    Invalidate();
}

void TMwToolButton::GrowToImages(const cl::TCustomImageList& images) {
    SetBounds(Left(), Top(), std::max(Width(), images.Width()), std::max(Height(), images.Height()));
}

void TMwToolButton::SetDropDownMenu(cl::TPopupMenu* menu) {
    if (dropDownMenu_) RemoveFreeNotification(dropDownMenu_);
    dropDownMenu_ = menu;
    if (menu) FreeNotification(menu);
}

void TMwToolButton::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == images_) SetImages(nullptr);
    if (component == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TMwToolButton::SetLayout(TButtonLayout v) {
    useToolbarButtonLayout_ = false;
    StoreAndInvalidate(layout_, v);
    if (!IsLoading()) SyncWithToolbar();
}

void TMwToolButton::SetShowCaption(bool v) {
    useToolbarShowCaption_ = false;
    StoreAndInvalidate(showCaption_, v);
}

void TMwToolButton::SetToolStyle(TMwToolStyle v) {
    if (v == toolStyle_) return;
    toolStyle_ = v;
    groupIndex_ = 0;
    if (!IsLoading()) {
        const bool keep = useToolbarButtonSize_;
        SetWidth(Width() + (v == TMwToolStyle::DropDown ? kArrowWidth : -kArrowWidth));
        useToolbarButtonSize_ = keep;
    }
    Invalidate();
}

void TMwToolButton::SetUseToolbarShowCaption(bool v) {
    useToolbarShowCaption_ = v;
    if (Parent() && !IsLoading()) Perform(CM_TOOLBARSHOWCAPTIONCHANGED);
}

void TMwToolButton::SetUseToolbarButtonLayout(bool v) {
    useToolbarButtonLayout_ = v;
    if (Parent() && !IsLoading()) Perform(CM_TOOLBARBUTTONLAYOUTCHANGED);
}

void TMwToolButton::SetUseToolbarButtonSize(bool v) {
    useToolbarButtonSize_ = v;
    if (Parent() && !IsLoading()) Perform(CM_TOOLBARBUTTONSIZECHANGED);
}

void TMwToolButton::SetBounds(int left, int top, int width, int height) {
    if (!syncing_ && !IsLoading() && (width != Width() || height != Height())) useToolbarButtonSize_ = false;
    cl::TCustomControl::SetBounds(left, top, width, height);
}

// ---- the toolbar's settings ----

void TMwToolButton::SyncWithToolbar() {
    if (!Parent()) return;
    Perform(CM_TOOLBARSHOWCAPTIONCHANGED);
    Perform(CM_TOOLBARBUTTONLAYOUTCHANGED);
    Perform(CM_TOOLBARBUTTONSIZECHANGED);
}

void TMwToolButton::AnswerToolbar(UINT msg) {
    TMwToolbar* toolbar = Toolbar();
    if (!toolbar) return;
    if (msg == CM_TOOLBARSHOWCAPTIONCHANGED && useToolbarShowCaption_) {
        StoreAndInvalidate(showCaption_, toolbar->ShowButtonCaptions());
    } else if (msg == CM_TOOLBARBUTTONLAYOUTCHANGED && useToolbarButtonLayout_) {
        StoreAndInvalidate(layout_, toolbar->ButtonLayout());
    } else if (msg == CM_TOOLBARBUTTONSIZECHANGED && useToolbarButtonSize_) {
        FitToToolbar(*toolbar);
    }
}

void TMwToolButton::FitToToolbar(const TMwToolbar& toolbar) {
    int w = toolbar.ButtonWidth();
    if (showCaption_) {
        SIZE text{};
        {
            const cl::TScreenDC dc;
            cl::TSelectObject font(dc.Handle(), Font()->Handle());
            GetTextExtentPoint32A(dc.Handle(), Caption().c_str(), static_cast<int>(Caption().size()), &text);
        }
        cl::TCustomImageList* list = ImagesInUse();
        const bool sideBySide = layout_ == TButtonLayout::GlyphLeft || layout_ == TButtonLayout::GlyphRight;
        w = std::max<int>(w, sideBySide ? (list ? list->Width() : 0) + text.cx + 12 : text.cx + 8);
    }
    syncing_ = true;
    SetBounds(Left(), Top(), toolStyle_ == TMwToolStyle::DropDown ? w + kArrowWidth : w, toolbar.ButtonHeight());
    syncing_ = false;
}

void TMwToolButton::Loaded() {
    cl::TCustomControl::Loaded();
    SyncWithToolbar();
}

void TMwToolButton::ParentChanged() {
    cl::TCustomControl::ParentChanged();
    if (!IsLoading()) SyncWithToolbar();
}

// ---- mouse ----

bool TMwToolButton::Inside(cl::TPoint p) { return p.x >= 0 && p.x < ClientWidth() && p.y >= 0 && p.y < ClientHeight(); }

void TMwToolButton::MouseEnter() {
    mouseOver_ = true;
    OnMouseEnter(this);
    if (flat_ || Themed()) Repaint();
}

void TMwToolButton::MouseLeave() {
    mouseOver_ = false;
    OnMouseLeave(this);
    if (flat_ || Themed()) Repaint();
}

void TMwToolButton::TrackMouse() {
    if (!(flat_ || Themed()) || !Enabled() || !HandleAllocated()) return;
    const bool over = PointerOverWindow(Handle());
    if (over == mouseOver_) return;
    if (over) MouseEnter();
    else MouseLeave();
}

void TMwToolButton::MouseDown(cl::TPoint p, WPARAM keys) {
    if (!Enabled()) return;
    if (toolStyle_ == TMwToolStyle::DropDown) {
        const bool leftAlone = (keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL)) == MK_LBUTTON &&
                               GetKeyState(VK_MENU) >= 0;
        const bool normalPress = !dropDownMenu_ || !leftAlone || (p.x < Width() - kArrowWidth && OnClick);
        if (normalPress) {
            if (!normalClick_) {
                normalClick_ = true;
                return;
            }
        } else {
            if (dropDownMenu_->Items()->Count() == 0) return;
            const DWORD now = GetTickCount();
            if (menuClosedTick_ != 0 && now - menuClosedTick_ < kMenuReopenGuardMs) {
                normalClick_ = true;
                menuClosedTick_ = 0;
                ReleaseCapture();
                return;
            }
            state_ = bsArrowPressed;
            Repaint();
            OpenDropDownMenu();
            normalClick_ = false;
            menuClosedTick_ = GetTickCount();
            MouseUp(p);
            return;
        }
    }
    if (!down_ || state_ == bsLatched) {
        state_ = bsPressed;
        Invalidate();
    }
    dragging_ = true;
    SetCapture(Handle());
}

void TMwToolButton::MouseMove(cl::TPoint p) {
    if (!dragging_) return;
    const TState now = Inside(p) ? (down_ ? bsLatched : bsPressed) : (down_ ? bsLatched : bsUp);
    if (now == state_) return;
    state_ = now;
    Invalidate();
}

void TMwToolButton::MouseUp(cl::TPoint p) {
    const bool inside = Inside(p);
    if (dragging_) {
        dragging_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        if (groupIndex_ == 0) {
            state_ = bsUp;
            mouseOver_ = false;
            if (inside) Repaint();
        } else if (inside) {
            SetDown(!down_);
            if (down_) Repaint();
        } else {
            if (down_) state_ = bsLatched;
            Repaint();
        }
        if (inside) Click();
        TrackMouse();
    }
    if (toolStyle_ == TMwToolStyle::DropDown) {
        if (!inside) normalClick_ = true;
        state_ = down_ ? bsLatched : bsUp;
        Repaint();
        TrackMouse();
    }
}

void TMwToolButton::DoDropDown() { OnDropDown(dropDownMenu_); }

void TMwToolButton::OpenDropDownMenu() {
    if (!dropDownMenu_) return;
    DoDropDown();
    if (!dropDownMenu_) return;  // the handler took it away
    cl::TPoint p = ClientToScreen({0, Height()});
    const int menuWidth = WidestMenuCaption(*dropDownMenu_) + 56;
    HMONITOR monitor = MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONULL);
    const int workRight = monitor ? GetMonitorWorkArea(monitor).right
                                  : GetWorkAreaWidth(Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr);
    p.x = DropDownMenuLeft(p.x, Width(), menuWidth, workRight);
    dropDownMenu_->SetPopupComponent(this);
    dropDownMenu_->Popup(p.x, p.y);
}

void TMwToolButton::WndProc(cl::TMessage& m) {
    mouse_.Follow(Handle(), m.msg, mouseOver_, [this] { MouseEnter(); }, [this] { MouseLeave(); });
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case CM_TOOLBARSHOWCAPTIONCHANGED:
        case CM_TOOLBARBUTTONLAYOUTCHANGED:
        case CM_TOOLBARBUTTONSIZECHANGED:
            AnswerToolbar(m.msg);
            m.result = 0;
            return;
        case CM_BUTTONPRESSED:
            GroupButtonPressed(static_cast<int>(m.wParam), reinterpret_cast<TMwToolButton*>(m.lParam));
            m.result = 0;
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            MouseDown(point, m.wParam);
            // The press is ours: the class library's click tracking stays out of it.
            OnMouseDown(this, cl::TMouseButton::Left, cl::ShiftStateFromKeys(m.wParam), point.x, point.y);
            m.result = 0;
            return;
        case WM_MOUSEMOVE:
            MouseMove(point);
            break;
        case WM_LBUTTONUP:
            MouseUp(point);
            OnMouseUp(this, cl::TMouseButton::Left, cl::ShiftStateFromKeys(m.wParam), point.x, point.y);
            m.result = 0;
            return;
        case WM_ERASEBKGND:
            if (transparent_) {
                PaintParentBackground(*this, reinterpret_cast<HDC>(m.wParam));
                m.result = 1;
                return;
            }
            break;
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(m.lParam) != Handle()) {
                dragging_ = false;
                state_ = down_ ? bsLatched : bsUp;
                Invalidate();
            }
            break;
        case WM_SETTEXT:
            cl::TCustomControl::WndProc(m);
            if (!IsLoading()) SyncWithToolbar();
            Invalidate();
            return;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

bool TMwToolButton::PressedForDrawing() const {
    return state_ == bsPressed || state_ == bsLatched || (state_ == bsArrowPressed && !OnClick);
}

mw::TToolButtonFace TMwToolButton::Face(cl::TCanvas& canvas) {
    cl::TCustomImageList* list = ImagesInUse();
    TToolButtonFace face;
    face.width = Width();
    face.height = Height();
    face.dropDown = toolStyle_ == TMwToolStyle::DropDown;
    face.imageWidth = list ? list->Width() : 0;
    face.imageHeight = list ? list->Height() : 0;
    face.hasImage = imageIndex_ != -1;
    face.layout = layout_;
    face.pressed = PressedForDrawing();
    face.themed = Themed();
    RECT measure{0, 0, std::max(1, Width() - 4), 0};
    cl::TSelectObject font(canvas.Handle(), canvas.Font().Handle());
    DrawTextA(canvas.Handle(), Caption().c_str(), static_cast<int>(Caption().size()), &measure,
              DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    face.textHeight = measure.bottom - measure.top;
    return face;
}

void TMwToolButton::Paint(cl::TCanvas& canvas) {
    if (!Enabled()) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? bsLatched : bsUp;
    }
    canvas.Font().Assign(*Font());
    cl::TRect r = ClientRect();
    DrawButtonFace(canvas, r);
    if (!transparent_) FillSolid(canvas.Handle(), r, Color());
    if (!Themed() && state_ == bsLatched && (!flat_ || !mouseOver_)) {
        if (transparent_) FillCheckerboard(canvas.Handle(), r, cl::clBtnFace, cl::clBtnHighlight);
        else FillCheckerboard(canvas.Handle(), r, Color(), LightenColor(Color(), 20));
    }
    if (toolStyle_ == TMwToolStyle::DropDown) DrawDropDownPart(canvas);
    const TToolButtonFace face = Face(canvas);
    DrawImage(canvas, ToolButtonImageRect(face));
    DrawCaption(canvas, ToolButtonCaptionRect(face));
}

void TMwToolButton::DrawButtonFace(cl::TCanvas& canvas, cl::TRect& r) {
    const bool active = state_ == bsPressed || state_ == bsLatched;
    if (!Themed()) {
        if (flat_) {
            if (active) r = PaintBorder(canvas, r, TFrameStyle::Status);
            else if ((mouseOver_ && state_ != bsDisabled)) r = PaintBorder(canvas, r, TFrameStyle::Popup);
        } else {
            r = PaintBorder(canvas, r, active ? TFrameStyle::Lowered : TFrameStyle::ButtonUp);
        }
        return;
    }
    TThemedElementDetails details;
    if (flat_) {
        cl::TRect face = r;
        const bool split = toolStyle_ == TMwToolStyle::DropDown && OnClick;
        if (split) face.right -= kArrowWidth;
        TThemedToolBar look = split ? TThemedToolBar::SplitButtonNormal : TThemedToolBar::ButtonNormal;
        if (active || state_ == bsArrowPressed || ShowsHot()) {
            const int offset = state_ == bsPressed || state_ == bsArrowPressed ? 2
                               : state_ == bsLatched                        ? (mouseOver_ ? 5 : 4)
                                                                             : 1;
            look = static_cast<TThemedToolBar>(static_cast<int>(look) + offset);
        }
        details = ThemeElementDetails(look);
        ThemeServices().DrawElement(canvas.Handle(), details, face);
        return;
    }
    TThemedButton look = TThemedButton::PushButtonNormal;
    if (!Enabled()) look = TThemedButton::PushButtonDisabled;
    else if (active) look = TThemedButton::PushButtonPressed;
    else if (ShowsHot()) look = TThemedButton::PushButtonHot;
    ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(look), r);
}

void TMwToolButton::DrawDropDownPart(cl::TCanvas& canvas) {
    const cl::TRect client = ClientRect();
    const int x0 = Width() - kArrowWidth;
    const bool hasClick = static_cast<bool>(OnClick);
    if (Themed() && hasClick) {
        TThemedToolBar look = TThemedToolBar::SplitButtonDropDownNormal;
        if (!Enabled()) look = TThemedToolBar::SplitButtonDropDownDisabled;
        else if (state_ == bsPressed || state_ == bsArrowPressed) look = TThemedToolBar::SplitButtonDropDownPressed;
        else if (ShowsHot()) look = TThemedToolBar::SplitButtonDropDownHot;
        ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(look), {x0, client.top, client.right, client.bottom});
        return;
    }
    if (!Themed()) {
        if (state_ == bsArrowPressed) {
            cl::TRect r = client;
            if (hasClick) {
                r.left = r.right - kArrowWidth;
                Line(canvas, cl::clBtnShadow, r.right - 15, 0, Height());
            }
            PaintBorder(canvas, r, TFrameStyle::Status);
        } else if ((flat_ && mouseOver_ && Enabled()) || (!flat_ && Enabled())) {
            const int x = x0 + (state_ == bsPressed ? 1 : 0);
            if (hasClick) {
                if (state_ != bsPressed) Line(canvas, cl::clBtnHighlight, x, 0, Height());
                Line(canvas, cl::clBtnShadow, x - 1, 0, Height());
            }
        }
    }
    const int shift = state_ == bsPressed || state_ == bsArrowPressed ? 1 : 0;
    const int x = client.right - 8 + shift, y = client.top + ClientHeight() / 2 + 2 + shift;
    const cl::TColor color = Enabled() ? cl::clWindowText : cl::clBtnShadow;
    const POINT arrow[3] = {{x, y}, {x - 2, y - 2}, {x + 2, y - 2}};
    cl::TBrushHandle brush(CreateSolidBrush(cl::ColorToRGB(color)));
    cl::TPenHandle pen(CreatePen(PS_SOLID, 1, cl::ColorToRGB(color)));
    cl::TSelectObject oldBrush(canvas.Handle(), brush.Get()), oldPen(canvas.Handle(), pen.Get());
    Polygon(canvas.Handle(), arrow, 3);
}

void TMwToolButton::DrawImage(cl::TCanvas& canvas, const cl::TRect& r) {
    cl::TCustomImageList* list = ImagesInUse();
    if (!list || imageIndex_ == -1) return;
    const bool hot = hotIndex_ != -1 && mouseOver_ && Enabled();
    int index = imageIndex_;
    bool drawEnabled = Enabled();
    if (PressedForDrawing() && downIndex_ != -1) {
        index = downIndex_;
        drawEnabled = true;
    } else if (disabledIndex_ == -1) {
        index = hot ? hotIndex_ : imageIndex_;
    } else {
        index = Enabled() ? (hot ? hotIndex_ : imageIndex_) : disabledIndex_;
        drawEnabled = true;
    }
    if (index >= 0 && index < list->Count()) list->Draw(canvas, r.left, r.top, index, drawEnabled);
}

void TMwToolButton::DrawCaption(cl::TCanvas& canvas, cl::TRect r) {
    if (!showCaption_) return;
    canvas.SetBrushStyle(cl::TBrushStyle::Clear);
    if (state_ == bsPressed) canvas.Font().SetColor(cl::clHighlightText);
    UINT flags = DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER | DrawTextBiDiModeFlagsReadingOnly();
    RECT measure{r.left, r.top, r.right, r.bottom};
    {
        cl::TSelectObject font(canvas.Handle(), canvas.Font().Handle());
        DrawTextA(canvas.Handle(), Caption().c_str(), static_cast<int>(Caption().size()), &measure, flags | DT_CALCRECT);
    }
    const int textHeight = measure.bottom - measure.top;
    r.top = static_cast<int>(static_cast<unsigned>(r.top + r.bottom - textHeight) >> 1);
    r.bottom = r.top + textHeight;
    if (!Enabled()) canvas.Font().SetColor(cl::clBtnShadow);
    canvas.TextRect(r, Caption(), flags);
    canvas.SetBrushStyle(cl::TBrushStyle::Solid);
}
