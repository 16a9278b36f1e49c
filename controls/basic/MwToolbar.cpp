#include "controls/basic/MwToolbar.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/MwSpacer.h"
#include "controls/basic/MwToolButton.h"
#include "controls/basic/ToolbarLayout.h"

using namespace mw;

namespace {

const cl::TEnumNames kTextOptionsNames{
    {{"ttoNoTextLabels", 0}, {"ttoShowTextLabels", 1}, {"ttoSelectiveTextOnRight", 2}, {"ttoCustom", 3}}};
const cl::TEnumNames kAlignNames{{{"alNone", 0}, {"alTop", 1}, {"alBottom", 2}, {"alLeft", 3}, {"alRight", 4}, {"alClient", 5}}};

bool IsSideAligned(cl::TAlign align) { return align == cl::TAlign::Left || align == cl::TAlign::Right; }
bool IsEdgeAligned(cl::TAlign align) { return align == cl::TAlign::Top || align == cl::TAlign::Bottom; }

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

void TMwToolbar::SetAutoResize(bool v) {
    if (v == autoResize_) return;
    autoResize_ = v;
    PositionControls();
}

void TMwToolbar::SetImages(cl::TCustomImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) FreeNotification(images);
    for (cl::TControl* control : controls_) control->Invalidate();
    Invalidate();
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

void TMwToolbar::ButtonSettingChanged() {
    TellButtons();
    if (!changingTextOptions_) textOptions_ = TMwToolbarTextOptions::Custom;
}

void TMwToolbar::SetButtonLayout(TButtonLayout v) {
    if (v == buttonLayout_) return;
    buttonLayout_ = v;
    ButtonSettingChanged();
}

void TMwToolbar::SetButtonWidth(int v) {
    if (v == buttonWidth_) return;
    buttonWidth_ = v;
    ButtonSettingChanged();
}

void TMwToolbar::SetButtonHeight(int v) {
    if (v == buttonHeight_) return;
    buttonHeight_ = v;
    ButtonSettingChanged();
}

void TMwToolbar::SetShowButtonCaptions(bool v) {
    if (v == showButtonCaptions_) return;
    showButtonCaptions_ = v;
    ButtonSettingChanged();
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
    SetRowHeight(orientation_ == TOrientation::Vertical ? width : height);
}

void TMwToolbar::TellButtons() {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TMwToolButton*>(Controls(i))) button->SyncWithToolbar();
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
    TellButtons();
    PositionControls();
    if (autoStyle_) ApplyAutoStyle(Align());
}

void TMwToolbar::ControlListChanged(cl::TControl* control, bool inserted) {
    if (IsLoading()) return;
    if (inserted) {
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) controls_.push_back(control);
        if (auto* button = dynamic_cast<TMwToolButton*>(control)) button->SyncWithToolbar();
    } else {
        controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    }
    PositionControls();
}

void TMwToolbar::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomPanel::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == images_) images_ = nullptr;
    if (component == regIniFile_) regIniFile_ = nullptr;
}

void TMwToolbar::AlignControls() { PositionControls(); }

void TMwToolbar::PositionControls() {
    if (positioning_ || IsLoading() || IsDestroying()) return;
    positioning_ = true;
    try {
        std::vector<TToolbarSlot> slots;
        for (cl::TControl* c : controls_) slots.push_back({c->Width(), c->Height(), c->Visible(), false, 0, 0});
        const TToolbarGeometry geometry{Width(), Height(), margin_, topMargin_, rowHeight_, wrapControls_, orientation_};
        const TToolbarRows rows = PositionToolbarSlots(geometry, slots);
        for (size_t i = 0; i < controls_.size(); ++i)
            if (slots[i].visible) controls_[i]->SetBounds(slots[i].left, slots[i].top, slots[i].width, slots[i].height);
        if (autoResize_) {
            const bool horizontal = orientation_ == TOrientation::Horizontal;
            const int byRows = rowHeight_ * rows.rows + (horizontal ? 2 * topMargin_ : topMargin_ + 2);
            if (horizontal) {
                if (IsSideAligned(Align()) && rows.widest != 0) SetWidth(margin_ + rows.widest);
                else if (IsEdgeAligned(Align())) SetHeight(byRows);
            } else {
                if (IsSideAligned(Align())) SetWidth(byRows);
                else if (IsEdgeAligned(Align()) && rows.widest != 0) SetHeight(margin_ + rows.widest);
            }
        }
    } catch (...) {
        positioning_ = false;
        throw;
    }
    positioning_ = false;
}
