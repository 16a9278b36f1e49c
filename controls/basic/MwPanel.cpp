#include "controls/basic/MwPanel.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Canvas.h"
#include "controls/basic/ChildAlignment.h"
#include "controls/basic/MwFrameController.h"
#include "controls/basic/MwPanelDockManager.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/ParentBackground.h"

using namespace mw;

namespace {
const cl::TEnumNames kGridStyleNames{{{"gsDots", 0}, {"gsDottedLines", 1}, {"gsSolidLines", 2}}};
}

const cl::TClassInfo& TMwCustomPanel::StaticClass() {
    using P = TMwCustomPanel;
    static const auto info =
        cl::TClassBuilder<P>("TMwCustomPanel", cl::TCustomControl::StaticClass())
            .Enum<TMwAboutInfo>("About", &P::About, &P::SetAbout, kAboutInfoNames)
            .Enum<TAlignmentVertical>("AlignmentVertical", &P::AlignmentVertical, &P::SetAlignmentVertical, kAlignmentVerticalNames)
            .Enum<TFrameStyle>("BorderOuter", &P::BorderOuter, &P::SetBorderOuter, kFrameStyleNames)
            .Enum<TFrameStyle>("BorderInner", &P::BorderInner, &P::SetBorderInner, kFrameStyleNames)
            .Set("BorderSides", &P::BorderSides, &P::SetBorderSides, kSideNames)
            .Color("BorderColor", &P::BorderColor, &P::SetBorderColor)
            .Color("BorderHighlight", &P::BorderHighlight, &P::SetBorderHighlight)
            .Color("BorderShadow", &P::BorderShadow, &P::SetBorderShadow)
            .Color("FlatColor", &P::FlatColor, &P::SetFlatColor)
            .Int("FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment)
            .Ref<TMwFrameController>("FrameController", &P::FrameController, &P::SetFrameController)
            .Color("GridColor", &P::GridColor, &P::SetGridColor)
            .Enum<TMwGridStyle>("GridStyle", &P::GridStyle, &P::SetGridStyle, kGridStyleNames)
            .Int("GridXSize", &P::GridXSize, &P::SetGridXSize)
            .Int("GridYSize", &P::GridYSize, &P::SetGridYSize)
            .Bool("ShowGrid", &P::ShowGrid, &P::SetShowGrid)
            .Bool("Transparent", &P::Transparent, &P::SetTransparent)
            .Bool("ThemeAware", &P::ThemeAware, &P::SetThemeAware)
            .Bool("ShowDockClientCaptions", &P::ShowDockClientCaptions, &P::SetShowDockClientCaptions)
            .Enum<cl::TAlignment>("Alignment", &P::Alignment, &P::SetAlignment, cl::kAlignmentNames)
            .Int("BevelWidth", &P::BevelWidth, &P::SetBevelWidth)
            .Int("BorderWidth", &P::BorderWidth, &P::SetBorderWidth)
            .Bool("FullRepaint", &P::FullRepaint, &P::SetFullRepaint)
            .Event("OnMouseEnter", &P::OnMouseEnter)
            .Event("OnMouseLeave", &P::OnMouseLeave)
            .Event("OnPaint", &P::OnPaint)
            .Build();
    return *info;
}

const cl::TClassInfo& TMwPanel::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwPanel>("TMwPanel", TMwCustomPanel::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomPanel::TMwCustomPanel(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetUseDockManager(true);  // a panel that becomes a dock site lays its clients out
}

TMwCustomPanel::~TMwCustomPanel() {
    if (frameController_) frameController_->UnregisterControl(this);
}

// ---- properties ----

void TMwCustomPanel::SetFrameController(TMwFrameController* controller) {
    if (frameController_) frameController_->UnregisterControl(this);
    frameController_ = controller;
    if (!controller) return;
    controller->RegisterControl(this);
    FreeNotification(controller);
}

void TMwCustomPanel::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TMwCustomPanel::UpdateFrameFromController() {
    if (!frameController_ || !frameController_->FrameVisible()) return;
    borders_.outer = frameController_->FrameStyle();
    borders_.sides = frameController_->FrameSides();
    flatColor_ = frameController_->FrameColor();
    flatColorAdjustment_ = 0;
    SetColor(frameController_->Color());
    SetParentColor(frameController_->ParentColor());
    borderHighlight_ = LightenColor(Color(), 100);
    borderShadow_ = DarkenColor(Color(), 50);
    Invalidate();
}

void TMwCustomPanel::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == frameController_) frameController_ = nullptr;
}

