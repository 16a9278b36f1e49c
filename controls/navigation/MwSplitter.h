#pragma once
// A two-pane container with a movable bar between the panes. The bar position is kept in
// pixels and in percent of the splitter's size, clamped to margins; one pane can keep its
// size when the splitter is resized; the bar is dragged live or as an inverted ghost bar drawn
// on the screen; and a hot spot on the bar collapses one pane with a click and restores it
// with the next.
//
// A form resource lists the controls of both panes under the splitter, with the stream
// properties "UpperLeftControls" and "LowerRightControls" naming which pane each one goes to
// when loading ends. The cursors over the bar are loaded by name from the program's resources
// ("MWSPLIT_HORZ", "MWSPLIT_HORZHOTSPOT", "MWSPLIT_VERT", "MWSPLIT_VERTHOTSPOT"); a program
// without them gets the system's sizing and hand cursors.

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Persistent.h"
#include "classlib/win/Handles.h"
#include "controls/basic/MwPanel.h"
#include "controls/navigation/SplitterGeometry.h"

class TMwSplitter;

enum class TFixedPane { UpperLeft, LowerRight };
enum class TSelectedPane { UpperLeft, LowerRight };
enum class TSplitterStyle { Standard, Groove, Bump };

// (Sender, NewPos, AllowChange): AllowChange starts true; false vetoes the position.
using TPositionChangingEvent = cl::TEvent<cl::TObject*, int, bool&>;

// One pane: a borderless framed panel. Outside a dock site its empty area lets the pointer
// through to the splitter, and its visibility re-lays out the splitter.
class TMwSplitterPane : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwSplitterPane(TMwSplitter* splitter);
    TMwSplitter* Splitter() const { return splitter_; }
    void SetVisible(bool visible) override;

protected:
    void WndProc(cl::TMessage& message) override;

private:
    TMwSplitter* splitter_;
};

// The published face of a pane: its settings, read from and written to the pane.
class TMwPaneData : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    explicit TMwPaneData(TMwSplitterPane& pane) : pane_(pane) {}

    cl::TColor BorderColor() const { return pane_.BorderColor(); }
    void SetBorderColor(cl::TColor v) { pane_.SetBorderColor(v); }
    TFrameStyle BorderInner() const { return pane_.BorderInner(); }
    void SetBorderInner(TFrameStyle v) { pane_.SetBorderInner(v); }
    TFrameStyle BorderOuter() const { return pane_.BorderOuter(); }
    void SetBorderOuter(TFrameStyle v) { pane_.SetBorderOuter(v); }
    int BorderWidth() const { return pane_.BorderWidth(); }
    void SetBorderWidth(int v) { pane_.SetBorderWidth(v); }
    cl::TColor Color() const { return pane_.Color(); }
    void SetColor(cl::TColor v) { pane_.SetColor(v); }
    cl::TColor FlatColor() const { return pane_.FlatColor(); }
    void SetFlatColor(cl::TColor v) { pane_.SetFlatColor(v); }
    bool DockSite() const { return pane_.DockSite(); }
    void SetDockSite(bool v) { pane_.SetDockSite(v); }
    bool ShowDockClientCaptions() const { return pane_.ShowDockClientCaptions(); }
    void SetShowDockClientCaptions(bool v) { pane_.SetShowDockClientCaptions(v); }
    bool Visible() const { return pane_.Visible(); }
    void SetVisible(bool v) { pane_.SetVisible(v); }

private:
    TMwSplitterPane& pane_;
};

