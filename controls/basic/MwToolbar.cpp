#include "controls/basic/MwToolbar.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Handles.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/MwSpacer.h"
#include "controls/basic/MwToolButton.h"
#include "controls/basic/MwToolbarButton.h"
#include "controls/basic/ToolbarLayout.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

namespace {

const cl::TEnumNames kTextOptionsNames{
    {{"ttoNoTextLabels", 0}, {"ttoShowTextLabels", 1}, {"ttoSelectiveTextOnRight", 2}, {"ttoCustom", 3}}};
const cl::TEnumNames kAlignNames{{{"alNone", 0}, {"alTop", 1}, {"alBottom", 2}, {"alLeft", 3}, {"alRight", 4}, {"alClient", 5}}};

bool IsSideAligned(cl::TAlign align) { return align == cl::TAlign::Left || align == cl::TAlign::Right; }
bool IsEdgeAligned(cl::TAlign align) { return align == cl::TAlign::Top || align == cl::TAlign::Bottom; }

struct TCompatibleDC {
    explicit TCompatibleDC(HDC like) : dc(CreateCompatibleDC(like)) {}
    ~TCompatibleDC() { DeleteDC(dc); }
    TCompatibleDC(const TCompatibleDC&) = delete;
    TCompatibleDC& operator=(const TCompatibleDC&) = delete;
    HDC dc;
};

}  // namespace

const cl::TClassInfo& TMwCustomizeCaptions::StaticClass() {
    using C = TMwCustomizeCaptions;
    static const auto info = cl::TClassBuilder<C>("TMwCustomizeCaptions", cl::TPersistent::StaticClass())
                                 .Str("Title", &C::Get<C::Title>, &C::Put<C::Title>)
                                 .Str("Hint", &C::Get<C::Hint>, &C::Put<C::Hint>)
                                 .Str("Close", &C::Get<C::Close>, &C::Put<C::Close>)
                                 .Str("MoveUp", &C::Get<C::MoveUp>, &C::Put<C::MoveUp>)
                                 .Str("MoveDown", &C::Get<C::MoveDown>, &C::Put<C::MoveDown>)
                                 .Str("TextOptions", &C::Get<C::TextOptions>, &C::Put<C::TextOptions>)
                                 .Str("NoTextLabels", &C::Get<C::NoTextLabels>, &C::Put<C::NoTextLabels>)
                                 .Str("ShowTextLabels", &C::Get<C::ShowTextLabels>, &C::Put<C::ShowTextLabels>)
                                 .Str("SelectiveTextOnRight", &C::Get<C::SelectiveTextOnRight>, &C::Put<C::SelectiveTextOnRight>)
                                 .Build();
    return *info;
}

TMwCustomizeCaptions::TMwCustomizeCaptions()
    : texts_{"Customize Toolbar", "Uncheck to hide control", "Close", "Move Up", "Move Down", "Text Options",
             "No text labels", "Show text labels", "Selective text on right"} {}

const cl::TClassInfo& TMwToolbar::StaticClass() {
    using T = TMwToolbar;
    static const auto info =
        cl::TClassBuilder<T>("TMwToolbar", TMwCustomPanel::StaticClass())
            .Creatable()
            .Enum<cl::TAlign>("Align", &T::Align, &T::SetToolbarAlign, kAlignNames)
            .Bool("AutoResize", &T::AutoResize, &T::SetAutoResize)
            .Bool("AutoStyle", &T::AutoStyle, &T::SetAutoStyle)
            .Binary("Background", &T::BackgroundData, &T::SetBackgroundData)
            .Ref<cl::TCustomImageList>("Images", &T::Images, &T::SetImages)
            .Int("Margin", &T::Margin, &T::SetMargin)
            .Int("TopMargin", &T::TopMargin, &T::SetTopMargin)
            .Enum<TOrientation>("Orientation", &T::Orientation, &T::SetOrientation, kOrientationNames)
            .Int("RowHeight", &T::RowHeight, &T::SetRowHeight)
            .Enum<TButtonLayout>("ButtonLayout", &T::ButtonLayout, &T::SetButtonLayout, kButtonLayoutNames)
            .Int("ButtonWidth", &T::ButtonWidth, &T::SetButtonWidth)
            .Int("ButtonHeight", &T::ButtonHeight, &T::SetButtonHeight)
            .Bool("ShowButtonCaptions", &T::ShowButtonCaptions, &T::SetShowButtonCaptions)
            .Bool("ShowDivider", &T::ShowDivider, &T::SetShowDivider)
            .Enum<TMwToolbarTextOptions>("TextOptions", &T::TextOptions, &T::SetTextOptions, kTextOptionsNames)
            .Bool("WrapControls", &T::WrapControls, &T::SetWrapControls)
            .Object("CustomizeCaptions", &T::CustomizeCaptions)
            .Ref<TMwRegIniFile>("RegIniFile", &T::RegIniFile, &T::SetRegIniFile)
            .Event("OnVisibleChanged", &T::OnVisibleChanged)
            .Build();
    return *info;
}

