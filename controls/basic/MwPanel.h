#pragma once
// The framed container that panels, group boxes, the toolbar, the status bar, the splitter and
// its panes build on: an outer border, an optional band of BorderWidth, an inner border, each
// on the chosen sides, then the background (or the parent's image when transparent), an
// optional grid and a word-wrapped caption. Children align inside the borders. The frame can
// come from a frame controller; disabling the panel disables its children and enabling it
// restores the ones that were enabled before.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "classlib/win/DockTree.h"
#include "classlib/win/Panel.h"
#include "controls/basic/MouseTracking.h"
#include "controls/basic/PanelLayout.h"
#include "controls/foundation/FrameModel.h"
#include "controls/foundation/MwFrameNotify.h"

class TMwFrameController;

class TMwCustomPanel : public cl::TCustomControl, public IMwFrameNotify {
    CL_CLASS_INFO()
public:
    explicit TMwCustomPanel(cl::TComponent* owner);
    ~TMwCustomPanel() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    virtual void SetAlignmentVertical(TAlignmentVertical v) { StoreAndInvalidate(alignmentVertical_, v); }
    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v) { StoreAndInvalidate(alignment_, v); }
    TFrameStyle BorderOuter() const { return borders_.outer; }
    virtual void SetBorderOuter(TFrameStyle v) { StoreAndRealign(borders_.outer, v); }
    TFrameStyle BorderInner() const { return borders_.inner; }
    virtual void SetBorderInner(TFrameStyle v) { StoreAndRealign(borders_.inner, v); }
    TSides BorderSides() const { return borders_.sides; }
    virtual void SetBorderSides(TSides v) { StoreAndRealign(borders_.sides, v & sdAll); }
    int BorderWidth() const { return borders_.borderWidth; }
    virtual void SetBorderWidth(int v) { StoreAndRealign(borders_.borderWidth, v < 0 ? 0 : v); }
    // The width of fsStatus and fsPopup borders.
    int BevelWidth() const { return borders_.bevelWidth; }
    void SetBevelWidth(int v) { StoreAndRealign(borders_.bevelWidth, v < 1 ? 1 : v); }
    cl::TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(cl::TColor v) { StoreAndInvalidate(borderColor_, v); }
    cl::TColor BorderHighlight() const { return borderHighlight_; }
    virtual void SetBorderHighlight(cl::TColor v) { StoreAndInvalidate(borderHighlight_, v); }
    cl::TColor BorderShadow() const { return borderShadow_; }
    virtual void SetBorderShadow(cl::TColor v) { StoreAndInvalidate(borderShadow_, v); }
    cl::TColor FlatColor() const { return flatColor_; }
    virtual void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    // Lightens (positive) or darkens (negative) FlatColor for drawing.
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    virtual void SetFlatColorAdjustment(int v) { StoreAndInvalidate(flatColorAdjustment_, v); }
    TMwFrameController* FrameController() const { return frameController_; }
    // Leaves the old controller and joins the new one, which pushes its frame at once.
    virtual void SetFrameController(TMwFrameController* controller);
    cl::TColor GridColor() const { return gridColor_; }
    virtual void SetGridColor(cl::TColor v) { StoreAndInvalidate(gridColor_, v); }
    TMwGridStyle GridStyle() const { return gridStyle_; }
    virtual void SetGridStyle(TMwGridStyle v) { StoreAndInvalidate(gridStyle_, v); }
    int GridXSize() const { return gridXSize_; }
    virtual void SetGridXSize(int v) { StoreAndInvalidate(gridXSize_, v & 0xFFFF); }
    int GridYSize() const { return gridYSize_; }
    virtual void SetGridYSize(int v) { StoreAndInvalidate(gridYSize_, v & 0xFFFF); }
    bool ShowGrid() const { return showGrid_; }
    virtual void SetShowGrid(bool v) { StoreAndInvalidate(showGrid_, v); }
    // Shows the parent's image instead of filling the background.
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool v);
    // Lets the classes built on the panel draw in the platform theme.
    bool ThemeAware() const { return themeAware_; }
    virtual void SetThemeAware(bool v) { StoreAndInvalidate(themeAware_, v); }
    // A resize repaints the whole panel rather than only the strips of its old right and
    // bottom borders.
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool v) { fullRepaint_ = v; }
    // The dock manager paints caption strips with a close glyph for the docked clients.
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool v) { StoreAndInvalidate(showDockClientCaptions_, v); }
    // The pointer's position in client coordinates.
    virtual cl::TPoint GetCursorClientPos();
    // The rectangle inside the borders (and, with includeBand, inside the BorderWidth band).
    virtual cl::TRect AdjustRectForBorders(const cl::TRect& r, bool includeBand) const;
    // The rectangle the frame is painted on: (0, 0, Width, Height).
    virtual cl::TRect GetControlRect() const;
    // Takes the frame of the frame controller when the controller's frame is visible.
    void UpdateFrameFromController() override;

    // A bottom-aligned panel keeps its bottom edge when its height changes, a right-aligned
    // one its right edge.
    void SetBounds(int left, int top, int width, int height) override;
    // Disabling remembers which children were enabled and disables them all; enabling
    // enables them again, with the ones that were disabled before left disabled.
    void SetEnabled(bool enabled) override;
    // Older form resources carry "FrameSides"; it is read and dropped.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;
    // After the panel painted itself.
    cl::TNotifyEvent OnPaint;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    void AlignControls() override;
    void ControlListChanged(cl::TControl* control, bool inserted) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    // The area the children align in.
    virtual cl::TRect AlignArea();
    // Dock sites get the manager with caption strips, and paint double-buffered.
    std::unique_ptr<cl::TDockTree> CreateDockManager() override;
    // Paints the borders and the background and returns the rectangle inside the borders.
    cl::TRect PaintFrameAndBackground(cl::TCanvas& canvas);
    // A border of the panel's style: fsFlat and fsFlatBold in the shaded FlatColor, fsStatus
    // and fsPopup as BevelWidth rings of BorderShadow and BorderHighlight, the others in the
    // system colours.
    cl::TRect PaintPanelBorder(cl::TCanvas& canvas, const cl::TRect& r, TFrameStyle style, TSides sides);
    // FlatColor shaded by FlatColorAdjustment.
    cl::TColor ShadedFlatColor() const;
    virtual void DrawCaption(cl::TCanvas& canvas, cl::TRect r);
    virtual void DrawGrid(cl::TCanvas& canvas, const cl::TRect& r);
    const mw::TPanelBorders& Borders() const { return borders_; }