bool TMwCustomPanel::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "FrameSides")) return cl::TCustomControl::ReadExtraProperty(name, value);
    if (value.kind != cl::TValue::Kind::Set) throw cl::EConvertError("FrameSides expects a set of sides");
    return true;
}

// ---- geometry ----

cl::TPoint TMwCustomPanel::GetCursorClientPos() {
    POINT p{};
    GetCursorPos(&p);
    return ScreenToClient({p.x, p.y});
}

cl::TRect TMwCustomPanel::AdjustRectForBorders(const cl::TRect& r, bool includeBand) const {
    return mw::AdjustRectForBorders(r, borders_, includeBand);
}

cl::TRect TMwCustomPanel::GetControlRect() const { return cl::TRect::FromBounds(0, 0, Width(), Height()); }

void TMwCustomPanel::SetBounds(int left, int top, int width, int height) {
    const cl::TRect r = AnchoredBounds(Align(), BoundsRect(), cl::TRect::FromBounds(left, top, width, height));
    cl::TCustomControl::SetBounds(r.left, r.top, r.Width(), r.Height());
}

cl::TRect TMwCustomPanel::AlignArea() { return AdjustRectForBorders(ClientRect(), true); }

void TMwCustomPanel::AlignControls() {
    AlignChildrenIn(*this, AlignArea(), aligning_);
    if (DockManager()) DockManager()->ResetBounds(AlignArea());
}

// ---- docking ----

std::unique_ptr<cl::TDockTree> TMwCustomPanel::CreateDockManager() {
    // The caption strips are painted over the clients' area: off-screen, so they do not flicker.
    SetDoubleBuffered(true);
    return std::make_unique<TMwPanelDockManager>(*this);
}

// ---- enabled state of the children ----

void TMwCustomPanel::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    cl::TCustomControl::SetEnabled(enabled);
    Repaint();
    if (enabled) RestoreChildren();
    else RememberAndDisableChildren();
}

void TMwCustomPanel::RememberAndDisableChildren() {
    childEnabled_.clear();
    for (int i = 0; i < ControlCount(); ++i) childEnabled_.emplace_back(Controls(i), Controls(i)->Enabled());
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(false);
}

void TMwCustomPanel::RestoreChildren() {
    for (int i = 0; i < ControlCount(); ++i) {
        cl::TControl* child = Controls(i);
        const auto record = std::find_if(childEnabled_.begin(), childEnabled_.end(),
                                         [child](const auto& entry) { return entry.first == child; });
        // A child added while the panel was disabled has no record and is enabled too.
        if (record == childEnabled_.end() || record->second) child->SetEnabled(true);
    }
}

void TMwCustomPanel::ControlListChanged(cl::TControl* control, bool inserted) {
    cl::TCustomControl::ControlListChanged(control, inserted);
    // A record must not outlive its child: a new child at the same address would inherit it.
    if (!inserted)
        childEnabled_.erase(std::remove_if(childEnabled_.begin(), childEnabled_.end(),
                                           [control](const auto& entry) { return entry.first == control; }),
                            childEnabled_.end());
}

// ---- messages ----

void TMwCustomPanel::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: OnMouseEnter(this); break;
        case TMouseTracking::TChange::Left: OnMouseLeave(this); break;
        case TMouseTracking::TChange::None: break;
    }
    switch (m.msg) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(m.lParam);
            windowSize_ = {create->cx, create->cy};
            break;
        }
        case WM_WINDOWPOSCHANGED:
            RepaintAfterResize(*reinterpret_cast<const WINDOWPOS*>(m.lParam));
            break;
        case WM_ERASEBKGND:
            if (transparent_) {
                PaintParentBackground(*this, reinterpret_cast<HDC>(m.wParam));
                m.result = 1;
                return;
            }
            break;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
    // Our window class does not repaint a new text by itself.
    if (m.msg == WM_SETTEXT) Invalidate();
}