TMwToolbar::TMwToolbar(cl::TComponent* owner) : TMwCustomPanel(owner) {
    SetFullRepaint(false);
    SetShowDockClientCaptions(false);
    SetBounds(0, 0, 32, 32);
    TMwCustomPanel::SetBorderInner(TFrameStyle::None);
    TMwCustomPanel::SetBorderOuter(TFrameStyle::Groove);
    TMwCustomPanel::SetBorderSides(sdTop);
    TMwCustomPanel::SetBorderWidth(0);
    SetToolbarAlign(cl::TAlign::Top);
    background_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { Invalidate(); });
    imagesLink_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ImagesChanged(); });
}

TMwToolbar::~TMwToolbar() = default;

void TMwToolbar::SetToolbarAlign(cl::TAlign align) {
    if (autoStyle_) ApplyAutoStyle(align);
    SetAlign(align);
    if (!autoResize_) return;
    if (IsSideAligned(align)) SetWidth(32);
    else SetHeight(32);
}

void TMwToolbar::ApplyAutoStyle(cl::TAlign align) {
    // The panel's own writers: an automatic change keeps AutoStyle on.
    TMwCustomPanel::SetBorderInner(TFrameStyle::None);
    TMwCustomPanel::SetBorderOuter(showDivider_ ? TFrameStyle::Groove : TFrameStyle::None);
    TSides sides = sdTop;
    if (align == cl::TAlign::Left) sides = sdLeft;
    else if (align == cl::TAlign::Right) sides = sdRight;
    else if (align == cl::TAlign::Bottom) sides = sdBottom;
    TMwCustomPanel::SetBorderSides(sides);
    Invalidate();
}

void TMwToolbar::SetBorderOuter(TFrameStyle v) {
    if (v == BorderOuter()) return;
    TMwCustomPanel::SetBorderOuter(v);
    autoStyle_ = false;
}

void TMwToolbar::SetBorderInner(TFrameStyle v) {
    if (v == BorderInner()) return;
    TMwCustomPanel::SetBorderInner(v);
    autoStyle_ = false;
}

void TMwToolbar::SetBorderSides(TSides v) {
    if ((v & sdAll) == BorderSides()) return;
    TMwCustomPanel::SetBorderSides(v);
    autoStyle_ = false;
}

void TMwToolbar::SetShowDivider(bool v) {
    showDivider_ = v;
    TMwCustomPanel::SetBorderOuter(v ? TFrameStyle::Groove : TFrameStyle::None);
    Invalidate();
}

bool TMwToolbar::AdjustAutoResizeForParent(bool autoResize) const {
    if (!Parent()) return autoResize;
    const std::string parentClass = Parent()->ClassName();
    return autoResize && parentClass != "TPageScroller" && parentClass != "TToolbar";
}

void TMwToolbar::SetAutoResize(bool v) {
    v = AdjustAutoResizeForParent(v);
    if (v == autoResize_) return;
    autoResize_ = v;
    PositionControls();
}

void TMwToolbar::BiDiModeChanged() {
    TMwCustomPanel::BiDiModeChanged();
    PositionControls();
}

void TMwToolbar::ParentChanged() {
    TMwCustomPanel::ParentChanged();
    autoResize_ = AdjustAutoResizeForParent(autoResize_);
}

void TMwToolbar::SetImages(cl::TCustomImageList* images) {
    cl::ReplaceImageList(*this, images_, images, imagesLink_);
    ImagesChanged();
}

void TMwToolbar::ImagesChanged() {
    // The tool buttons without a list of their own draw from this one.
    for (cl::TControl* control : controls_) control->Invalidate();
    Repaint();
}