private:
    void RepaintAfterResize(const WINDOWPOS& position);
    void RememberAndDisableChildren();
    void RestoreChildren();

    TAlignmentVertical alignmentVertical_ = TAlignmentVertical::Center;
    cl::TAlignment alignment_ = cl::TAlignment::Center;
    mw::TPanelBorders borders_;
    cl::TColor borderColor_ = cl::clBtnFace;
    cl::TColor borderHighlight_ = cl::clBtnHighlight;
    cl::TColor borderShadow_ = cl::clBtnShadow;
    cl::TColor flatColor_ = cl::clBtnShadow;
    int flatColorAdjustment_ = 30;
    TMwFrameController* frameController_ = nullptr;
    cl::TColor gridColor_ = cl::clBtnShadow;
    TMwGridStyle gridStyle_ = TMwGridStyle::Dots;
    int gridXSize_ = 8;
    int gridYSize_ = 8;
    bool showGrid_ = false;
    bool transparent_ = false;
    bool themeAware_ = true;
    bool fullRepaint_ = true;
    bool showDockClientCaptions_ = true;

    bool aligning_ = false;
    mw::TMouseTracking mouse_;
    cl::TPoint windowSize_{-1, -1};  // the window's size as last seen, for the resize repaint
    // While the panel is disabled: each child with whether it was enabled before.
    std::vector<std::pair<cl::TControl*, bool>> childEnabled_;
};

class TMwPanel : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwPanel(cl::TComponent* owner) : TMwCustomPanel(owner) {}
};
