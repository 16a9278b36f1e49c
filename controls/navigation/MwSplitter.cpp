#include "controls/navigation/MwSplitter.h"

#include <windowsx.h>

#include <climits>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/navigation/SplitterGeometry.h"

using namespace mw;

namespace {

const cl::TEnumNames kFixedPaneNames{{{"fpUpperLeft", 0}, {"fpLowerRight", 1}}};
const cl::TEnumNames kSelectedPaneNames{{{"spUpperLeft", 0}, {"spLowerRight", 1}}};
const cl::TEnumNames kSplitterStyleNames{{{"ssStandard", 0}, {"ssGroove", 1}, {"ssBump", 2}}};
const cl::TEnumNames kHotSpotDirectionNames{{{"hsdMin", 0}, {"hsdMax", 1}, {"hsdBoth", 2}}};

int ToInt(const std::string& text) {
    try {
        size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw cl::EConvertError("'" + text + "' is not a valid integer value");
}

void FillTriangle(HDC dc, const POINT (&points)[3], cl::TColor color) {
    HBRUSH brush = CreateSolidBrush(cl::ColorToRGB(color));
    HPEN pen = CreatePen(PS_SOLID, 1, cl::ColorToRGB(color));
    HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
    Polygon(dc, points, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
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
            .Build();
    return *info;
}

TMwSplitter::TMwSplitter(cl::TComponent* owner) : TMwCustomPanel(owner) {
    TMwCustomPanel::SetBorderOuter(TFrameStyle::None);
    SetBounds(0, 0, 200, 100);
    for (int i = 0; i < 2; ++i) {
        panes_[i] = new TMwSplitterPane(this);
        data_[i] = std::make_unique<TMwPaneData>(*panes_[i]);
    }
    RememberFixedSize();
    restorePosition_ = position_;
    LayoutPanes();
}

TMwSplitter::~TMwSplitter() = default;

int TMwSplitter::BorderOffset() const {
    int offset = BorderWidth();
    for (TFrameStyle style : {BorderOuter(), BorderInner()}) {
        const int width = FrameBorderWidth(style, BevelWidth());
        if (BorderSides() & sdLeft) offset += width;
        if (BorderSides() & sdTop) offset += width;
    }
    return offset;
}

int TMwSplitter::Clamp(int p) const {
    if (!panes_[0] || !panes_[1] || !panes_[0]->Visible() || !panes_[1]->Visible()) return p;
    const bool ignoreMargins = hotSpotClosed_ && hotSpotIgnoreMargins_;
    return ClampSplitterPosition(p, {Size(), splitterWidth_, BorderOffset(), ignoreMargins ? 0 : marginMin_, ignoreMargins ? 0 : marginMax_});
}

cl::TRect TMwSplitter::ClientRect() {
    const cl::TRect client = TMwCustomPanel::ClientRect();
    return DockSite() ? client : AdjustRectForBorders(client, true);
}

void TMwSplitter::SetPosition(int p) {
    if (!resizing_ && p == position_) return;
    p = Clamp(p);
    bool allow = true;
    OnChanging(this, p, allow);
    if (!allow) return;
    position_ = p;
    percent_ = PercentOfPosition(p, Size(), splitterWidth_);
    LayoutPanes();
    RememberFixedSize();
    OnChange(this);
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
    // While the form is read the size is not final; the first resize places the bar.
    if (IsLoading()) return;
    resizing_ = true;
    try {
        SetPosition(position_);
    } catch (...) {
        resizing_ = false;
        throw;
    }
    resizing_ = false;
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
        resizing_ = true;
        try {
            SetPosition(PositionOfPercent(percent_, Size(), splitterWidth_));
        } catch (...) {
            resizing_ = false;
            throw;
        }
        resizing_ = false;
        SetPercentMin(percentMin_);
        SetPercentMax(percentMax_);
    } else {
        LayoutPanes();
    }
    Invalidate();
}

void TMwSplitter::SetSplitterWidth(int v) {
    v &= 0xFFFF;
    if (v == splitterWidth_) return;
    splitterWidth_ = v;
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

void TMwSplitter::SetHotSpotSizePercent(int v) {
    hotSpotSizePercent_ = v;
    UpdateHotSpot();
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

void TMwSplitter::RememberRestorePosition(int p) { restorePosition_ = fixedPane_ == TFixedPane::LowerRight ? Size() - p : p; }

void TMwSplitter::RememberFixedSize() { fixedSize_ = fixedPane_ == TFixedPane::LowerRight ? Size() - position_ : position_; }

void TMwSplitter::UpdateHotSpot() { hotSpot_ = SplitterHotSpot(bar_, orientation_, hotSpotSizePercent_); }

void TMwSplitter::AlignControls() { LayoutPanes(); }

void TMwSplitter::LayoutPanes() {
    if (IsLoading() || IsDestroying() || !panes_[0] || !panes_[1]) return;
    const TSplitterRects rects =
        LayoutSplitterPanes(ClientRect(), orientation_, position_, splitterWidth_, panes_[0]->Visible(), panes_[1]->Visible());
    panes_[0]->SetBounds(rects.upperLeft.left, rects.upperLeft.top, rects.upperLeft.Width(), rects.upperLeft.Height());
    panes_[1]->SetBounds(rects.lowerRight.left, rects.lowerRight.top, rects.lowerRight.Width(), rects.lowerRight.Height());
    bar_ = rects.bar;
    UpdateHotSpot();
    for (TMwSplitterPane* pane : panes_)
        for (int i = 0; i < pane->ControlCount(); ++i)
            if (auto* nested = dynamic_cast<TMwSplitter*>(pane->Controls(i))) nested->LayoutPanes();
    if (realTimeDrag_)
        for (TMwSplitterPane* pane : panes_) pane->Repaint();
    Invalidate();
}

void TMwSplitter::SetBounds(int left, int top, int width, int height) {
    const bool sizeChanged = width != Width() || height != Height();
    TMwCustomPanel::SetBounds(left, top, width, height);
    if (sizeChanged) Resized();
}

void TMwSplitter::Resized() {
    if (IsLoading() || IsDestroying() || !panes_[0]) return;
    resizing_ = true;
    try {
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
    } catch (...) {
        resizing_ = false;
        throw;
    }
    resizing_ = false;
}

void TMwSplitter::Loaded() {
    TMwCustomPanel::Loaded();
    RememberRestorePosition(position_);
    LayoutPanes();
    if (cl::TComponent* owner = Owner()) {
        for (int i = 0; i < 2; ++i) {
            for (const std::string& name : paneNames_[i])
                if (auto* control = dynamic_cast<cl::TControl*>(owner->FindComponent(name))) control->SetParent(panes_[i]);
            paneNames_[i].clear();
        }
    }
    // With UsePercent the proportion decides, as every later resize does.
    if (usePercent_) Resized();
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
        UpdateHotSpot();
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
    Invalidate();
    OnHotSpotClick(this);
}

// ---- painting ----

void TMwSplitter::Paint(cl::TCanvas& canvas) {
    TMwCustomPanel::Paint(canvas);
    HDC dc = canvas.Handle();
    if (splitterStyle_ != TSplitterStyle::Standard && bar_.Width() > 0 && bar_.Height() > 0) {
        FillSolid(dc, bar_, Color());
        const TFrameStyle style = splitterStyle_ == TSplitterStyle::Groove ? TFrameStyle::Status : TFrameStyle::Popup;
        const bool vertical = orientation_ == TOrientation::Vertical;
        const int middle = vertical ? bar_.top + bar_.Height() / 2 : bar_.left + bar_.Width() / 2;
        for (int start : {middle - 3, middle}) {
            const cl::TRect strip = vertical ? cl::TRect{bar_.left, start, bar_.right, start + 3} : cl::TRect{start, bar_.top, start + 3, bar_.bottom};
            PaintFrame(canvas, strip, style, sdAll);
        }
    }
    if (hotSpotVisible_) DrawHotSpot(dc, hotSpotHot_);
}

void TMwSplitter::DrawHotSpot(HDC dc, bool highlighted) {
    if (hotSpot_.Width() <= 0 || hotSpot_.Height() <= 0) return;
    cl::TCanvas canvas(dc);
    const cl::TRect inner = PaintBevel(canvas, hotSpot_, cl::clBtnShadow, cl::clBtnShadow, 1, sdAll);
    FillSolid(dc, inner, highlighted ? hotSpotHighlight_ : cl::clBtnFace);
    const bool vertical = orientation_ == TOrientation::Vertical;
    const int cx = hotSpot_.left + hotSpot_.Width() / 2, cy = hotSpot_.top + hotSpot_.Height() / 2;
    // Arrows point the way the hot spot moves the bar: toward the start or the end.
    const bool towardStart = hotSpotClosed_ ? closedToMax_ : hotSpotDirection_ != THotSpotDirection::Max;
    for (int step : {8, -8}) {
        const int x = vertical ? (step > 0 ? hotSpot_.left + 8 : hotSpot_.right - 8) : cx;
        const int y = vertical ? cy : (step > 0 ? hotSpot_.top + 8 : hotSpot_.bottom - 8);
        if (vertical) {
            const POINT up[3] = {{x - 2, y + 1}, {x, y - 1}, {x + 2, y + 1}};
            const POINT down[3] = {{x - 2, y - 1}, {x, y + 1}, {x + 2, y - 1}};
            FillTriangle(dc, towardStart ? up : down, cl::clHighlight);
        } else {
            const POINT left[3] = {{x + 1, y - 2}, {x - 1, y}, {x + 1, y + 2}};
            const POINT right[3] = {{x - 1, y - 2}, {x + 1, y}, {x - 1, y + 2}};
            FillTriangle(dc, towardStart ? left : right, cl::clHighlight);
        }
    }
}

void TMwSplitter::DrawGhostBar(int p) {
    if (realTimeDrag_ || bar_.Width() <= 0 || bar_.Height() <= 0) return;
    const int o = BorderOffset();
    POINT at = orientation_ == TOrientation::Vertical ? POINT{o, o + p} : POINT{o + p, o};
    ::ClientToScreen(Handle(), &at);
    static const WORD checker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, checker);
    HBRUSH brush = CreatePatternBrush(pattern);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, at.x, at.y, bar_.Width(), bar_.Height(), PATINVERT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(brush);
    DeleteObject(pattern);
}

// ---- mouse ----

void TMwSplitter::WndProc(cl::TMessage& m) {
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    const int coordinate = orientation_ == TOrientation::Vertical ? point.y : point.x;
    const bool onHotSpot = hotSpotVisible_ && hotSpot_.Contains(point);
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            if (bar_.Contains(point) && (onHotSpot || !lockBar_)) {
                SetCapture(Handle());
                dragging_ = true;
                pressedOnHotSpot_ = onHotSpot;
                pressCoordinate_ = coordinate;
                pressPosition_ = lastGhost_ = position_;
                DrawGhostBar(position_);
            }
            break;
        case WM_MOUSEMOVE:
            if (dragging_ && !(pressedOnHotSpot_ && lockBar_)) {
                int n = Clamp(pressPosition_ + coordinate - pressCoordinate_);
                bool allow = true;
                OnChanging(this, n, allow);
                if (allow && n != lastGhost_) {
                    hotSpotClosed_ = closedToMin_ = closedToMax_ = pressedOnHotSpot_ = false;
                    DrawGhostBar(lastGhost_);
                    DrawGhostBar(n);
                    if (realTimeDrag_) {
                        SetPosition(n);
                        RememberRestorePosition(n);
                    }
                    lastGhost_ = n;
                }
            } else if (hotSpotVisible_ && onHotSpot != hotSpotHot_) {
                hotSpotHot_ = onHotSpot;
                if (onHotSpot) {
                    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
                    TrackMouseEvent(&track);
                }
                Invalidate();
            }
            break;
        case WM_MOUSELEAVE:
            if (hotSpotHot_) {
                hotSpotHot_ = false;
                Invalidate();
            }
            break;
        case WM_LBUTTONUP:
            if (dragging_ || pressedOnHotSpot_) {
                dragging_ = false;
                ReleaseCapture();
                if (!realTimeDrag_) {
                    DrawGhostBar(lastGhost_);
                    SetPosition(lastGhost_);
                    RememberRestorePosition(lastGhost_);
                }
                if (pressedOnHotSpot_) {
                    pressedOnHotSpot_ = false;
                    if (onHotSpot) {
                        const bool firstHalf = orientation_ == TOrientation::Vertical ? point.x < hotSpot_.left + hotSpot_.Width() / 2
                                                                                      : point.y < hotSpot_.top + hotSpot_.Height() / 2;
                        ToggleHotSpot(firstHalf);
                    }
                }
            }
            break;
        case WM_SETCURSOR: {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(Handle(), &p);
            const cl::TPoint at{p.x, p.y};
            if (LOWORD(m.lParam) == HTCLIENT && bar_.Contains(at)) {
                const bool hot = hotSpotVisible_ && hotSpot_.Contains(at);
                if (hot || !lockBar_) {
                    LPCSTR cursor = hot ? IDC_HAND : orientation_ == TOrientation::Vertical ? IDC_SIZENS : IDC_SIZEWE;
                    SetCursor(LoadCursorA(nullptr, cursor));
                    m.result = TRUE;
                    return;
                }
            }
            break;
        }
        default: break;
    }
    TMwCustomPanel::WndProc(m);
}