void TMwToolbar::SetRegIniFile(TMwRegIniFile* store) {
    if (store == regIniFile_) return;
    if (regIniFile_) RemoveFreeNotification(regIniFile_);
    regIniFile_ = store;
    if (store) FreeNotification(store);
}

void TMwToolbar::SetOrientation(TOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* spacer = dynamic_cast<TMwSpacer*>(Controls(i))) spacer->SetOrientation(v);
    PositionControls();
}

void TMwToolbar::ButtonSettingChanged(UINT msg) {
    SendToChildren(msg);
    if (!changingTextOptions_) textOptions_ = TMwToolbarTextOptions::Custom;
}

void TMwToolbar::SetButtonLayout(TButtonLayout v) {
    if (v == buttonLayout_) return;
    buttonLayout_ = v;
    ButtonSettingChanged(CM_TOOLBARBUTTONLAYOUTCHANGED);
}

void TMwToolbar::SetButtonWidth(int v) {
    if (v == buttonWidth_) return;
    buttonWidth_ = v;
    ButtonSettingChanged(CM_TOOLBARBUTTONSIZECHANGED);
}

void TMwToolbar::SetButtonHeight(int v) {
    if (v == buttonHeight_) return;
    buttonHeight_ = v;
    ButtonSettingChanged(CM_TOOLBARBUTTONSIZECHANGED);
}

void TMwToolbar::SetShowButtonCaptions(bool v) {
    if (v == showButtonCaptions_) return;
    showButtonCaptions_ = v;
    ButtonSettingChanged(CM_TOOLBARSHOWCAPTIONCHANGED);
}

void TMwToolbar::SetTextOptions(TMwToolbarTextOptions v) {
    if (v == textOptions_) return;
    textOptions_ = v;
    if (v == TMwToolbarTextOptions::Custom) return;
    struct TMetrics {
        TButtonLayout layout;
        int width, height;
        bool captions;
    };
    const TMetrics metrics = v == TMwToolbarTextOptions::NoTextLabels     ? TMetrics{TButtonLayout::GlyphLeft, 25, 25, false}
                             : v == TMwToolbarTextOptions::ShowTextLabels ? TMetrics{TButtonLayout::GlyphTop, 60, 40, true}
                                                                          : TMetrics{TButtonLayout::GlyphLeft, 60, 25, true};
    changingTextOptions_ = true;
    try {
        SetButtonLayout(metrics.layout);
        SetButtonMetrics(metrics.width, metrics.height, metrics.captions);
        SetRowHeight(orientation_ == TOrientation::Horizontal ? metrics.height : metrics.width);
    } catch (...) {
        changingTextOptions_ = false;
        throw;
    }
    changingTextOptions_ = false;
}

void TMwToolbar::SetButtonMetrics(int width, int height, bool captions) {
    SetShowButtonCaptions(captions);
    SetButtonWidth(width);
    SetButtonHeight(height);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TMwToolbarButton*>(Controls(i))) {
            button->SetBounds(button->Left(), button->Top(), width, height);
            button->SetShowCaption(captions);
            button->SetLayout(captions && height > 30 ? TButtonLayout::GlyphTop : TButtonLayout::GlyphLeft);
        }
    SetRowHeight(orientation_ == TOrientation::Vertical ? width : height);
}

void TMwToolbar::SendToChildren(UINT msg) {
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(msg);
}

void TMwToolbar::SetVisible(bool visible) {
    const bool changed = visible != Visible();
    TMwCustomPanel::SetVisible(visible);
    if (changed) OnVisibleChanged(this);
}

bool TMwToolbar::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "ToolbarControls")) return TMwCustomPanel::ReadExtraProperty(name, value);
    if (value.kind != cl::TValue::Kind::Set) throw cl::EConvertError("ToolbarControls expects a list of names");
    storedNames_.clear();
    for (const std::string& item : value.items) {
        const bool known = std::any_of(storedNames_.begin(), storedNames_.end(),
                                       [&](const std::string& n) { return cl::SameText(n, item); });
        if (!known) storedNames_.push_back(item);
    }
    haveStoredNames_ = true;
    return true;
}

