#include "controls/navigation/MwSplitter.h"

#include <windowsx.h>

#include <climits>
#include <cstdlib>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"
#include "classlib/win/Screen.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

namespace {

const cl::TEnumNames kFixedPaneNames{{{"fpUpperLeft", 0}, {"fpLowerRight", 1}}};
const cl::TEnumNames kSelectedPaneNames{{{"spUpperLeft", 0}, {"spLowerRight", 1}}};
const cl::TEnumNames kSplitterStyleNames{{{"ssStandard", 0}, {"ssGroove", 1}, {"ssBump", 2}}};
const cl::TEnumNames kHotSpotDirectionNames{{{"hsdMin", 0}, {"hsdMax", 1}, {"hsdBoth", 2}}};

const char* const kCursorNames[4] = {"MWSPLIT_HORZ", "MWSPLIT_HORZHOTSPOT", "MWSPLIT_VERT", "MWSPLIT_VERTHOTSPOT"};

// Splitters that are finishing loading: while there is one, no splitter aligns its children,
// so that controls moving into the panes do not re-lay out half-loaded splitters.
int loadingSplitters = 0;

class TLoadingSplitter {
public:
    TLoadingSplitter() { ++loadingSplitters; }
    ~TLoadingSplitter() { --loadingSplitters; }
    TLoadingSplitter(const TLoadingSplitter&) = delete;
    TLoadingSplitter& operator=(const TLoadingSplitter&) = delete;
};

// Sets a flag for one scope, cleared again also when the scope ends by an exception.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
};

int ToInt(const std::string& text) {
    try {
        size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw cl::EConvertError("'" + text + "' is not a valid integer value");
}

// White, with black pixels where x + y is odd.
cl::TBitmapHandle MakeCheckerBitmap() {
    static const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    return cl::TBitmapHandle(CreateBitmap(8, 8, 1, 1, rows));
}

void FillTriangle(HDC dc, const POINT (&points)[3], cl::TColor color) {
    cl::TBrushHandle brush(CreateSolidBrush(cl::ColorToRGB(color)));
    cl::TPenHandle pen(CreatePen(PS_SOLID, 1, cl::ColorToRGB(color)));
    cl::TSelectObject selectBrush(dc, brush.Get());
    cl::TSelectObject selectPen(dc, pen.Get());
    Polygon(dc, points, 3);
}

void Line(cl::TCanvas& canvas, cl::TColor color, int x1, int y1, int x2, int y2) {
    canvas.SetPenColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

// ---- pane and pane data ----

const cl::TClassInfo& TMwSplitterPane::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwSplitterPane>("TMwSplitterPane", TMwCustomPanel::StaticClass()).Build();
    return *info;
}

TMwSplitterPane::TMwSplitterPane(TMwSplitter* splitter) : TMwCustomPanel(splitter), splitter_(splitter) {
    SetBorderOuter(TFrameStyle::None);
    SetParent(splitter);
}

void TMwSplitterPane::SetVisible(bool visible) {
    const bool changed = visible != Visible();
    TMwCustomPanel::SetVisible(visible);
    if (changed && splitter_) splitter_->LayoutPanes();
}

void TMwSplitterPane::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_NCHITTEST:
            // The empty area of a pane belongs to the splitter: the bar's cursor and dragging
            // work up to the pane's children.
            if (!DockSite()) {
                m.result = HTTRANSPARENT;
                return;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            TMwCustomPanel::WndProc(m);
            Invalidate();
            return;
        default: break;
    }
    TMwCustomPanel::WndProc(m);
}

const cl::TClassInfo& TMwPaneData::StaticClass() {
    using D = TMwPaneData;
    static const auto info = cl::TClassBuilder<D>("TMwPaneData", cl::TPersistent::StaticClass())
                                 .Color("BorderColor", &D::BorderColor, &D::SetBorderColor)
                                 .Enum<TFrameStyle>("BorderInner", &D::BorderInner, &D::SetBorderInner, kFrameStyleNames)
                                 .Enum<TFrameStyle>("BorderOuter", &D::BorderOuter, &D::SetBorderOuter, kFrameStyleNames)
                                 .Int("BorderWidth", &D::BorderWidth, &D::SetBorderWidth)
                                 .Color("Color", &D::Color, &D::SetColor)
                                 .Color("FlatColor", &D::FlatColor, &D::SetFlatColor)
                                 .Bool("DockSite", &D::DockSite, &D::SetDockSite)
                                 .Bool("ShowDockClientCaptions", &D::ShowDockClientCaptions, &D::SetShowDockClientCaptions)
                                 .Bool("Visible", &D::Visible, &D::SetVisible)
                                 .Build();
    return *info;
}

