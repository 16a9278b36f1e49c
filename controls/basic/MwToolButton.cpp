#include "controls/basic/MwToolButton.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Menus.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/basic/MwToolbar.h"

using namespace mw;

namespace {
const cl::TEnumNames kToolStyleNames{{{"tsButton", 0}, {"tsDropDown", 1}}};
constexpr int kArrowWidth = 14;
}  // namespace

const cl::TClassInfo& TMwToolButton::StaticClass() {
    using B = TMwToolButton;
    static const auto info = cl::TClassBuilder<B>("TMwToolButton", cl::TCustomControl::StaticClass())
                                 .Creatable()
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
}

TMwToolButton::~TMwToolButton() {
    if (action_) action_->UnregisterClient(this);
}

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
    if (toolStyle_ == TMwToolStyle::Button && groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
    if (action_ && !(OnClick && OnClick != action_->OnExecute)) action_->Execute();
    else cl::TCustomControl::Click();
}

// ---- properties ----

void TMwToolButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (down_ && !v && !allowAllUp_ && !IsLoading()) return;  // a latched button is released by its group
    down_ = v;
    if (v && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TMwToolButton*>(Parent()->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        }
    }
    Invalidate();
}

void TMwToolButton::SetImages(cl::TCustomImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) {
        FreeNotification(images);
        SetBounds(Left(), Top(), std::max(Width(), images->Width()), std::max(Height(), images->Height()));
    }
    Invalidate();
}

void TMwToolButton::SetDropDownMenu(cl::TPopupMenu* menu) {
    if (dropDownMenu_) RemoveFreeNotification(dropDownMenu_);
    dropDownMenu_ = menu;
    if (menu) FreeNotification(menu);
}

void TMwToolButton::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == images_) images_ = nullptr;
    if (component == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TMwToolButton::SetLayout(TButtonLayout v) {
    useToolbarButtonLayout_ = false;
    StoreAndInvalidate(layout_, v);
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

void TMwToolButton::SetUseToolbarButtonLayout(bool v) {
    useToolbarButtonLayout_ = v;
    if (v && !IsLoading()) SyncWithToolbar();
}

void TMwToolButton::SetUseToolbarButtonSize(bool v) {
    useToolbarButtonSize_ = v;
    if (v && !IsLoading()) SyncWithToolbar();
}

void TMwToolButton::SetUseToolbarShowCaption(bool v) {
    useToolbarShowCaption_ = v;
    if (v && !IsLoading()) SyncWithToolbar();
}

void TMwToolButton::SetBounds(int left, int top, int width, int height) {
    if (!syncing_ && !IsLoading() && (width != Width() || height != Height())) useToolbarButtonSize_ = false;
    cl::TCustomControl::SetBounds(left, top, width, height);
}

void TMwToolButton::SyncWithToolbar() {
    TMwToolbar* toolbar = Toolbar();
    if (!toolbar) return;
    if (useToolbarShowCaption_) showCaption_ = toolbar->ShowButtonCaptions();
    if (useToolbarButtonLayout_) layout_ = toolbar->ButtonLayout();
    if (useToolbarButtonSize_) {
        int w = toolbar->ButtonWidth();
        if (showCaption_) {
            HDC dc = GetDC(nullptr);
            HGDIOBJ old = SelectObject(dc, Font()->Handle());
            SIZE text{};
            GetTextExtentPoint32A(dc, Caption().c_str(), static_cast<int>(Caption().size()), &text);
            SelectObject(dc, old);
            ReleaseDC(nullptr, dc);
            cl::TCustomImageList* list = ImagesInUse();
            const bool sideBySide = layout_ == TButtonLayout::GlyphLeft || layout_ == TButtonLayout::GlyphRight;
            w = std::max<int>(w, sideBySide ? (list ? list->Width() : 0) + text.cx + 12 : text.cx + 8);
        }
        const int width = toolStyle_ == TMwToolStyle::DropDown ? w + kArrowWidth : w;
        if (width != Width() || toolbar->ButtonHeight() != Height()) {
            syncing_ = true;
            SetBounds(Left(), Top(), width, toolbar->ButtonHeight());
            syncing_ = false;
            toolbar->PositionControls();  // the row takes the new size
        }
    }
    Invalidate();
}

void TMwToolButton::Loaded() {
    cl::TCustomControl::Loaded();
    SyncWithToolbar();
}

// ---- mouse ----

void TMwToolButton::OpenDropDownMenu() {
    if (!dropDownMenu_) return;
    OnDropDown(dropDownMenu_);
    const cl::TPoint p = ClientToScreen({0, Height()});
    dropDownMenu_->SetPopupComponent(this);
    dropDownMenu_->Popup(p.x, p.y);
}

void TMwToolButton::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered:
            OnMouseEnter(this);
            Invalidate();
            break;
        case TMouseTracking::TChange::Left:
            OnMouseLeave(this);
            Invalidate();
            break;
        case TMouseTracking::TChange::None: break;
    }
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!Enabled()) break;
            if (toolStyle_ == TMwToolStyle::DropDown && dropDownMenu_ && (point.x >= Width() - kArrowWidth || !OnClick)) {
                OpenDropDownMenu();
                return;  // the press opened the menu; it is no click
            }
            SetCapture(Handle());
            pressed_ = pressedInside_ = true;
            Invalidate();
            break;
        case WM_MOUSEMOVE:
            if (pressed_) {
                const bool inside = ClientRect().Contains(point);
                if (inside != pressedInside_) {
                    pressedInside_ = inside;
                    Invalidate();
                }
            }
            break;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = pressedInside_ = false;
                ReleaseCapture();
                Invalidate();
            }
            break;
        case WM_CAPTURECHANGED:
            pressed_ = pressedInside_ = false;
            Invalidate();
            break;
        case WM_SETTEXT:
            cl::TCustomControl::WndProc(m);
            Invalidate();
            return;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

