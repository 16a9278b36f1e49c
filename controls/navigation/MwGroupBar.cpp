#include "controls/navigation/MwGroupBar.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/navigation/GroupBarLayout.h"
#include "controls/navigation/MwGroup.h"

using namespace mw;

namespace {
const cl::TEnumNames kGroupBarStyleNames{{{"gbsCategoryView", 0}, {"gbsTaskList", 1}, {"gbsOutlook", 2}}};
}

const cl::TClassInfo& TMwGroupBar::StaticClass() {
    using B = TMwGroupBar;
    static const auto info = cl::TClassBuilder<B>("TMwGroupBar", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Enum<TMwGroupBarStyle>("Style", &B::Style, &B::SetStyle, kGroupBarStyleNames)
                                 .Bool("ExclusiveMode", &B::ExclusiveMode, &B::SetExclusiveMode)
                                 .Int("GroupBorderSize", &B::GroupBorderSize, &B::SetGroupBorderSize)
                                 .Bool("UseGradients", &B::UseGradients, &B::SetUseGradients)
                                 .Int("ColorAdjustment", &B::ColorAdjustment, &B::SetColorAdjustment)
                                 .Bool("ThemeAware", &B::ThemeAware, &B::SetThemeAware)
                                 .Enum<TFrameStyle>("BorderInner", &B::BorderInner, &B::SetBorderInner, kFrameStyleNames)
                                 .Enum<TFrameStyle>("BorderOuter", &B::BorderOuter, &B::SetBorderOuter, kFrameStyleNames)
                                 .Set("BorderSides", &B::BorderSides, &B::SetBorderSides, kSideNames)
                                 .Int("BorderWidth", &B::BorderWidth, &B::SetBorderWidth)
                                 .Color("BorderColor", &B::BorderColor, &B::SetBorderColor)
                                 .Color("BorderHighlight", &B::BorderHighlight, &B::SetBorderHighlight)
                                 .Color("BorderShadow", &B::BorderShadow, &B::SetBorderShadow)
                                 .Int("BevelWidth", &B::BevelWidth, &B::SetBevelWidth)
                                 .Color("FlatColor", &B::FlatColor, &B::SetFlatColor)
                                 .Ref<cl::TCustomImageList>("SmallImages", &B::SmallImages, &B::SetSmallImages)
                                 .Ref<cl::TCustomImageList>("LargeImages", &B::LargeImages, &B::SetLargeImages)
                                 .Build();
    return *info;
}

TMwGroupBar::TMwGroupBar(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 160, 250);
    SetColor(cl::clBtnShadow);
    SetAlign(cl::TAlign::Left);
}

TMwGroupBar::~TMwGroupBar() {
    for (TMwGroup* group : groups_) group->SetGroupBar(nullptr);
}

void TMwGroupBar::SetStyle(TMwGroupBarStyle style) {
    if (style == style_) return;
    style_ = style;
    switch (style) {
        case TMwGroupBarStyle::CategoryView:
            SetColor(cl::clBtnShadow);
            groupBorderSize_ = 8;
            useGradients_ = true;
            break;
        case TMwGroupBarStyle::TaskList:
            SetColor(cl::clWindow);
            groupBorderSize_ = 4;
            useGradients_ = false;
            break;
        case TMwGroupBarStyle::Outlook:
            SetColor(cl::clBtnShadow);
            groupBorderSize_ = 0;
            useGradients_ = false;
            break;
    }
    for (TMwGroup* group : groups_) group->ApplyBarStyle(style);
    Realign();
    Invalidate();
}

void TMwGroupBar::SetExclusiveMode(bool v) {
    if (style_ != TMwGroupBarStyle::CategoryView || v == exclusiveMode_) return;
    exclusiveMode_ = v;
    if (!v || groups_.empty()) return;
    groups_.front()->Open();
    for (size_t i = 1; i < groups_.size(); ++i) groups_[i]->Close();
}

void TMwGroupBar::SetSmallImages(cl::TCustomImageList* images) {
    if (smallImages_) RemoveFreeNotification(smallImages_);
    smallImages_ = images;
    if (images) FreeNotification(images);
    for (TMwGroup* group : groups_) group->UpdateLayout();
}