// ---- splitter ----

const cl::TClassInfo& TMwSplitter::StaticClass() {
    using S = TMwSplitter;
    static const auto info =
        cl::TClassBuilder<S>("TMwSplitter", TMwCustomPanel::StaticClass())
            .Creatable()
            .Enum<TOrientation>("Orientation", &S::Orientation, &S::SetOrientation, kOrientationNames)
            .Int("Position", &S::Position, &S::SetPosition)
            .Int("Percent", &S::Percent, &S::SetPercent)
            .Bool("UsePercent", &S::UsePercent, &S::SetUsePercent)
            .Int("PercentMin", &S::PercentMin, &S::SetPercentMin)
            .Int("PercentMax", &S::PercentMax, &S::SetPercentMax)
            .Int("MarginMin", &S::MarginMin, &S::SetMarginMin)
            .Int("MarginMax", &S::MarginMax, &S::SetMarginMax)
            .Enum<TFixedPane>("FixedPane", &S::FixedPane, &S::SetFixedPane, kFixedPaneNames)
            .Enum<TSelectedPane>("SelectedPane", &S::SelectedPane, &S::SetSelectedPane, kSelectedPaneNames)
            .Int("SplitterWidth", &S::SplitterWidth, &S::SetSplitterWidth)
            .Enum<TSplitterStyle>("SplitterStyle", &S::SplitterStyle, &S::SetSplitterStyle, kSplitterStyleNames)
            .Bool("LockBar", &S::LockBar, &S::SetLockBar)
            .Bool("RealTimeDrag", &S::RealTimeDrag, &S::SetRealTimeDrag)
            .Bool("HotSpotVisible", &S::HotSpotVisible, &S::SetHotSpotVisible)
            .Enum<THotSpotDirection>("HotSpotDirection", &S::HotSpotDirection, &S::SetHotSpotDirection, kHotSpotDirectionNames)
            .Int("HotSpotSizePercent", &S::HotSpotSizePercent, &S::SetHotSpotSizePercent)
            .Color("HotSpotHighlight", &S::HotSpotHighlight, &S::SetHotSpotHighlight)
            .Bool("HotSpotIgnoreMargins", &S::HotSpotIgnoreMargins, &S::SetHotSpotIgnoreMargins)
            .Object("UpperLeft", &S::UpperLeft)
            .Object("LowerRight", &S::LowerRight)
            .Event("OnChange", &S::OnChange)
            .Event("OnChanging", &S::OnChanging)
            .Event("OnHotSpotClick", &S::OnHotSpotClick)
            .Event("OnULGetSiteInfo", &S::OnULGetSiteInfo)
            .Event("OnULDockOver", &S::OnULDockOver)
            .Event("OnULDockDrop", &S::OnULDockDrop)
            .Event("OnULUnDock", &S::OnULUnDock)
            .Event("OnLRGetSiteInfo", &S::OnLRGetSiteInfo)
            .Event("OnLRDockOver", &S::OnLRDockOver)
            .Event("OnLRDockDrop", &S::OnLRDockDrop)
            .Event("OnLRUnDock", &S::OnLRUnDock)
            .Build();
    return *info;
}

