#pragma once
// A custom-drawn tab strip with a card: it keeps a list of tab records, draws them in one of
// four shapes on any side, and selects tabs by mouse, keyboard and accelerator characters, with
// hot tracking, per-tab hints, a scroller for a strip that does not fit and a close button.
// It publishes nothing itself: TMwPageControl publishes its properties and makes its tabs
// from tab sheets.
//
// The layout is computed lazily: a layout setting marks it dirty and repaints, and the next
// paint (or hit test, or alignment of the children) lays the tabs out again. Painting goes
// through one off-screen bitmap (MwTabsPaint.cpp).

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Timer.h"
#include "controls/foundation/FrameModel.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/navigation/MwTabColors.h"
#include "controls/navigation/MwTabRegionCache.h"
#include "controls/navigation/TabData.h"
#include "controls/navigation/TabEnums.h"
#include "controls/navigation/TabFrameCommands.h"
#include "controls/navigation/TabShapes.h"
#include "controls/navigation/TabStrip.h"

namespace cl {
class TCanvas;
}  // namespace cl

class TMwTabScroller;
class TMwTabCloseButton;

using TMwTabChangingEvent = cl::TEvent<cl::TObject*, int, bool&>;
using TMwTabCloseEvent = cl::TEvent<cl::TObject*, bool&>;
using TMwGetTextColorEvent = cl::TEvent<cl::TObject*, int, TMwTextStyle, cl::TColor&, bool&>;
using TMwPaintBackgroundEvent = cl::TEvent<cl::TObject*, cl::TCanvas&, cl::TRect, bool&>;
using TMwPaintCardBackgroundEvent = cl::TEvent<cl::TObject*, cl::TCanvas&, int, cl::TRect, bool&>;
using TMwPaintTabBackgroundEvent = cl::TEvent<cl::TObject*, cl::TCanvas&, int, cl::TRect, bool&>;