void TMwGroupBar::SetLargeImages(cl::TCustomImageList* images) {
    if (largeImages_) RemoveFreeNotification(largeImages_);
    largeImages_ = images;
    if (images) FreeNotification(images);
    Realign();
    for (TMwGroup* group : groups_) group->Invalidate();
}

void TMwGroupBar::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == smallImages_) smallImages_ = nullptr;
    if (component == largeImages_) largeImages_ = nullptr;
}

int TMwGroupBar::IndexOfGroup(const TMwGroup* group) const {
    const auto it = std::find(groups_.begin(), groups_.end(), group);
    return it == groups_.end() ? -1 : static_cast<int>(it - groups_.begin());
}

void TMwGroupBar::AddGroup(TMwGroup* group) {
    if (IndexOfGroup(group) >= 0) return;
    groups_.push_back(group);
    group->ApplyBarStyle(style_);
    Realign();
}

void TMwGroupBar::RemoveGroup(TMwGroup* group) {
    const int index = IndexOfGroup(group);
    if (index < 0) return;
    const bool reopen = style_ == TMwGroupBarStyle::Outlook || (style_ == TMwGroupBarStyle::CategoryView && exclusiveMode_);
    const auto firstOpened = std::find_if(groups_.begin(), groups_.end(), [](TMwGroup* g) { return g->Opened(); });
    const bool wasFirstOpened = firstOpened != groups_.end() && *firstOpened == group;
    groups_.erase(groups_.begin() + index);
    // The group that held the open place hands it on.
    if (reopen && wasFirstOpened && !groups_.empty() && !IsDestroying())
        groups_[static_cast<size_t>(index > 0 ? index - 1 : 0)]->Open();
    Realign();
}

void TMwGroupBar::MoveGroup(TMwGroup* group, int index) {
    const int from = IndexOfGroup(group);
    if (from < 0) return;
    groups_.erase(groups_.begin() + from);
    groups_.insert(groups_.begin() + index, group);
    Realign();
}

cl::TRect TMwGroupBar::GroupArea() {
    cl::TRect r = ClientRect();
    r = InsetSides(r, FrameBorderWidth(borderOuter_, bevelWidth_), borderSides_);
    r = InsetSides(r, borderWidth_, borderSides_);
    return InsetSides(r, FrameBorderWidth(borderInner_, bevelWidth_), borderSides_);
}

void TMwGroupBar::AlignControls() { Layout(); }

void TMwGroupBar::Layout() {
    if (laying_ || IsLoading() || IsDestroying() || groups_.empty()) return;
    laying_ = true;
    try {
        const cl::TRect area = GroupArea();
        const int border = groupBorderSize_;
        std::vector<TGroupRequest> requests;
        for (TMwGroup* g : groups_) {
            int height = g->CaptionHeight();
            if (g->Opened() || style_ == TMwGroupBarStyle::TaskList)
                height = g->Items()->Count() == 0 ? g->OpenedHeight() : g->HeightForWidth(area.Width() - 2 * border);
            requests.push_back({g->Visible(), g->Opened(), height, g->CaptionHeight()});
        }
        const std::vector<cl::TRect> placed = style_ == TMwGroupBarStyle::Outlook
                                                  ? ShareGroups(requests, area.Width(), area.Height(), border)
                                                  : StackGroups(requests, area.Width(), border, 0);
        for (size_t i = 0; i < groups_.size(); ++i) {
            const cl::TRect& r = placed[i];
            groups_[i]->SetBounds(area.left + r.left, area.top + r.top, r.Width(), r.Height());
            groups_[i]->Invalidate();
        }
    } catch (...) {
        laying_ = false;
        throw;
    }
    laying_ = false;
}

void TMwGroupBar::Loaded() {
    cl::TCustomControl::Loaded();
    Layout();
}

void TMwGroupBar::Paint(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const TFrameColors colors{flatColor_, borderHighlight_, borderShadow_, bevelWidth_};
    cl::TRect r = ClientRect();
    r = PaintFrame(canvas, r, borderOuter_, borderSides_, colors);
    if (borderWidth_ > 0) r = PaintBevel(canvas, r, borderColor_, borderColor_, borderWidth_, borderSides_);
    r = PaintFrame(canvas, r, borderInner_, borderSides_, colors);
    FillSolid(dc, r, Color());
}