TMwSplitter::TMwSplitter(cl::TComponent* owner) : TMwCustomPanel(owner), checker_(MakeCheckerBitmap()) {
    TMwCustomPanel::SetBorderOuter(TFrameStyle::None);
    SetBounds(0, 0, 200, 100);
    for (int i = 0; i < 2; ++i) {
        panes_[i] = new TMwSplitterPane(this);
        data_[i] = std::make_unique<TMwPaneData>(*panes_[i]);
    }
    ForwardDockEvents(*panes_[0], &TMwSplitter::OnULGetSiteInfo, &TMwSplitter::OnULDockOver, &TMwSplitter::OnULDockDrop,
                      &TMwSplitter::OnULUnDock);
    ForwardDockEvents(*panes_[1], &TMwSplitter::OnLRGetSiteInfo, &TMwSplitter::OnLRDockOver, &TMwSplitter::OnLRDockDrop,
                      &TMwSplitter::OnLRUnDock);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int i = 0; i < 4; ++i)
        cursors_[i].Reset(static_cast<HCURSOR>(LoadImageA(instance, kCursorNames[i], IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
    RememberFixedSize();
    LayoutPanes();
}

TMwSplitter::~TMwSplitter() = default;

void TMwSplitter::ForwardDockEvents(TMwSplitterPane& pane, cl::TGetSiteInfoEvent TMwSplitter::*getSiteInfo,
                                    cl::TDockOverEvent TMwSplitter::*dockOver, cl::TDockDropEvent TMwSplitter::*dockDrop,
                                    cl::TUnDockEvent TMwSplitter::*unDock) {
    pane.OnGetSiteInfo = cl::TGetSiteInfoEvent::FromFunction(
        [this, getSiteInfo](cl::TObject*, cl::TControl* client, cl::TRect& influence, cl::TPoint mouse, bool& canDock) {
            (this->*getSiteInfo)(this, client, influence, mouse, canDock);
        });
    pane.OnDockOver = cl::TDockOverEvent::FromFunction(
        [this, dockOver](cl::TObject*, cl::TDragDockObject* source, int x, int y, cl::TDragState state, bool& accept) {
            (this->*dockOver)(this, source, x, y, state, accept);
        });
    pane.OnDockDrop = cl::TDockDropEvent::FromFunction([this, dockDrop](cl::TObject*, cl::TDragDockObject* source, int x, int y) {
        (this->*dockDrop)(this, source, x, y);
    });
    pane.OnUnDock = cl::TUnDockEvent::FromFunction(
        [this, unDock](cl::TObject*, cl::TControl* client, cl::TControl* newTarget, bool& allow) {
            (this->*unDock)(this, client, newTarget, allow);
        });
}

// ---- position ----

int TMwSplitter::BorderOffset() const {
    int offset = BorderWidth();
    for (TFrameStyle style : {BorderOuter(), BorderInner()}) {
        const int width = FrameBorderWidth(style, BevelWidth());
        if (BorderSides() & sdLeft) offset += width;
        if (BorderSides() & sdTop) offset += width;
    }
    return offset;
}

int TMwSplitter::ClampPosition(int p) const {
    if (!panes_[0] || !panes_[1] || !panes_[0]->Visible() || !panes_[1]->Visible()) return p;
    const bool ignoreMargins = hotSpotClosed_ && hotSpotIgnoreMargins_;
    return ClampSplitterPosition(p, {Size(), splitterWidth_, BorderOffset(), ignoreMargins ? 0 : marginMin_,
                                     ignoreMargins ? 0 : marginMax_});
}

void TMwSplitter::SetPosition(int p) { ChangePosition(p, resizing_); }

void TMwSplitter::ChangePosition(int p, bool force) {
    if (IsLoading()) {
        position_ = p;  // clamped once loading ends and the size is known
        return;
    }
    if (!force && p == position_) return;
    p = ClampPosition(p);
    bool allow = true;
    OnChanging(this, p, allow);
    if (!allow) return;
    position_ = p;
    percent_ = PercentOfPosition(p, Size(), splitterWidth_);
    LayoutPanes();
    RememberFixedSize();
    OnChange(this);
}

void TMwSplitter::MoveBarTo(int p) {
    if (p == position_) return;
    SetPosition(p);
    RememberRestorePosition(position_);
}

void TMwSplitter::SetPercent(int v) {
    if (v == percent_) return;
    percent_ = v;
    if (IsLoading()) return;
    SetUsePercent(true);
    SetPosition(PositionOfPercent(v, Size(), splitterWidth_));
}

void TMwSplitter::SetUsePercent(bool v) {
    if (v == usePercent_) return;
    usePercent_ = v;
    if (v) {
        SetFixedPane(TFixedPane::UpperLeft);
        SetPercentMin(percentMin_);
        SetPercentMax(percentMax_);
    }
    if (!IsLoading()) ChangePosition(position_, true);  // clamped to the new margins
}

void TMwSplitter::SetPercentMin(int v) {
    percentMin_ = v < 0 ? 0 : v;
    if (IsLoading() || !usePercent_) return;
    SetMarginMin(RoundHalfEven(percentMin_ / 100.0 * (Size() - splitterWidth_ / 2)));
}

void TMwSplitter::SetPercentMax(int v) {
    percentMax_ = v > 100 ? 100 : v;
    if (IsLoading() || !usePercent_) return;
    const int span = Size() - splitterWidth_ / 2;
    SetMarginMax(span - RoundHalfEven(percentMax_ / 100.0 * span));
}

void TMwSplitter::SetMarginMin(int v) {
    marginMin_ = v < 0 ? 0 : v;
    if (Size() < marginMin_ + marginMax_) marginMin_ = Size() - marginMax_;
}

void TMwSplitter::SetMarginMax(int v) {
    marginMax_ = v < 0 ? 0 : v;
    if (Size() < marginMin_ + marginMax_) marginMax_ = Size() - marginMin_;
}

void TMwSplitter::SetFixedPane(TFixedPane v) {
    if (v == fixedPane_) return;
    fixedPane_ = v;
    if (v == TFixedPane::LowerRight) usePercent_ = false;
    RememberRestorePosition(position_);
    RememberFixedSize();
}

void TMwSplitter::SetOrientation(TOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    if (usePercent_ && !IsLoading()) {
        // The panes turn even where the position stays the same.
        ChangePosition(PositionOfPercent(percent_, Size(), splitterWidth_), true);
        SetPercentMin(percentMin_);
        SetPercentMax(percentMax_);
    } else {
        LayoutPanes();
    }
    DrawSplitterBar();
}

void TMwSplitter::RememberRestorePosition(int p) { restorePosition_ = fixedPane_ == TFixedPane::LowerRight ? Size() - p : p; }

void TMwSplitter::RememberFixedSize() { fixedSize_ = fixedPane_ == TFixedPane::LowerRight ? Size() - position_ : position_; }

// ---- look ----

void TMwSplitter::SetSplitterWidth(int v) {
    v &= 0xFFFF;
    if (v == splitterWidth_) return;
    splitterWidth_ = v;
    if (orientation_ == TOrientation::Vertical) bar_.bottom = bar_.top + v;
    else bar_.right = bar_.left + v;
    LayoutPanes();
    Invalidate();
}

void TMwSplitter::SetSplitterStyle(TSplitterStyle v) {
    splitterStyle_ = v;
    if (v != TSplitterStyle::Standard && splitterWidth_ < 6) SetSplitterWidth(6);
    Invalidate();
}

void TMwSplitter::SetHotSpotVisible(bool v) {
    hotSpotVisible_ = v;
    if (v && splitterWidth_ < 7) SetSplitterWidth(7);
    Invalidate();
}

void TMwSplitter::SetHotSpotDirection(THotSpotDirection v) {
    hotSpotDirection_ = v;
    Invalidate();
}

void TMwSplitter::SetHotSpotHighlight(cl::TColor v) {
    hotSpotHighlight_ = v;
    Invalidate();
}

void TMwSplitter::SetHotSpotSizePercent(int v) {
    hotSpotSizePercent_ = v;
    UpdateHotSpotRect();
    Invalidate();
}

void TMwSplitter::SetBorderOuter(TFrameStyle v) {
    TMwCustomPanel::SetBorderOuter(v);
    LayoutPanes();
}

void TMwSplitter::SetBorderInner(TFrameStyle v) {
    TMwCustomPanel::SetBorderInner(v);
    LayoutPanes();
}

void TMwSplitter::SetBorderSides(TSides v) {
    TMwCustomPanel::SetBorderSides(v);
    LayoutPanes();
}

void TMwSplitter::SetBorderWidth(int v) {
    TMwCustomPanel::SetBorderWidth(v);
    LayoutPanes();
}

// ---- layout ----

cl::TRect TMwSplitter::ClientRect() {
    const cl::TRect client = TMwCustomPanel::ClientRect();
    return DockSite() ? client : AdjustRectForBorders(client, true);
}

void TMwSplitter::UpdateHotSpotRect() { hotSpot_ = SplitterHotSpot(bar_, orientation_, hotSpotSizePercent_); }

void TMwSplitter::AlignControls() {
    if (loadingSplitters == 0) LayoutPanes();
}

void TMwSplitter::LayoutPanes() {
    if (IsLoading() || IsDestroying() || !panes_[0] || !panes_[1]) return;
    const TSplitterRects rects =
        LayoutSplitterPanes(ClientRect(), orientation_, position_, splitterWidth_, panes_[0]->Visible(), panes_[1]->Visible());
    const cl::TRect placed[2] = {rects.upperLeft, rects.lowerRight};
    for (int i = 0; i < 2; ++i) panes_[i]->SetBounds(placed[i].left, placed[i].top, placed[i].Width(), placed[i].Height());
    bar_ = rects.bar;
    UpdateHotSpotRect();
    for (TMwSplitterPane* pane : panes_)
        for (int i = 0; i < pane->ControlCount(); ++i)
            if (auto* nested = dynamic_cast<TMwSplitter*>(pane->Controls(i))) nested->LayoutPanes();
    if (realTimeDrag_)
        for (TMwSplitterPane* pane : panes_) pane->Repaint();
    DrawSplitterBar();
}

void TMwSplitter::SetBounds(int left, int top, int width, int height) {
    const bool sizeChanged = width != Width() || height != Height();
    TMwCustomPanel::SetBounds(left, top, width, height);
    if (sizeChanged && !IsLoading() && !IsDestroying() && panes_[0]) ApplyResizeRule();
}

void TMwSplitter::ApplyResizeRule() {
    TFlagScope resizing(resizing_);
    const int span = Size() - splitterWidth_ / 2;
    if (fixedPane_ == TFixedPane::UpperLeft && usePercent_) {
        marginMin_ = RoundHalfEven(percentMin_ / 100.0 * span);
        marginMax_ = span - RoundHalfEven(percentMax_ / 100.0 * span);
        SetPosition(!hotSpotClosed_ ? PositionOfPercent(percent_, Size(), splitterWidth_) : closedToMin_ ? 0 : span);
    } else if (fixedPane_ == TFixedPane::UpperLeft) {
        SetPosition(position_);
        if (position_ < restorePosition_ && !hotSpotClosed_) SetPosition(restorePosition_);
    } else {
        SetPosition(Size() - fixedSize_);
        if (position_ < restorePosition_ && !hotSpotClosed_) SetPosition(Size() - restorePosition_);
        if (hotSpotClosed_) hotSpotPosition_ = Size() - restorePosition_;
    }
}

// ---- loading ----

void TMwSplitter::Loaded() {
    TLoadingSplitter loading;
    TMwCustomPanel::Loaded();
    HWND focused = GetFocus();
    // The form resource set the position before the splitter had its size: apply it now, as
    // a proportion or clamped to the final size.
    if (usePercent_ && fixedPane_ == TFixedPane::UpperLeft) {
        ApplyResizeRule();
    } else {
        ChangePosition(position_, true);
    }
    RememberRestorePosition(position_);
    LayoutPanes();
    ReparentNamedControls();
    if (focused && GetFocus() != focused && IsWindow(focused)) ::SetFocus(focused);
}

void TMwSplitter::ReparentNamedControls() {
    cl::TComponent* owner = Owner();
    if (!owner) return;
    for (int i = 0; i < 2; ++i) {
        for (const std::string& name : paneNames_[i])
            if (auto* control = dynamic_cast<cl::TControl*>(owner->FindComponent(name))) control->SetParent(panes_[i]);
        paneNames_[i].clear();
    }
}

bool TMwSplitter::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    using Kind = cl::TValue::Kind;
    auto expect = [&](Kind kind) {
        if (value.kind != kind) throw cl::EConvertError("Invalid value for " + name + ": " + cl::KindName(value.kind));
    };
    if (cl::SameText(name, "UpperLeftControls") || cl::SameText(name, "LowerRightControls")) {
        expect(Kind::Set);
        paneNames_[cl::SameText(name, "UpperLeftControls") ? 0 : 1] = value.items;
    } else if (cl::SameText(name, "BarSize")) {
        // Four integers: left, top, right, bottom.
        expect(Kind::StringList);
        if (value.items.size() != 4) throw cl::EConvertError("BarSize needs four integers");
        bar_ = {ToInt(value.items[0]), ToInt(value.items[1]), ToInt(value.items[2]), ToInt(value.items[3])};
        UpdateHotSpotRect();
    } else if (cl::SameText(name, "HotSpotClosed")) {
        expect(Kind::Boolean);
        hotSpotClosed_ = value.boolean;
    } else if (cl::SameText(name, "HotSpotClosedToMin")) {
        expect(Kind::Boolean);
        closedToMin_ = value.boolean;
    } else if (cl::SameText(name, "HotSpotClosedToMax")) {
        expect(Kind::Boolean);
        closedToMax_ = value.boolean;
    } else if (cl::SameText(name, "HotSpotPosition")) {
        expect(Kind::Integer);
        hotSpotPosition_ = static_cast<int>(value.integer);
    } else if (cl::SameText(name, "PositionMin") || cl::SameText(name, "PositionMax")) {
        expect(Kind::Integer);  // retired
    } else {
        return TMwCustomPanel::ReadExtraProperty(name, value);
    }
    return true;
}

// ---- hot spot ----

void TMwSplitter::ToggleHotSpot(bool nearStart) {
    if (hotSpotClosed_) {
        hotSpotClosed_ = closedToMin_ = closedToMax_ = false;
        SetPosition(hotSpotPosition_);
        RememberRestorePosition(position_);
    } else {
        hotSpotPosition_ = position_;
        hotSpotClosed_ = true;
        if (hotSpotDirection_ == THotSpotDirection::Min || (hotSpotDirection_ == THotSpotDirection::Both && nearStart)) {
            closedToMin_ = true;
            SetPosition(0);
        } else {
            closedToMax_ = true;
            SetPosition(INT_MAX);  // clamped to the far limit
        }
    }
    DrawSplitterBar();
    OnHotSpotClick(this);
}

void TMwSplitter::ResetHotSpot() { hotSpotClosed_ = closedToMin_ = closedToMax_ = false; }

// ---- mouse ----

void TMwSplitter::MouseDown(cl::TPoint p) {
    if (!bar_.Contains(p)) return;
    const bool onHotSpot = hotSpotVisible_ && hotSpot_.Contains(p);
    if (!onHotSpot && lockBar_) return;
    SetCapture(Handle());
    dragging_ = true;
    pressedOnHotSpot_ = onHotSpot;
    pressOffset_ = Along(p) - Size() / 2;
    pressPosition_ = position_;
    DrawGhostBar(position_);
    lastGhost_ = position_;
}

void TMwSplitter::MouseMove(cl::TPoint p) {
    if (!dragging_ || (pressedOnHotSpot_ && lockBar_)) return;
    int n = ClampPosition(Along(p) + pressPosition_ - Size() / 2 - pressOffset_);
    bool allow = true;
    OnChanging(this, n, allow);
    if (!allow || n == lastGhost_) return;
    hotSpotClosed_ = closedToMin_ = closedToMax_ = pressedOnHotSpot_ = false;
    DrawGhostBar(lastGhost_);
    DrawGhostBar(n);
    if (realTimeDrag_) {
        SetPosition(n);
        RememberRestorePosition(n);
    }
    lastGhost_ = n;
}

void TMwSplitter::MouseUp(cl::TPoint p) {
    if (!dragging_ && !pressedOnHotSpot_) return;
    dragging_ = false;
    ReleaseCapture();
    if (!realTimeDrag_) {
        DrawGhostBar(lastGhost_);
        SetPosition(lastGhost_);
        RememberRestorePosition(lastGhost_);
    }
    if (!pressedOnHotSpot_) return;
    pressedOnHotSpot_ = false;
    if (!hotSpot_.Contains(p)) return;
    const bool firstHalf = orientation_ == TOrientation::Vertical ? p.x < hotSpot_.left + hotSpot_.Width() / 2
                                                                  : p.y < hotSpot_.top + hotSpot_.Height() / 2;
    ToggleHotSpot(firstHalf);
}

void TMwSplitter::CancelDrag() {
    // Another window took the mouse: take the ghost bar off the screen and leave the bar.
    dragging_ = pressedOnHotSpot_ = false;
    DrawGhostBar(lastGhost_);
}

HCURSOR TMwSplitter::BarCursor(bool onHotSpot) const {
    const bool vertical = orientation_ == TOrientation::Vertical;
    if (HCURSOR own = cursors_[(vertical ? 2 : 0) + (onHotSpot ? 1 : 0)].Get()) return own;
    LPCSTR system = onHotSpot ? IDC_HAND : vertical ? IDC_SIZENS : IDC_SIZEWE;
    return LoadCursorA(nullptr, system);
}

bool TMwSplitter::SetBarCursor() {
    const cl::TPoint p = GetCursorClientPos();
    if (!bar_.Contains(p) || lockBar_) return false;
    SetCursor(BarCursor(hotSpotVisible_ && hotSpot_.Contains(p)));
    return true;
}

void TMwSplitter::TrackHotSpot(bool fromSetCursor) {
    if (!hotSpotVisible_) return;
    const cl::TPoint p = GetCursorClientPos();
    if (hotSpot_.Contains(p)) {
        // With both directions the highlighted half follows the pointer.
        if (pointerOutsideHotSpot_ || (fromSetCursor && hotSpotDirection_ == THotSpotDirection::Both)) DrawHotSpotNow(true, p);
        pointerOutsideHotSpot_ = false;
    } else if (!pointerOutsideHotSpot_) {
        DrawHotSpotNow(false, p);
        pointerOutsideHotSpot_ = true;
    }
}

void TMwSplitter::ShowControl(cl::TControl* child) {
    auto* pane = dynamic_cast<TMwSplitterPane*>(child);
    if (pane && pane->Splitter() == this && !IsLoading() && !pane->Visible()) {
        // The focus may sit in the hidden pane; it comes to the splitter before the layout changes.
        if (HandleAllocated()) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) SetFocus();
        }
        pane->SetVisible(true);
    }
    // The splitter itself may lie in something hidden too.
    TMwCustomPanel::ShowControl(child);
}