class TMwSplitter : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwSplitter(cl::TComponent* owner);
    ~TMwSplitter() override;

    TMwSplitterPane* UpperLeftPane() const { return panes_[0]; }
    TMwSplitterPane* LowerRightPane() const { return panes_[1]; }
    TMwPaneData* UpperLeft() { return data_[0].get(); }
    TMwPaneData* LowerRight() { return data_[1].get(); }

    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation v);
    int Position() const { return position_; }
    // Clamps, asks OnChanging, stores, sets Percent, lays the panes out and fires OnChange.
    // While a form resource is read it only stores: the splitter has no size yet.
    void SetPosition(int p);
    // Moves the bar and makes the new place the one a resize restores.
    void MoveBarTo(int p);
    int Percent() const { return percent_; }
    // Outside loading also switches UsePercent on and moves the bar there.
    void SetPercent(int v);
    bool UsePercent() const { return usePercent_; }
    void SetUsePercent(bool v);
    int PercentMin() const { return percentMin_; }
    void SetPercentMin(int v);
    int PercentMax() const { return percentMax_; }
    void SetPercentMax(int v);
    int MarginMin() const { return marginMin_; }
    void SetMarginMin(int v);
    int MarginMax() const { return marginMax_; }
    void SetMarginMax(int v);
    TFixedPane FixedPane() const { return fixedPane_; }
    void SetFixedPane(TFixedPane v);
    TSelectedPane SelectedPane() const { return selectedPane_; }
    void SetSelectedPane(TSelectedPane v) { selectedPane_ = v; }
    int SplitterWidth() const { return splitterWidth_; }
    void SetSplitterWidth(int v);
    TSplitterStyle SplitterStyle() const { return splitterStyle_; }
    void SetSplitterStyle(TSplitterStyle v);
    bool LockBar() const { return lockBar_; }
    void SetLockBar(bool v) { lockBar_ = v; }
    bool RealTimeDrag() const { return realTimeDrag_; }
    void SetRealTimeDrag(bool v) { realTimeDrag_ = v; }
    bool HotSpotVisible() const { return hotSpotVisible_; }
    void SetHotSpotVisible(bool v);
    THotSpotDirection HotSpotDirection() const { return hotSpotDirection_; }
    void SetHotSpotDirection(THotSpotDirection v);
    int HotSpotSizePercent() const { return hotSpotSizePercent_; }
    void SetHotSpotSizePercent(int v);
    cl::TColor HotSpotHighlight() const { return hotSpotHighlight_; }
    void SetHotSpotHighlight(cl::TColor v);
    bool HotSpotIgnoreMargins() const { return hotSpotIgnoreMargins_; }
    void SetHotSpotIgnoreMargins(bool v) { hotSpotIgnoreMargins_ = v; }
    bool HotSpotClosed() const { return hotSpotClosed_; }
    bool HotSpotClosedToMin() const { return closedToMin_; }
    bool HotSpotClosedToMax() const { return closedToMax_; }

    cl::TRect BarRect() const { return bar_; }
    cl::TRect HotSpotRect() const { return hotSpot_; }
    // What a click on the hot spot does: opens a closed hot spot, or closes an open one
    // (toward the start when the direction is both ways and nearStart), then OnHotSpotClick.
    void ToggleHotSpot(bool nearStart);
    // Forgets a closed hot spot without moving the bar.
    void ResetHotSpot();
    // Places the panes and the bar; nothing while loading.
    void LayoutPanes();

    void SetBorderOuter(TFrameStyle v) override;
    void SetBorderInner(TFrameStyle v) override;
    void SetBorderSides(TSides v) override;
    void SetBorderWidth(int v) override;
    void SetBounds(int left, int top, int width, int height) override;
    cl::TRect ClientRect() override;
    void Loaded() override;
    // "BarSize", "HotSpotClosed", "HotSpotClosedToMin", "HotSpotClosedToMax",
    // "HotSpotPosition", "UpperLeftControls", "LowerRightControls" and the retired
    // "PositionMin" and "PositionMax".
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnChange;
    TPositionChangingEvent OnChanging;
    cl::TNotifyEvent OnHotSpotClick;
    // The docking events of the upper-left and the lower-right pane, with the splitter as sender.
    cl::TGetSiteInfoEvent OnULGetSiteInfo;
    cl::TDockOverEvent OnULDockOver;
    cl::TDockDropEvent OnULDockDrop;
    cl::TUnDockEvent OnULUnDock;
    cl::TGetSiteInfoEvent OnLRGetSiteInfo;
    cl::TDockOverEvent OnLRDockOver;
    cl::TDockDropEvent OnLRDockDrop;
    cl::TUnDockEvent OnLRUnDock;

