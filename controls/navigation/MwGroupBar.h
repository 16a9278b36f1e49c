#pragma once
// A vertical task pane that stacks collapsible groups (TMwGroup), each with a caption and a
// list of clickable, action-linked items. Category view: groups with open/close buttons and
// optional exclusive opening; task list: groups always open; outlook: one group open, filling
// the height the other captions leave.
//
// This class offers what the program uses so far: the properties, the group layout and the
// classic look in a plain background; scrolling, gradients and themes come later.

#include <vector>

#include "classlib/win/Control.h"
#include "controls/foundation/FrameModel.h"

namespace cl {
class TCustomImageList;
}

class TMwGroup;

enum class TMwGroupBarStyle { CategoryView, TaskList, Outlook };

class TMwGroupBar : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwGroupBar(cl::TComponent* owner);
    ~TMwGroupBar() override;

    TMwGroupBarStyle Style() const { return style_; }
    // Resets the colour, the group gap and the gradients to the style's, and restyles the groups.
    void SetStyle(TMwGroupBarStyle style);
    bool ExclusiveMode() const { return exclusiveMode_; }
    // Category view only: turning it on opens the first group and closes the others.
    void SetExclusiveMode(bool v);
    int GroupBorderSize() const { return groupBorderSize_; }
    void SetGroupBorderSize(int v) { StoreAndRealign(groupBorderSize_, v); }
    bool UseGradients() const { return useGradients_; }
    void SetUseGradients(bool v) { StoreAndInvalidate(useGradients_, v); }
    int ColorAdjustment() const { return colorAdjustment_; }
    void SetColorAdjustment(int v) { StoreAndInvalidate(colorAdjustment_, v); }
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool v) { StoreAndInvalidate(themeAware_, v); }
    TFrameStyle BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyle v) { StoreAndRealign(borderInner_, v); }
    TFrameStyle BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyle v) { StoreAndRealign(borderOuter_, v); }
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides v) { StoreAndRealign(borderSides_, v & sdAll); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { StoreAndRealign(borderWidth_, v < 0 ? 0 : v); }
    cl::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(cl::TColor v) { StoreAndInvalidate(borderColor_, v); }
    cl::TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(cl::TColor v) { StoreAndInvalidate(borderHighlight_, v); }
    cl::TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(cl::TColor v) { StoreAndInvalidate(borderShadow_, v); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { StoreAndRealign(bevelWidth_, v < 1 ? 1 : v); }
    cl::TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    cl::TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(cl::TCustomImageList* images);
    cl::TCustomImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(cl::TCustomImageList* images);

    int GroupCount() const { return static_cast<int>(groups_.size()); }
    TMwGroup* Groups(int index) const { return groups_.at(static_cast<size_t>(index)); }
    int IndexOfGroup(const TMwGroup* group) const;
    // Called by the groups as they join, move and leave the bar.
    void AddGroup(TMwGroup* group);
    void RemoveGroup(TMwGroup* group);
    void MoveGroup(TMwGroup* group, int index);
    // Positions every group.
    void Layout();

    void Loaded() override;

protected:
    void AlignControls() override;
    void Paint(cl::TCanvas& canvas) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    // The client area inside the borders.
    cl::TRect GroupArea();

    std::vector<TMwGroup*> groups_;
    TMwGroupBarStyle style_ = TMwGroupBarStyle::CategoryView;
    bool exclusiveMode_ = false;
    int groupBorderSize_ = 8;
    bool useGradients_ = true;
    int colorAdjustment_ = 30;
    bool themeAware_ = true;
    TFrameStyle borderInner_ = TFrameStyle::None;
    TFrameStyle borderOuter_ = TFrameStyle::None;
    TSides borderSides_ = sdAll;
    int borderWidth_ = 0;
    cl::TColor borderColor_ = cl::clBtnFace;
    cl::TColor borderHighlight_ = cl::clBtnHighlight;
    cl::TColor borderShadow_ = cl::clBtnShadow;
    int bevelWidth_ = 1;
    cl::TColor flatColor_ = cl::clBtnShadow;
    cl::TCustomImageList* smallImages_ = nullptr;
    cl::TCustomImageList* largeImages_ = nullptr;
    bool laying_ = false;
};