void TMwSplitter::WndProc(cl::TMessage& m) {
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_LBUTTONDOWN: MouseDown(point); break;
        case WM_MOUSEMOVE: MouseMove(point); break;
        case WM_LBUTTONUP: MouseUp(point); break;
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(m.lParam) != Handle()) CancelDrag();
            break;
        case WM_MOUSELEAVE: TrackHotSpot(false); break;
        case WM_SETCURSOR:
            if (LOWORD(m.lParam) == HTCLIENT && cl::Screen().Cursor() == cl::crDefault) {
                TrackHotSpot(true);
                if (SetBarCursor()) {
                    m.result = TRUE;
                    return;
                }
            }
            break;
        case WM_SHOWWINDOW:
            if (!IsDestroying())
                for (TMwSplitterPane* pane : panes_) pane->Invalidate();
            break;
        default: break;
    }
    TMwCustomPanel::WndProc(m);
}

// ---- painting ----

void TMwSplitter::Paint(cl::TCanvas& canvas) {
    TMwCustomPanel::Paint(canvas);
    DrawSplitterBar(canvas);
}

void TMwSplitter::DrawSplitterBar() {
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    const cl::TWindowDC dc(Handle(), cl::TWindowDC::TArea::Client);
    cl::TCanvas canvas(dc.Handle());
    DrawSplitterBar(canvas);
}