protected:
    void AlignControls() override;
    // A hidden pane that is to be shown, or that holds a control to be shown, is made visible.
    void ShowControl(cl::TControl* child) override;
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;

private:
    struct TCursorTraits {
        static HCURSOR Invalid() { return nullptr; }
        static void Close(HCURSOR h) { DestroyCursor(h); }
    };
    using TCursorHandle = cl::TUniqueHandle<HCURSOR, TCursorTraits>;

    // The full size along the bar's axis: the height for upper and lower panes.
    int Size() const { return orientation_ == TOrientation::Vertical ? Height() : Width(); }
    int Along(cl::TPoint p) const { return orientation_ == TOrientation::Vertical ? p.y : p.x; }
    int BorderOffset() const;
    int ClampPosition(int p) const;
    // The position writer; force lays out even when the position stays (after a resize).
    void ChangePosition(int p, bool force);
    void ApplyResizeRule();
    void RememberRestorePosition(int p);
    void RememberFixedSize();
    void UpdateHotSpotRect();
    void ReparentNamedControls();
    // Raises a pane's docking events as the splitter's UL or LR events.
    void ForwardDockEvents(TMwSplitterPane& pane, cl::TGetSiteInfoEvent TMwSplitter::*getSiteInfo,
                           cl::TDockOverEvent TMwSplitter::*dockOver, cl::TDockDropEvent TMwSplitter::*dockDrop,
                           cl::TUnDockEvent TMwSplitter::*unDock);

    void MouseDown(cl::TPoint p);
    void MouseMove(cl::TPoint p);
    void MouseUp(cl::TPoint p);
    void CancelDrag();
    bool SetBarCursor();
    void TrackHotSpot(bool fromSetCursor);

    void DrawGhostBar(int p);
    // Draws the bar's grooves and the hot spot on the window now (nothing without a window).
    void DrawSplitterBar();
    void DrawSplitterBar(cl::TCanvas& canvas);
    void DrawHotSpot(cl::TCanvas& canvas, bool highlighted, cl::TPoint pointer);
    void DrawHotSpotNow(bool highlighted, cl::TPoint pointer);
    HCURSOR BarCursor(bool onHotSpot) const;

    TMwSplitterPane* panes_[2] = {nullptr, nullptr};  // children of the splitter, made in its constructor
    std::unique_ptr<TMwPaneData> data_[2];
    std::vector<std::string> paneNames_[2];  // from the form resource, until loading ends

    TOrientation orientation_ = TOrientation::Horizontal;
    int position_ = 100;
    int percent_ = 50;
    bool usePercent_ = false;
    int percentMin_ = 0;
    int percentMax_ = 100;
    int marginMin_ = 0;
    int marginMax_ = 0;
    TFixedPane fixedPane_ = TFixedPane::UpperLeft;
    TSelectedPane selectedPane_ = TSelectedPane::UpperLeft;
    int splitterWidth_ = 4;
    TSplitterStyle splitterStyle_ = TSplitterStyle::Standard;
    bool lockBar_ = false;
    bool realTimeDrag_ = false;
    bool hotSpotVisible_ = false;
    THotSpotDirection hotSpotDirection_ = THotSpotDirection::Min;
    int hotSpotSizePercent_ = 40;
    cl::TColor hotSpotHighlight_ = cl::clWindow;
    bool hotSpotIgnoreMargins_ = true;

    cl::TRect bar_;
    cl::TRect hotSpot_;
    bool hotSpotClosed_ = false;
    bool closedToMin_ = false;
    bool closedToMax_ = false;
    int hotSpotPosition_ = 100;     // the position before the hot spot closed
    bool pointerOutsideHotSpot_ = true;
    bool dragging_ = false;
    bool pressedOnHotSpot_ = false;
    int pressPosition_ = 0;
    int pressOffset_ = 0;  // the pointer's coordinate at the press, less half the size
    int lastGhost_ = 0;
    int fixedSize_ = 0;
    int restorePosition_ = 100;
    bool resizing_ = false;

    cl::TBitmapHandle checker_;  // 8 x 8, the ghost bar's pattern
    TCursorHandle cursors_[4];   // horizontal, horizontal hot spot, vertical, vertical hot spot
};