void TMwCustomPanel::RepaintAfterResize(const WINDOWPOS& position) {
    if (position.flags & SWP_NOSIZE) return;
    const cl::TPoint old = windowSize_;
    windowSize_ = {position.cx, position.cy};
    if (old.x == position.cx && old.y == position.cy) return;
    const TResizeRepaint repaint =
        ResizeRepaintAreas(fullRepaint_ || old.x < 0, !Caption().empty(), borders_, old.x, old.y, position.cx, position.cy);
    if (repaint.whole) {
        Invalidate();
        return;
    }
    for (const cl::TRect& strip : repaint.strips) {
        const RECT rc{strip.left, strip.top, strip.right, strip.bottom};
        InvalidateRect(Handle(), &rc, TRUE);
    }
}

// ---- painting ----

cl::TColor TMwCustomPanel::ShadedFlatColor() const { return ShadeColor(flatColor_, flatColorAdjustment_); }

cl::TRect TMwCustomPanel::PaintPanelBorder(cl::TCanvas& canvas, const cl::TRect& r, TFrameStyle style, TSides sides) {
    return PaintFrame(canvas, r, style, sides, {ShadedFlatColor(), borderHighlight_, borderShadow_, borders_.bevelWidth});
}

cl::TRect TMwCustomPanel::PaintFrameAndBackground(cl::TCanvas& canvas) {
    cl::TRect r = GetControlRect();
    r = PaintPanelBorder(canvas, r, borders_.outer, borders_.sides);
    if (borders_.borderWidth > 0) r = PaintBevel(canvas, r, borderColor_, borderColor_, borders_.borderWidth, borders_.sides);
    r = PaintPanelBorder(canvas, r, borders_.inner, borders_.sides);
    if (!transparent_) FillSolid(canvas.Handle(), r, Color());
    return r;
}

void TMwCustomPanel::Paint(cl::TCanvas& canvas) {
    const cl::TRect r = PaintFrameAndBackground(canvas);
    if (showGrid_) DrawGrid(canvas, r);
    DrawCaption(canvas, r);
    OnPaint(this);
}

void TMwCustomPanel::DrawGrid(cl::TCanvas& canvas, const cl::TRect& r) {
    const TStrokes grid = PlanGrid(r, gridStyle_, gridXSize_, gridYSize_);
    const COLORREF color = cl::ColorToRGB(gridColor_);
    for (const cl::TPoint& p : grid.pixels) SetPixel(canvas.Handle(), p.x, p.y, color);
    canvas.SetPenColor(gridColor_);
    for (const TLine& line : grid.lines) {
        canvas.MoveTo(line.from.x, line.from.y);
        canvas.LineTo(line.to.x, line.to.y);
    }
}

void TMwCustomPanel::DrawCaption(cl::TCanvas& canvas, cl::TRect r) {
    const std::string& text = Caption();
    if (text.empty()) return;
    r.left += 1;
    const UINT align = alignment_ == cl::TAlignment::LeftJustify    ? DT_LEFT
                       : alignment_ == cl::TAlignment::RightJustify ? DT_RIGHT
                                                                    : DT_CENTER;
    const UINT flags = align | DT_WORDBREAK | DT_EXPANDTABS | DT_VCENTER;
    HDC dc = canvas.Handle();
    const HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    RECT measure{r.left, r.top, r.right, r.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, flags | DT_CALCRECT);
    const cl::TRect placed = PlaceCaption(r, measure.bottom - measure.top, alignmentVertical_);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT rc{placed.left, placed.top, placed.right, placed.bottom};
    if (!Enabled()) {
        RECT shifted{rc.left + 1, rc.top + 1, rc.right + 1, rc.bottom + 1};
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnHighlight));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shifted, flags);
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnShadow));
    } else {
        SetTextColor(dc, cl::ColorToRGB(Font()->Color()));
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rc, flags);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}