void TMwSplitter::DrawSplitterBar(cl::TCanvas& canvas) {
    if (splitterStyle_ != TSplitterStyle::Standard && bar_.Width() > 0 && bar_.Height() > 0) {
        FillSolid(canvas.Handle(), bar_, Color());
        const TFrameStyle style = splitterStyle_ == TSplitterStyle::Groove ? TFrameStyle::Status : TFrameStyle::Popup;
        const bool vertical = orientation_ == TOrientation::Vertical;
        const int middle = vertical ? bar_.top + bar_.Height() / 2 : bar_.left + bar_.Width() / 2;
        for (int start : {middle - 3, middle}) {
            const cl::TRect strip = vertical ? cl::TRect{bar_.left, start, bar_.right, start + 3}
                                             : cl::TRect{start, bar_.top, start + 3, bar_.bottom};
            PaintBorder(canvas, strip, style);
        }
    }
    if (hotSpotVisible_) DrawHotSpot(canvas, false, {0, 0});
}

void TMwSplitter::DrawHotSpotNow(bool highlighted, cl::TPoint pointer) {
    if (!HandleAllocated()) return;
    const cl::TWindowDC dc(Handle(), cl::TWindowDC::TArea::Client);
    cl::TCanvas canvas(dc.Handle());
    DrawHotSpot(canvas, highlighted, pointer);
}