void TMwToolButton::Paint(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    cl::TRect r = ClientRect();
    FillSolid(dc, r, Color());
    const bool pressed = PressedLook();
    const bool hot = mouse_.Inside() && Enabled();
    if (flat_) {
        if (pressed) r = PaintFrame(canvas, r, TFrameStyle::Status, sdAll);
        else if (hot) r = PaintFrame(canvas, r, TFrameStyle::Popup, sdAll);
    } else {
        r = PaintFrame(canvas, r, pressed ? TFrameStyle::Lowered : TFrameStyle::ButtonUp, sdAll);
    }
    const int shift = pressed ? 1 : 0;

    cl::TRect content = Inset(ClientRect(), 2, 2);
    if (toolStyle_ == TMwToolStyle::DropDown) {
        content.right -= kArrowWidth;
        // The arrow of the drop-down part.
        const int x = ClientRect().right - 8 + shift, y = ClientHeight() / 2 + 2 + shift;
        const POINT arrow[3] = {{x, y}, {x - 2, y - 2}, {x + 2, y - 2}};
        HBRUSH brush = CreateSolidBrush(cl::ColorToRGB(Enabled() ? cl::clWindowText : cl::clBtnShadow));
        HPEN pen = CreatePen(PS_SOLID, 1, cl::ColorToRGB(Enabled() ? cl::clWindowText : cl::clBtnShadow));
        HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
        Polygon(dc, arrow, 3);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }

    cl::TCustomImageList* list = ImagesInUse();
    const int imageWidth = list ? list->Width() : 0, imageHeight = list ? list->Height() : 0;
    canvas.Font().Assign(*Font());
    const int textHeight = showCaption_ ? canvas.TextHeight(Caption()) : 0;
    if (list && imageIndex_ != -1) {
        int x = content.left, y = content.top;
        switch (layout_) {
            case TButtonLayout::GlyphLeft: x += 2; break;
            case TButtonLayout::GlyphRight: x = content.right - imageWidth - 2; break;
            case TButtonLayout::GlyphTop: y = (Height() - (textHeight + imageHeight + 4)) / 2; break;
            case TButtonLayout::GlyphBottom: y += textHeight + (Height() - (textHeight + imageHeight + 4)) / 2; break;
        }
        if (layout_ == TButtonLayout::GlyphTop || layout_ == TButtonLayout::GlyphBottom) x += (content.Width() - imageWidth) / 2;
        else y += (content.Height() - imageHeight) / 2;
        int index = imageIndex_;
        bool drawEnabled = Enabled();
        if (pressed && downIndex_ != -1) {
            index = downIndex_;
            drawEnabled = true;
        } else if (!Enabled() && disabledIndex_ != -1) {
            index = disabledIndex_;
            drawEnabled = true;
        } else if (hot && hotIndex_ != -1) {
            index = hotIndex_;
        }
        if (index >= 0 && index < list->Count()) list->Draw(canvas, x + shift, y + shift, index, drawEnabled);
        if (showCaption_) {
            switch (layout_) {
                case TButtonLayout::GlyphLeft: content.left += imageWidth + 4; break;
                case TButtonLayout::GlyphRight: content.right -= imageWidth + 4; break;
                case TButtonLayout::GlyphTop: content.top = y + imageHeight; break;
                case TButtonLayout::GlyphBottom: content.bottom = y; break;
            }
        }
    }
    if (showCaption_ && !Caption().empty()) {
        if (!Enabled()) canvas.Font().SetColor(cl::clBtnShadow);
        const cl::TRect text{content.left + shift, content.top + shift, content.right + shift, content.bottom + shift};
        canvas.TextRect(text, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}