void TMwToolbar::ResolveStoredNames() {
    if (haveStoredNames_ && Owner()) {
        // Names of missing components, of non-controls and of controls placed elsewhere drop out.
        for (const std::string& name : storedNames_) {
            auto* control = dynamic_cast<cl::TControl*>(Owner()->FindComponent(name));
            if (control && control->Parent() == this &&
                std::find(controls_.begin(), controls_.end(), control) == controls_.end())
                controls_.push_back(control);
        }
    }
    // Children the stored order does not name follow in child order.
    for (int i = 0; i < ControlCount(); ++i)
        if (std::find(controls_.begin(), controls_.end(), Controls(i)) == controls_.end()) controls_.push_back(Controls(i));
    storedNames_.clear();
    haveStoredNames_ = false;
}

void TMwToolbar::Loaded() {
    // The order is fixed before the base class realigns the children.
    controls_.clear();
    ResolveStoredNames();
    TMwCustomPanel::Loaded();
    PositionControls();
    if (autoStyle_) ApplyAutoStyle(Align());
}

void TMwToolbar::ControlListChanged(cl::TControl* control, bool inserted) {
    if (IsLoading()) return;
    if (inserted) {
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) controls_.push_back(control);
    } else {
        controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    }
    PositionControls();
}

void TMwToolbar::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomPanel::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == images_) SetImages(nullptr);
    if (component == regIniFile_) regIniFile_ = nullptr;
}

void TMwToolbar::AlignControls() { PositionControls(); }

void TMwToolbar::RelayoutParent() {
    cl::TControl* parent = Parent();
    if (!parent || !parent->HandleAllocated()) return;
    HWND window = parent->Handle();
    const WPARAM state = IsZoomed(window) ? SIZE_MAXIMIZED : IsIconic(window) ? SIZE_MINIMIZED : SIZE_RESTORED;
    PostMessageA(window, WM_SIZE, state, MAKELPARAM(parent->Width(), parent->Height()));
}

void TMwToolbar::Paint(cl::TCanvas& canvas) {
    if (ThemeAware() && ThemeServices().ThemesEnabled()) {
        ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(TThemedRebar::Root), ClientRect());
        return;
    }
    TMwCustomPanel::Paint(canvas);
    if (background_.Width() <= 0 || background_.Height() <= 0) return;
    const cl::TRect r = AdjustRectForBorders(ClientRect(), true);
    HDC dc = canvas.Handle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    {
        TCompatibleDC source(dc);
        cl::TSelectObject bitmap(source.dc, background_.Handle());
        for (const cl::TPoint& tile : BackgroundTiles(ClientWidth(), ClientHeight(), background_.Width(), background_.Height()))
            BitBlt(dc, r.left + tile.x, r.top + tile.y, background_.Width(), background_.Height(), source.dc, 0, 0, SRCCOPY);
    }
    RestoreDC(dc, saved);
}

void TMwToolbar::PositionControls() {
    if (positioning_ || IsLoading() || IsDestroying()) return;
    positioning_ = true;
    try {
        std::vector<TToolbarSlot> slots;
        for (cl::TControl* c : controls_) slots.push_back({c->Width(), c->Height(), c->Visible(), 0, 0});
        const TToolbarGeometry geometry{Width(), Height(), margin_, topMargin_, rowHeight_, wrapControls_, orientation_,
                                         UseRightToLeftAlignment()};
        const TToolbarRows rows = PositionToolbarSlots(geometry, slots);
        for (size_t i = 0; i < controls_.size(); ++i)
            if (slots[i].visible) controls_[i]->SetBounds(slots[i].left, slots[i].top, slots[i].width, slots[i].height);
        if (autoResize_) {
            const bool horizontal = orientation_ == TOrientation::Horizontal;
            const int byRows = rowHeight_ * rows.rows + (horizontal ? 2 * topMargin_ : topMargin_ + 2);
            int width = Width(), height = Height();
            if (horizontal) {
                if (IsSideAligned(Align()) && rows.widest != 0) width = margin_ + rows.widest;
                else if (IsEdgeAligned(Align())) height = byRows;
            } else {
                if (IsSideAligned(Align())) width = byRows;
                else if (IsEdgeAligned(Align()) && rows.widest != 0) height = margin_ + rows.widest;
            }
            if (width != Width() || height != Height()) {
                Invalidate();
                SetBounds(Left(), Top(), width, height);
                RelayoutParent();
            }
        }
    } catch (...) {
        positioning_ = false;
        throw;
    }
    positioning_ = false;
}