// Drawn for a horizontal bar (upper and lower panes); a vertical bar swaps x and y.
void TMwSplitter::DrawHotSpot(cl::TCanvas& canvas, bool highlighted, cl::TPoint pointer) {
    const cl::TRect& hot = hotSpot_;
    if (hot.Width() <= 0 || hot.Height() <= 0) return;
    HDC dc = canvas.Handle();
    const bool vertical = orientation_ == TOrientation::Vertical;
    const cl::TRect r = DrawSides(canvas, hot, cl::clBtnShadow, cl::clBtnShadow, sdAll);
    const int cx = hot.left + hot.Width() / 2, cy = hot.top + hot.Height() / 2;
    const bool open = !hotSpotClosed_;

    if (hotSpotDirection_ == THotSpotDirection::Both) {
        FillSolid(dc, r, cl::clBtnFace);
        if (highlighted) {
            // The half on the pointer's side, or all of it when closed.
            cl::TRect lit = r;
            if (open && vertical) (pointer.x < cx ? lit.right : lit.left) = cx;
            if (open && !vertical) (pointer.y < cy ? lit.bottom : lit.top) = cy;
            FillSolid(dc, lit, hotSpotHighlight_);
        }
    } else {
        FillSolid(dc, r, highlighted ? hotSpotHighlight_ : cl::clBtnFace);
    }
    DrawSides(canvas, r, cl::clBtnHighlight, cl::clBtnHighlight, sdLeft | sdTop);

    if (hotSpotDirection_ == THotSpotDirection::Both && open) {
        if (vertical) {
            Line(canvas, cl::clBtnShadow, cx, hot.top, cx, hot.bottom);
            Line(canvas, cl::clBtnHighlight, cx - 1, hot.top + 1, cx - 1, hot.bottom - 1);
        } else {
            Line(canvas, cl::clBtnShadow, hot.left, cy, hot.right, cy);
            Line(canvas, cl::clBtnHighlight, hot.left + 1, cy - 1, hot.right - 1, cy - 1);
        }
    }

    const THotSpotArrows arrows = HotSpotArrows(hotSpotDirection_, hotSpotClosed_, closedToMin_, closedToMax_);
    for (int i = 0; i < 2; ++i) {
        const bool towardStart = i == 0 ? arrows.firstTowardStart : arrows.secondTowardStart;
        if (vertical) {
            const int x = i == 0 ? hot.left + 8 : hot.right - 8, y = cy;
            const POINT up[3] = {{x - 2, y + 1}, {x, y - 1}, {x + 2, y + 1}};
            const POINT down[3] = {{x - 2, y - 1}, {x, y + 1}, {x + 2, y - 1}};
            FillTriangle(dc, towardStart ? up : down, cl::clHighlight);
        } else {
            const int x = cx, y = i == 0 ? hot.top + 8 : hot.bottom - 8;
            const POINT left[3] = {{x + 1, y - 2}, {x - 1, y}, {x + 1, y + 2}};
            const POINT right[3] = {{x - 1, y - 2}, {x + 1, y}, {x - 1, y + 2}};
            FillTriangle(dc, towardStart ? left : right, cl::clHighlight);
        }
    }

    const COLORREF light = cl::ColorToRGB(cl::clHighlightText), dark = cl::ColorToRGB(cl::clHighlight);
    const int dots = HotSpotGripDotCount(vertical ? hot.Width() : hot.Height());
    for (int i = 0; i < dots; ++i) {
        const int at = (vertical ? hot.left : hot.top) + 15 + 3 * i;
        if (hotSpotDirection_ == THotSpotDirection::Both && open && std::abs(at - (vertical ? cx : cy)) <= 3) continue;
        const int x = vertical ? at : cx, y = vertical ? cy : at;
        SetPixel(dc, x, y, light);
        SetPixel(dc, x + 1, y + 1, dark);
    }
}

// An inverted, half-toned bar on the screen; drawing it twice at one place restores the screen.
void TMwSplitter::DrawGhostBar(int p) {
    if (realTimeDrag_ || !HandleAllocated()) return;
    const int o = BorderOffset();
    POINT at = orientation_ == TOrientation::Vertical ? POINT{o, o + p} : POINT{o + p, o};
    ::ClientToScreen(Handle(), &at);
    cl::TBrushHandle brush(CreatePatternBrush(checker_.Get()));
    const cl::TScreenDC screen;
    const HDC dc = screen.Handle();
    {
        cl::TSelectObject selectBrush(dc, brush.Get());
        cl::TSelectObject selectPen(dc, GetStockObject(NULL_PEN));
        // The pattern's white pixels take the background colour, its black ones the text colour.
        const COLORREF oldBack = SetBkColor(dc, RGB(128, 128, 128));
        const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        PatBlt(dc, at.x, at.y, bar_.Width(), bar_.Height(), PATINVERT);
        SetBkColor(dc, oldBack);
        SetTextColor(dc, oldText);
    }
}
