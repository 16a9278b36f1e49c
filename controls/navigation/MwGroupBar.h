#pragma once
// A vertical task pane that stacks collapsible groups (TMwGroup), each with a caption and a
// list of clickable, action-linked items. Category view: groups with open/close buttons,
// optional exclusive opening and a gradient background; task list: groups always open, flat;
// outlook: exactly one group open, filling the height the other captions leave. The bar draws
// its own borders in its non-client area, keeps its own vertical scroll bar and position, and
// lays the groups out itself. The groups belong to the form; the bar only lists them.

#include <vector>

#include "classlib/win/Control.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/FrameModel.h"
#include "controls/navigation/GroupBarLayout.h"

class TMwGroup;


class TMwGroupBar : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwGroupBar(cl::TComponent* owner);
    ~TMwGroupBar() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    TMwGroupBarStyle Style() const { return style_; }
    // Gives the colour, the group gap and the gradients the style's values and restyles the
    // groups.
    virtual void SetStyle(TMwGroupBarStyle style);
    bool ExclusiveMode() const { return exclusiveMode_; }
    // Category view only: turning it on opens the first group and closes the others.
    virtual void SetExclusiveMode(bool v);
    // The gap around and between the groups.
    int GroupBorderSize() const { return groupBorderSize_; }
    virtual void SetGroupBorderSize(int v) { StoreAndReframe(groupBorderSize_, v, true); }
    bool UseGradients() const { return useGradients_; }
    virtual void SetUseGradients(bool v);
    // Strength of the background gradient: positive lightens the top, negative darkens the bottom.
    int ColorAdjustment() const { return colorAdjustment_; }
    virtual void SetColorAdjustment(int v) { StoreAndReframe(colorAdjustment_, v, false); }
    // Draws in the platform theme when themes are enabled.
    bool ThemeAware() const { return themeAware_; }
    virtual void SetThemeAware(bool v);
    TFrameStyle BorderInner() const { return borderInner_; }
    virtual void SetBorderInner(TFrameStyle v) { StoreAndReframe(borderInner_, v, true); }
    TFrameStyle BorderOuter() const { return borderOuter_; }
    virtual void SetBorderOuter(TFrameStyle v) { StoreAndReframe(borderOuter_, v, true); }
    TSides BorderSides() const { return borderSides_; }
    virtual void SetBorderSides(TSides v) { StoreAndReframe(borderSides_, v & sdAll, true); }
    // A band of BorderColor between the outer and the inner border.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { StoreAndReframe(borderWidth_, v < 0 ? 0 : v, true); }
    cl::TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(cl::TColor v) { StoreAndReframe(borderColor_, v, false); }
    // The light and dark sides of fsPopup and fsStatus borders.
    cl::TColor BorderHighlight() const { return borderHighlight_; }
    virtual void SetBorderHighlight(cl::TColor v) { StoreAndReframe(borderHighlight_, v, false); }
    cl::TColor BorderShadow() const { return borderShadow_; }
    virtual void SetBorderShadow(cl::TColor v) { StoreAndReframe(borderShadow_, v, false); }
    // The width of fsPopup and fsStatus borders.
    int BevelWidth() const { return bevelWidth_; }
    virtual void SetBevelWidth(int v) { StoreAndReframe(bevelWidth_, v < 1 ? 1 : v, true); }
    cl::TColor FlatColor() const { return flatColor_; }
    virtual void SetFlatColor(cl::TColor v) { StoreAndReframe(flatColor_, v, false); }
    // The images of groups that have none of their own.
    cl::TCustomImageList* SmallImages() const { return smallImages_; }
    virtual void SetSmallImages(cl::TCustomImageList* images);
    cl::TCustomImageList* LargeImages() const { return largeImages_; }
    virtual void SetLargeImages(cl::TCustomImageList* images);

    // ---- the groups, in display order ----
    virtual int GroupCount() const { return static_cast<int>(groups_.size()); }
    virtual TMwGroup* Groups(int index) const { return groups_.at(static_cast<size_t>(index)); }
    int IndexOfGroup(const TMwGroup* group) const;
    // Called by the groups as they join, move and leave the bar.
    void AddGroup(TMwGroup* group);
    void RemoveGroup(TMwGroup* group);
    void MoveGroup(TMwGroup* group, int index);

    // ---- layout and scrolling ----
    // Positions every group (from the scroll position; the outlook style does not scroll).
    void Layout();
    // Lays the groups out again for a change of this group: in exclusive mode an opened group
    // closes the others, and the group is scrolled into view.
    void AlignGroup(TMwGroup* group);
    void ScrollGroupInView(TMwGroup* group);
    // The least width at which no group's items wrap, with room for the scroll bar whether it
    // shows now or not: groups that grow later do not narrow their items.
    int UnwrappedWidth();
    // In pixels from the top of the content.
    int ScrollPosition() const { return scrollPosition_; }
    virtual void SetScrollPosition(int value);
    virtual void UpdateScrollBar();
    // The client area without the borders, also before the window exists.
    cl::TRect ClientRect() override;
    // What the bar paints behind its groups at a point of its client area.
    cl::TColor BackgroundColorAt(cl::TPoint point);
    // Paints the bar's background (gradient or theme) into dc over its client area.
    void PaintBackground(HDC dc);

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(cl::TMessage& message) override;
    void AlignControls() override;
    void Paint(cl::TCanvas& canvas) override;
    void ColorChanged() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    template <class T, class U>
    void StoreAndReframe(T& field, const U& value, bool realign) {
        if (!cl::StoreIfChanged(field, value)) return;
        if (realign) Realign();
        RedrawFrame();
    }
    void AlignFor(TMwGroup* aligned);
    void FocusChanged(cl::TControl* focused);
    int ContentHeight();
    mw::TScrollRange ScrollRange();
    void CloseBottomGap();
    // Moves the groups down by delta pixels (up when negative) and the position back as far.
    void ScrollBy(int delta);
    void RedrawFrame();
    // The client rectangle of a window rectangle: inside the borders and the border band.
    cl::TRect InsideBorders(const cl::TRect& r) const;
    void PaintNonClient();
    void InvalidateGroups();
    void HandleScrollRequest(WPARAM request);

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
    cl::TChangeLink smallImagesLink_;
    cl::TChangeLink largeImagesLink_;

    int scrollPosition_ = 0;
    bool scrolling_ = false;  // groups are being moved by a scroll: no layout meanwhile
    bool aligning_ = false;
};
