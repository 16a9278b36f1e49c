#pragma once
// The framed container that panels, the toolbar, the status bar, the splitter and its panes
// build on: an outer border, an optional band of BorderWidth, an inner border, each on the
// chosen sides, then the background, an optional grid and a word-wrapped caption. Children
// align inside the borders.
//
// This class offers what the program uses so far: the properties, the frame and caption
// painting and the alignment inside the borders; docking and frame controllers come later.

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"
#include "controls/foundation/FrameModel.h"
#include "controls/basic/MouseTracking.h"

enum class TGridStyle { Dots, DottedLines, SolidLines };

class TMwCustomPanel : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwCustomPanel(cl::TComponent* owner);

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical v) { StoreAndInvalidate(alignmentVertical_, v); }
    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v) { StoreAndInvalidate(alignment_, v); }
    TFrameStyle BorderOuter() const { return borderOuter_; }
    virtual void SetBorderOuter(TFrameStyle v) { StoreAndRealign(borderOuter_, v); }
    TFrameStyle BorderInner() const { return borderInner_; }
    virtual void SetBorderInner(TFrameStyle v) { StoreAndRealign(borderInner_, v); }
    TSides BorderSides() const { return borderSides_; }
    virtual void SetBorderSides(TSides v) { StoreAndRealign(borderSides_, v & sdAll); }
    int BorderWidth() const { return borderWidth_; }
    virtual void SetBorderWidth(int v) { StoreAndRealign(borderWidth_, v < 0 ? 0 : v); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { StoreAndRealign(bevelWidth_, v < 1 ? 1 : v); }
    cl::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(cl::TColor v) { StoreAndInvalidate(borderColor_, v); }
    cl::TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(cl::TColor v) { StoreAndInvalidate(borderHighlight_, v); }
    cl::TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(cl::TColor v) { StoreAndInvalidate(borderShadow_, v); }
    cl::TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int v) { StoreAndInvalidate(flatColorAdjustment_, v); }
    cl::TColor GridColor() const { return gridColor_; }
    void SetGridColor(cl::TColor v) { StoreAndInvalidate(gridColor_, v); }
    TGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TGridStyle v) { StoreAndInvalidate(gridStyle_, v); }
    int GridXSize() const { return gridXSize_; }
    void SetGridXSize(int v) { StoreAndInvalidate(gridXSize_, v & 0xFFFF); }
    int GridYSize() const { return gridYSize_; }
    void SetGridYSize(int v) { StoreAndInvalidate(gridYSize_, v & 0xFFFF); }
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool v) { StoreAndInvalidate(showGrid_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { StoreAndInvalidate(transparent_, v); }
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool v) { StoreAndInvalidate(themeAware_, v); }
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool v) { fullRepaint_ = v; }
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool v) { showDockClientCaptions_ = v; }
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool v) { dockSite_ = v; }
    bool UseDockManager() const { return useDockManager_; }
    void SetUseDockManager(bool v) { useDockManager_ = v; }

    // The rectangle inside the borders (and, with includeBand, inside the BorderWidth band).
    cl::TRect AdjustRectForBorders(const cl::TRect& r, bool includeBand) const;

    // A bottom-aligned panel keeps its bottom edge when its height changes, a right-aligned
    // one its right edge.
    void SetBounds(int left, int top, int width, int height) override;

    // Older form resources carry "FrameSides"; it is read and dropped.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;
    cl::TNotifyEvent OnPaint;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    void AlignControls() override;
    // The area the children align in.
    virtual cl::TRect AlignArea();
    // Paints the borders and background and returns the rectangle inside the borders.
    cl::TRect PaintFrameAndBackground(cl::TCanvas& canvas);
    virtual void DrawCaption(cl::TCanvas& canvas, cl::TRect r);
    void DrawGrid(cl::TCanvas& canvas, const cl::TRect& r);


private:
    TAlignmentVertical alignmentVertical_ = TAlignmentVertical::Center;
    cl::TAlignment alignment_ = cl::TAlignment::Center;
    TFrameStyle borderOuter_ = TFrameStyle::Raised;
    TFrameStyle borderInner_ = TFrameStyle::None;
    TSides borderSides_ = sdAll;
    int borderWidth_ = 0;
    int bevelWidth_ = 1;
    cl::TColor borderColor_ = cl::clBtnFace;
    cl::TColor borderHighlight_ = cl::clBtnHighlight;
    cl::TColor borderShadow_ = cl::clBtnShadow;
    cl::TColor flatColor_ = cl::clBtnShadow;
    int flatColorAdjustment_ = 30;
    cl::TColor gridColor_ = cl::clBtnShadow;
    TGridStyle gridStyle_ = TGridStyle::Dots;
    int gridXSize_ = 8;
    int gridYSize_ = 8;
    bool showGrid_ = false;
    bool transparent_ = false;
    bool themeAware_ = true;
    bool fullRepaint_ = true;
    bool showDockClientCaptions_ = true;
    bool dockSite_ = false;
    bool useDockManager_ = false;
    bool aligning_ = false;
    mw::TMouseTracking mouse_;
};

class TMwPanel : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwPanel(cl::TComponent* owner) : TMwCustomPanel(owner) {}
};