class TMwCustomTabControl : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    static constexpr int kHotTrackInterval = 60;  // milliseconds

    explicit TMwCustomTabControl(cl::TComponent* owner);
    ~TMwCustomTabControl() override;

    // ---- tabs and selection ----
    // Callers that change the tab records call LayoutChanged afterwards.
    TMwTabDataList& Tabs() { return tabs_; }
    const TMwTabDataList& Tabs() const { return tabs_; }
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    // The tab under a point of the client area, or -1.
    int TabAtPoint(cl::TPoint point);
    // Where a tab is drawn (client coordinates, right and bottom inclusive).
    cl::TRect TabRect(int index);
    int HotTabIndex() const { return hotTabIndex_; }
    int FirstShownTab();
    bool ScrollingNeeded();
    // Marks the layout dirty and repaints; the page control makes its tabs again first.
    virtual void LayoutChanged();
    // Tabs hidden or shown all at once (the page control acts on its sheets).
    virtual void HideAllTabs() {}
    virtual void ShowAllTabs() {}
    // Selects the enabled, visible tab whose accelerator is key; true when one took it.
    bool DialogChar(char key);

    // ---- layout settings ----
    bool AlignTabs() const { return strip_.settings.alignTabs; }
    void SetAlignTabs(bool v);
    bool BoldCurrentTab() const { return strip_.settings.boldCurrentTab; }
    void SetBoldCurrentTab(bool v) { StoreAndLayout(strip_.settings.boldCurrentTab, v); }
    int CutCornerSize() const { return strip_.settings.cutCornerSize; }
    void SetCutCornerSize(int v);
    int ImageMargin() const { return strip_.settings.imageMargin; }
    void SetImageMargin(int v) { StoreNonNegativeAndLayout(strip_.settings.imageMargin, v); }
    TMwImagePosition ImagePosition() const { return strip_.settings.imagePosition; }
    void SetImagePosition(TMwImagePosition v) { StoreAndLayout(strip_.settings.imagePosition, v); }
    cl::TCustomImageList* Images() const { return images_; }
    void SetImages(cl::TCustomImageList* images);
    int Margin() const { return strip_.settings.margin; }
    void SetMargin(int v) { StoreNonNegativeAndLayout(strip_.settings.margin, v); }
    bool MultiLine() const { return strip_.settings.multiLine; }
    void SetMultiLine(bool v) { StoreAndLayout(strip_.settings.multiLine, v); }
    int RowIndent() const { return strip_.settings.rowIndent; }
    void SetRowIndent(int v) { StoreNonNegativeAndLayout(strip_.settings.rowIndent, v); }
    int RowOverlap() const { return strip_.settings.rowOverlap; }
    void SetRowOverlap(int v) { StoreNonNegativeAndLayout(strip_.settings.rowOverlap, v); }
    bool ShowCardFrame() const { return strip_.settings.showCardFrame; }
    void SetShowCardFrame(bool v) { StoreAndLayout(strip_.settings.showCardFrame, v); }
    bool ShowCloseButton() const { return strip_.settings.showCloseButton; }
    void SetShowCloseButton(bool v);
    bool ShowFullFrame() const { return strip_.settings.showFullFrame; }
    void SetShowFullFrame(bool v);
    bool ShowShadow() const { return strip_.settings.showShadow; }
    void SetShowShadow(bool v);
    int TabHeight() const { return strip_.settings.tabHeight; }
    void SetTabHeight(int v) { StoreNonNegativeAndLayout(strip_.settings.tabHeight, v); }
    int TabWidth() const { return strip_.settings.tabWidth; }
    void SetTabWidth(int v) { StoreNonNegativeAndLayout(strip_.settings.tabWidth, v); }
    TMwTabOrientation TabOrientation() const { return strip_.settings.side; }
    void SetTabOrientation(TMwTabOrientation v);
    TMwTabSequence TabSequence() const { return strip_.settings.sequence; }
    void SetTabSequence(TMwTabSequence v) { StoreAndLayout(strip_.settings.sequence, v); }
    TMwTabStyle TabStyle() const { return strip_.settings.style; }
    void SetTabStyle(TMwTabStyle v) { StoreAndLayout(strip_.settings.style, v); }
    TOrientation TextOrientation() const {
        return strip_.settings.verticalText ? TOrientation::Vertical : TOrientation::Horizontal;
    }
    void SetTextOrientation(TOrientation v);
    // The depth of a tab row ("FixedDimension" in form resources); every layout sets it anew.
    int FixedDimension() const { return strip_.FixedDimension(); }
    void SetFixedDimension(int v) { strip_.SetFixedDimension(v); }
    int RowCount();
    void SetRowCount(int rows) { strip_.SetRows(rows); }
    // Without a card the tabs fill the whole control and no room is left for children.
    bool HasCard() const { return strip_.settings.hasCard; }
    void SetHasCard(bool v) { StoreAndLayout(strip_.settings.hasCard, v); }
    // How many tab regions are kept; -1 keeps all until the next layout. 0 and values below -1
    // are ignored.
    int RegionCacheCapacity() const { return regionCache_.Capacity(); }
    void SetRegionCacheCapacity(int capacity);

    // ---- paint settings ----
    // The parent's colour while ParentBackgroundColor is set.
    cl::TColor BackgroundColor() const;
    void SetBackgroundColor(cl::TColor v);
    bool ParentBackgroundColor() const { return parentBackgroundColor_; }
    void SetParentBackgroundColor(bool v);
    cl::TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(cl::TColor v);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int v);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v);
    cl::TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(cl::TColor v) { StoreAndRepaint(hotTrackColor_, v); }
    TMwHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TMwHotTrackColorType v) { StoreAndRepaint(hotTrackColorType_, v); }
    TMwHotTrackStyle HotTrackStyle() const { return hotTrackStyle_; }
    void SetHotTrackStyle(TMwHotTrackStyle v) { StoreAndRepaint(hotTrackStyle_, v); }
    TMwHorizontalAlignment ImageAlignment() const { return imageAlignment_; }
    void SetImageAlignment(TMwHorizontalAlignment v) { StoreAndRepaint(imageAlignment_, v); }
    TMwVerticalAlignment ImageAlignmentVertical() const { return imageAlignmentVertical_; }
    void SetImageAlignmentVertical(TMwVerticalAlignment v) { StoreAndRepaint(imageAlignmentVertical_, v); }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool v) { StoreAndRepaint(showFocusRect_, v); }
    TMwTabColors* TabColors() { return &tabColors_; }
    void SetTabColors(const TMwTabColors& colors) { tabColors_.Assign(colors); }
    TMwTextColors* TextColors() { return &textColors_; }
    void SetTextColors(const TMwTextColors& colors) { textColors_.Assign(colors); }
    bool TabHints() const { return tabHints_; }
    void SetTabHints(bool v);
    TMwHorizontalAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TMwHorizontalAlignment v) { StoreAndRepaint(textAlignment_, v); }
    TMwVerticalAlignment TextAlignmentVertical() const { return textAlignmentVertical_; }
    void SetTextAlignmentVertical(TMwVerticalAlignment v) { StoreAndRepaint(textAlignmentVertical_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { StoreAndRepaint(transparent_, v); }
    bool UseColoredTabs() const { return useColoredTabs_; }
    virtual void SetUseColoredTabs(bool v) { StoreAndRepaint(useColoredTabs_, v); }
    bool UseGradients() const { return useGradients_; }
    void SetUseGradients(bool v) { StoreAndRepaint(useGradients_, v); }

    // ---- the parts made when first needed ----
    TMwTabScroller* Scroller() const { return scroller_; }
    TMwTabCloseButton* CloseButton() const { return closeButton_; }
    // The hot-track timer; tests fire it instead of waiting.
    cl::TTimer& HotTrackTimer() { return hotTrackTimer_; }

    // For the scroller: which arrow does what, and which can act now.
    bool UpRightScrollsTowardEnd() const { return strip_.UpRightScrollsTowardEnd(); }
    bool CanScrollTowardStart();
    bool CanScrollTowardEnd();
    // The scroller's and the close button's handlers.
    void ScrollUpRightClick(cl::TObject* sender);
    void ScrollDownLeftClick(cl::TObject* sender);
    void CloseButtonClick(cl::TObject* sender);

    void Loaded() override;
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnChange;
    TMwTabChangingEvent OnChanging;
    TMwTabCloseEvent OnClose;
    TMwGetTextColorEvent OnGetTextColor;
    TMwPaintBackgroundEvent OnPaintBackground;
    TMwPaintCardBackgroundEvent OnPaintCardBackground;
    TMwPaintTabBackgroundEvent OnPaintTabBackground;
    cl::TNotifyEvent OnTabClick;

protected:
    // The event raisers; each calls its event when one is assigned.
    virtual void Change();
    virtual void Changing(int newIndex, bool& allowChange);
    virtual void GetTextColor(int tabIndex, TMwTextStyle style, cl::TColor& color, bool& handled);
    virtual void TabClick();
    virtual void PaintBackground(cl::TCanvas& canvas, const cl::TRect& rect, bool& handled);
    virtual void PaintCardBackground(cl::TCanvas& canvas, int row, const cl::TRect& rect, bool& handled);
    virtual void PaintTabBackground(cl::TCanvas& canvas, int tabIndex, const cl::TRect& rect, bool& handled);
    // Repaints the whole control (not only the hot tab).
    void RepaintControl();
    // Closing the current tab after OnClose allowed it (nothing here).
    virtual void CloseCurrentTab() {}
    // Whether the tab may become current: it exists, is visible and enabled, and OnChanging
    // allows it (not asked for the current tab).
    bool CanChangeTo(int index);
    // Sets TabIndex without asking OnChanging again (a walk already asked).
    void SetTabIndexAsked(int index);
    // The layout was run for the current settings and size.
    bool LayoutCurrent() const;
    void EnsureLayout();
    cl::TRect DisplayRect();

    void AlignControls() override;
    void CreateParams(TCreateParams& params) override;
    void FontChanged() override;
    // With ParentBackgroundColor the strip shows the parent's new colour.
    void ParentColorChanged() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;

    template <class T, class U>
    void StoreAndRepaint(T& field, const U& value) {
        if (cl::StoreIfChanged(field, value)) RepaintControl();
    }
    template <class T, class U>
    void StoreAndLayout(T& field, const U& value) {
        if (cl::StoreIfChanged(field, value)) LayoutChanged();
    }
    void StoreNonNegativeAndLayout(int& field, int value) {
        if (value >= 0) StoreAndLayout(field, value);
    }

private:
    // ---- behaviour (MwTabs.cpp) ----
    void RunLayout();
    void CheckCurrentTab();
    mw::TTabMetrics Metrics();
    void PlaceButtons();
    void EnsureScroller();
    void EnsureCloseButton();
    void UpdateButtonColors();
    bool HandleKeyDown(WORD key);
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void HotTrackTick();
    void EndHotTracking(bool insideTabArea);
    void InvalidateTabArea();
    void UseVerdanaForVerticalText();
    HDC MeasureDC();

    // ---- painting (MwTabsPaint.cpp) ----
    HRGN TabRegion(int index);
    std::vector<cl::TPoint> MappedOutline(int index);
    void DrawTab(cl::TCanvas& canvas, int index);
    void DrawTabBackground(cl::TCanvas& canvas, int index, const cl::TRect& mapped);
    void DrawTabContent(cl::TCanvas& canvas, int index, const cl::TRect& mapped);
    // The boxes the caption's lines took.
    std::vector<cl::TRect> DrawCaption(cl::TCanvas& canvas, int index, const cl::TRect& area, cl::TColor color, int offset);
    cl::TColor CaptionColor(int index, TMwTextStyle style, cl::TColor defaultColor);
    void DrawBar(cl::TCanvas& canvas, const cl::TRect& mapped, cl::TColor color);
    void DrawCard(cl::TCanvas& canvas, int row);
    void RunFrameCommands(cl::TCanvas& canvas);
    cl::TColor HotBarColor() const;
    mw::TTextDirection TextDirection() const;
    int TabFontEscapement() const;

    TMwTabDataList tabs_;
    mw::TTabStrip strip_{tabs_};
    TMwTabRegionCache regionCache_;
    mw::TFrameCommandList frameCommands_;
    cl::TColor frameColor_ = cl::clBtnShadow;  // the pen colour while frame commands run
    std::unique_ptr<mw::TMemoryBitmap> bitmap_;
    cl::TFont tabFont_;
    TMwTabColors tabColors_;
    TMwTextColors textColors_;
    cl::TTimer hotTrackTimer_{nullptr};
    TMwTabScroller* scroller_ = nullptr;
    TMwTabCloseButton* closeButton_ = nullptr;

    int tabIndex_ = -1;
    int hotTabIndex_ = -1;
    bool layoutDirty_ = true;
    bool layingOut_ = false;
    bool hotTrackOnly_ = false;   // the pending repaint is only for hot tracking
    bool hotTrackPaint_ = false;  // the paint in progress is one
    bool internalChange_ = false;
    bool aligning_ = false;
    std::string savedHint_;
    cl::TRect lastDisplayRect_{-1, -1, -1, -1};

    cl::TColor backgroundColor_ = cl::clBtnFace;
    bool parentBackgroundColor_ = true;
    cl::TColor flatColor_ = cl::clBtnShadow;
    int flatColorAdjustment_ = 0;
    bool hotTrack_ = true;
    cl::TColor hotTrackColor_ = cl::clHighlight;
    TMwHotTrackColorType hotTrackColorType_ = TMwHotTrackColorType::Complement;
    TMwHotTrackStyle hotTrackStyle_ = TMwHotTrackStyle::Tab;
    TMwHorizontalAlignment imageAlignment_ = TMwHorizontalAlignment::Center;
    TMwVerticalAlignment imageAlignmentVertical_ = TMwVerticalAlignment::Center;
    cl::TCustomImageList* images_ = nullptr;
    cl::TChangeLink imageChangeLink_;  // new images may have a new size: lays the tabs out again
    bool showFocusRect_ = true;
    bool tabHints_ = false;
    TMwHorizontalAlignment textAlignment_ = TMwHorizontalAlignment::Center;
    TMwVerticalAlignment textAlignmentVertical_ = TMwVerticalAlignment::Center;
    bool transparent_ = false;
    bool useColoredTabs_ = false;
    bool useGradients_ = true;
};
