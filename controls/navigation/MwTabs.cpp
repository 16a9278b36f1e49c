#include "controls/navigation/MwTabs.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/ChildAlignment.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/FontUtils.h"
#include "controls/navigation/MwTabCloseButton.h"
#include "controls/navigation/MwTabScroller.h"
#include "controls/navigation/SavedDeviceContext.h"
#include "controls/navigation/TabCaption.h"

namespace {

bool ContainsInclusive(const cl::TRect& r, cl::TPoint p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

const cl::TClassInfo& TMwCustomTabControl::StaticClass() {
    static const auto info =
        cl::TClassBuilder<TMwCustomTabControl>("TMwCustomTabControl", cl::TCustomControl::StaticClass()).Build();
    return *info;
}

TMwCustomTabControl::TMwCustomTabControl(cl::TComponent* owner)
    : cl::TCustomControl(owner), tabColors_(*this), textColors_(*this) {
    SetBounds(0, 0, 300, 100);
    SetTabStop(true);
    tabFont_.Assign(*Font());
    hotTrackTimer_.SetEnabled(false);
    hotTrackTimer_.SetInterval(kHotTrackInterval);
    hotTrackTimer_.SetOnTimer(cl::TNotifyEvent::FromFunction([this](cl::TObject*) { HotTrackTick(); }));
    imageChangeLink_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { LayoutChanged(); });
}

TMwCustomTabControl::~TMwCustomTabControl() {
    // No message may reach the parts of this class once they start going.
    Destroying();
    hotTrackTimer_.SetEnabled(false);
}

// ---- events ----

void TMwCustomTabControl::Change() { OnChange(this); }

void TMwCustomTabControl::Changing(int newIndex, bool& allowChange) { OnChanging(this, newIndex, allowChange); }

void TMwCustomTabControl::GetTextColor(int tabIndex, TMwTextStyle style, cl::TColor& color, bool& handled) {
    OnGetTextColor(this, tabIndex, style, color, handled);
}

void TMwCustomTabControl::TabClick() { OnTabClick(this); }

void TMwCustomTabControl::PaintBackground(cl::TCanvas& canvas, const cl::TRect& rect, bool& handled) {
    OnPaintBackground(this, canvas, rect, handled);
}

void TMwCustomTabControl::PaintCardBackground(cl::TCanvas& canvas, int row, const cl::TRect& rect, bool& handled) {
    OnPaintCardBackground(this, canvas, row, rect, handled);
}

void TMwCustomTabControl::PaintTabBackground(cl::TCanvas& canvas, int tabIndex, const cl::TRect& rect, bool& handled) {
    OnPaintTabBackground(this, canvas, tabIndex, rect, handled);
}

void TMwCustomTabControl::LayoutChanged() {
    layoutDirty_ = true;
    RepaintControl();
}

void TMwCustomTabControl::RepaintControl() {
    hotTrackOnly_ = false;
    Invalidate();
}

// ---- selection ----

bool TMwCustomTabControl::CanChangeTo(int index) {
    if (index < 0 || index >= tabs_.Count()) return false;
    const TMwTabData& tab = tabs_[index];
    if (!tab.visible || !tab.enabled) return false;
    if (index == tabIndex_) return true;
    bool allow = true;
    Changing(index, allow);
    return allow;
}

void TMwCustomTabControl::SetTabIndexAsked(int index) {
    const bool wasInternal = internalChange_;
    internalChange_ = true;
    try {
        SetTabIndex(index);
    } catch (...) {
        internalChange_ = wasInternal;
        throw;
    }
    internalChange_ = wasInternal;
}

void TMwCustomTabControl::SetTabIndex(int index) {
    if (IsLoading()) {
        tabIndex_ = index;
        return;
    }
    auto repaintCloseButton = [this] {
        if (ShowCloseButton() && closeButton_) closeButton_->Invalidate();
    };
    if (index < 0 || index >= tabs_.Count()) {
        if (tabIndex_ != -1) {
            tabIndex_ = -1;
            RepaintControl();
        }
        repaintCloseButton();
        return;
    }
    if (index != tabIndex_ && !internalChange_ && !CanChangeTo(index)) {
        repaintCloseButton();
        return;
    }
    const int oldFirst = strip_.FirstShown();
    const bool changed = index != tabIndex_;
    tabIndex_ = index;
    // On a stale layout the next layout run sets the tab again and scrolls or turns the rows.
    if (LayoutCurrent()) {
        if (!strip_.Scrolling()) {
            if (MultiLine()) strip_.RotateRows(index);
        } else {
            strip_.ScrollIntoView(index);
        }
    }
    if (changed || strip_.FirstShown() != oldFirst) {
        RepaintControl();
        if (scroller_) scroller_->Invalidate();
    }
    if (changed) Change();
    repaintCloseButton();
}

int TMwCustomTabControl::TabAtPoint(cl::TPoint point) {
    EnsureLayout();
    const int count = tabs_.Count();
    const int first = strip_.FirstShown();
    if (count == 0 || first < 0) return -1;
    auto hit = [&](int i) {
        if (!strip_.IsShown(i)) return false;
        if (!ContainsInclusive(strip_.MapRect(strip_.WorkingRect(i, i == tabIndex_)), point)) return false;
        HRGN region = TabRegion(i);
        return region && PtInRegion(region, point.x, point.y);
    };
    // The current tab lies over its neighbours, so it is tried first; then round from the
    // first shown tab.
    if (tabIndex_ >= 0 && tabIndex_ < count && hit(tabIndex_)) return tabIndex_;
    const int start = std::min(first, count - 1);
    int i = start;
    do {
        if (i != tabIndex_ && hit(i)) return i;
        i = (i + 1) % count;
    } while (i != start);
    return -1;
}

cl::TRect TMwCustomTabControl::TabRect(int index) {
    EnsureLayout();
    return strip_.MapRect(strip_.WorkingRect(index, index == tabIndex_));
}

int TMwCustomTabControl::FirstShownTab() {
    EnsureLayout();
    return strip_.FirstShown();
}

bool TMwCustomTabControl::ScrollingNeeded() {
    EnsureLayout();
    return strip_.Scrolling();
}

int TMwCustomTabControl::RowCount() {
    EnsureLayout();
    return strip_.Rows();
}

bool TMwCustomTabControl::DialogChar(char key) {
    if (!Showing() || !Enabled()) return false;
    for (int i = 0; i < tabs_.Count(); ++i) {
        const TMwTabData& tab = tabs_[i];
        if (!tab.enabled || !tab.visible || !mw::IsAcceleratorKey(tab.caption, key)) continue;
        SetFocus();
        if (Focused()) {
            SetTabIndex(i);
            if (tabIndex_ == i) TabClick();
        }
        return true;
    }
    return false;
}

bool TMwCustomTabControl::HandleKeyDown(WORD key) {
    const int count = tabs_.Count();
    if (count == 0) return false;
    int found = -1;
    switch (key) {
        case VK_HOME:
            for (int i = 0; i < count && i != tabIndex_; ++i)
                if (CanChangeTo(i)) {
                    found = i;
                    break;
                }
            break;
        case VK_END:
            for (int i = count - 1; i >= 0 && i != tabIndex_; --i)
                if (CanChangeTo(i)) {
                    found = i;
                    break;
                }
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            const bool towardPrevious = key == VK_LEFT || key == VK_UP;
            const int step = towardPrevious == (TabSequence() == TMwTabSequence::Standard) ? -1 : 1;
            int i = tabIndex_ >= 0 ? tabIndex_ : (step > 0 ? -1 : count);
            // At most once round: the walk ends at the current tab or at the first tab it may select.
            for (int walked = 0; walked < count; ++walked) {
                i = (i + step + count) % count;
                if (i == tabIndex_) break;
                if (CanChangeTo(i)) {
                    found = i;
                    break;
                }
            }
            break;
        }
        default:
            return false;
    }
    if (found >= 0 && found != tabIndex_) {
        SetTabIndexAsked(found);
        TabClick();
    }
    return true;
}

// ---- layout ----

bool TMwCustomTabControl::LayoutCurrent() const {
    return !layoutDirty_ && strip_.Width() == Width() && strip_.Height() == Height();
}

void TMwCustomTabControl::EnsureLayout() {
    if (!layingOut_ && !LayoutCurrent()) RunLayout();
}

void TMwCustomTabControl::RunLayout() {
    layoutDirty_ = false;
    layingOut_ = true;
    try {
        strip_.SetSize(Width(), Height());
        strip_.Layout(Metrics());
        regionCache_.Clear();
        CheckCurrentTab();
    } catch (...) {
        layingOut_ = false;
        throw;
    }
    layingOut_ = false;
    PlaceButtons();
    if (!(strip_.DisplayRect() == lastDisplayRect_)) AlignControls();
}

void TMwCustomTabControl::CheckCurrentTab() {
    const int count = tabs_.Count();
    int result = -1;
    if (strip_.HasVisibleTabs() && tabIndex_ >= 0) {
        for (int i = tabIndex_; i < count && result < 0; ++i)
            if (CanChangeTo(i)) result = i;
        for (int i = std::min(tabIndex_, count - 1); i >= 0 && result < 0; --i)
            if (CanChangeTo(i)) result = i;
    }
    SetTabIndexAsked(result);
}

HDC TMwCustomTabControl::MeasureDC() {
    if (!bitmap_) bitmap_ = std::make_unique<mw::TMemoryBitmap>(nullptr, std::max(1, Width()), std::max(1, Height()));
    return bitmap_->DC();
}

mw::TTabMetrics TMwCustomTabControl::Metrics() {
    mw::TTabMetrics metrics;
    metrics.fontHeight = std::abs(tabFont_.Height());
    metrics.hasImages = images_ != nullptr;
    if (images_) metrics.imageSize = {images_->Width(), images_->Height()};
    HDC dc = MeasureDC();
    const int escapement = TabFontEscapement();
    const cl::TFont& font = tabFont_;
    metrics.measure = [dc, escapement, &font](const std::string& line, bool bold) {
        mw::TTabExtent extent;
        mw::TTabFontSelection selection(dc, font, escapement, bold);
        SIZE size{};
        if (GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size)) extent = {size.cx, size.cy};
        selection.Restore();
        return extent;
    };
    return metrics;
}

int TMwCustomTabControl::TabFontEscapement() const {
    if (!strip_.settings.verticalText) return 0;
    return TabOrientation() == TMwTabOrientation::Right ? 2700 : 900;
}

cl::TRect TMwCustomTabControl::DisplayRect() {
    EnsureLayout();
    return strip_.DisplayRect();
}

void TMwCustomTabControl::AlignControls() {
    if (aligning_ || IsLoading() || IsDestroying()) return;
    PlaceButtons();
    lastDisplayRect_ = DisplayRect();
    mw::AlignChildrenIn(*this, lastDisplayRect_, aligning_);
}

void TMwCustomTabControl::EnsureScroller() {
    if (scroller_) return;
    scroller_ = new TMwTabScroller(this, this);
    scroller_->SetBounds(-100, -100, 1, 1);
    scroller_->OnUpRightClick = cl::TNotifyEvent(this, &TMwCustomTabControl::ScrollUpRightClick);
    scroller_->OnDownLeftClick = cl::TNotifyEvent(this, &TMwCustomTabControl::ScrollDownLeftClick);
    UpdateButtonColors();
    scroller_->SetParent(this);
}

void TMwCustomTabControl::EnsureCloseButton() {
    if (closeButton_) return;
    closeButton_ = new TMwTabCloseButton(this, this);
    closeButton_->SetBounds(-100, -100, 1, 1);
    closeButton_->OnClose = cl::TNotifyEvent(this, &TMwCustomTabControl::CloseButtonClick);
    UpdateButtonColors();
    closeButton_->SetParent(this);
}

void TMwCustomTabControl::UpdateButtonColors() {
    const cl::TColor color = mw::ShadeColor(flatColor_, flatColorAdjustment_);
    if (scroller_) scroller_->SetFrameColor(color);
    if (closeButton_) closeButton_->SetFrameColor(color);
}

void TMwCustomTabControl::PlaceButtons() {
    EnsureLayout();
    auto place = [](cl::TControl& control, const cl::TRect& r) { control.SetBounds(r.left, r.top, r.Width(), r.Height()); };
    if (ShowCloseButton()) {
        EnsureCloseButton();
        place(*closeButton_, strip_.CloseButtonBounds());
    }
    if (strip_.ScrollerNeeded()) EnsureScroller();
    if (scroller_) {
        scroller_->SetOrientation(mw::IsSideOrientation(TabOrientation()) ? TOrientation::Vertical : TOrientation::Horizontal);
        place(*scroller_, strip_.ScrollerBounds());
    }
}

// ---- scrolling and closing ----

bool TMwCustomTabControl::CanScrollTowardStart() {
    EnsureLayout();
    return strip_.FirstShown() > 0 && !strip_.IsShown(strip_.FirstVisibleTab());
}

bool TMwCustomTabControl::CanScrollTowardEnd() {
    EnsureLayout();
    const int last = strip_.LastVisibleTab();
    return last < 0 || !strip_.IsShown(last);
}

void TMwCustomTabControl::ScrollUpRightClick(cl::TObject*) {
    EnsureLayout();
    const bool moved = strip_.UpRightScrollsTowardEnd() ? strip_.ScrollTowardEnd() : strip_.ScrollTowardStart();
    if (!moved) return;
    RepaintControl();
    if (scroller_) scroller_->Invalidate();
}

void TMwCustomTabControl::ScrollDownLeftClick(cl::TObject*) {
    EnsureLayout();
    const bool moved = strip_.UpRightScrollsTowardEnd() ? strip_.ScrollTowardStart() : strip_.ScrollTowardEnd();
    if (!moved) return;
    RepaintControl();
    if (scroller_) scroller_->Invalidate();
}

void TMwCustomTabControl::CloseButtonClick(cl::TObject*) {
    if (tabIndex_ == -1) return;
    bool allowClose = false;
    OnClose(this, allowClose);
    if (allowClose) CloseCurrentTab();
}

// ---- setters ----

void TMwCustomTabControl::SetAlignTabs(bool v) {
    if (!cl::StoreIfChanged(strip_.settings.alignTabs, v)) return;
    if (MultiLine()) LayoutChanged();
}

void TMwCustomTabControl::SetCutCornerSize(int v) {
    if (v < 0 || !cl::StoreIfChanged(strip_.settings.cutCornerSize, v)) return;
    if (TabStyle() == TMwTabStyle::CutCorner) LayoutChanged();
}

void TMwCustomTabControl::SetImages(cl::TCustomImageList* images) {
    if (images == images_) return;
    cl::ReplaceImageList(*this, images_, images, imageChangeLink_);
    LayoutChanged();
}

void TMwCustomTabControl::SetShowCloseButton(bool v) {
    if (!cl::StoreIfChanged(strip_.settings.showCloseButton, v)) return;
    if (v) EnsureCloseButton();
    if (closeButton_) closeButton_->SetVisible(v);
    LayoutChanged();
}

void TMwCustomTabControl::SetShowFullFrame(bool v) {
    if (!cl::StoreIfChanged(strip_.settings.showFullFrame, v)) return;
    if (!v) strip_.settings.showShadow = false;
    LayoutChanged();
}

void TMwCustomTabControl::SetShowShadow(bool v) {
    if (!cl::StoreIfChanged(strip_.settings.showShadow, v)) return;
    if (v) strip_.settings.showFullFrame = true;
    LayoutChanged();
}

void TMwCustomTabControl::SetTabOrientation(TMwTabOrientation v) {
    if (!cl::StoreIfChanged(strip_.settings.side, v)) return;
    if (!IsLoading()) LayoutChanged();
}

void TMwCustomTabControl::SetTextOrientation(TOrientation v) {
    if (!cl::StoreIfChanged(strip_.settings.verticalText, v == TOrientation::Vertical)) return;
    if (!IsLoading()) UseVerdanaForVerticalText();
    LayoutChanged();
}

void TMwCustomTabControl::UseVerdanaForVerticalText() {
    // Only TrueType fonts can be turned.
    if (strip_.settings.verticalText && !mw::IsTrueTypeFont(*Font())) Font()->SetName("Verdana");
}

void TMwCustomTabControl::SetRegionCacheCapacity(int capacity) {
    // Other values are ignored here; the cache itself refuses them.
    const bool valid = capacity == TMwTabRegionCache::kUnlimited || capacity > 0;
    if (valid && capacity != regionCache_.Capacity()) regionCache_.SetCapacity(capacity);
}

cl::TColor TMwCustomTabControl::BackgroundColor() const {
    return parentBackgroundColor_ && Parent() ? Parent()->Color() : backgroundColor_;
}

void TMwCustomTabControl::SetBackgroundColor(cl::TColor v) {
    const cl::TColor old = BackgroundColor();
    parentBackgroundColor_ = false;
    backgroundColor_ = v;
    if (v != old) RepaintControl();
}

void TMwCustomTabControl::SetParentBackgroundColor(bool v) {
    if (!cl::StoreIfChanged(parentBackgroundColor_, v)) return;
    if (v && Parent()) backgroundColor_ = Parent()->Color();
    RepaintControl();
}

void TMwCustomTabControl::ParentColorChanged() {
    cl::TCustomControl::ParentColorChanged();
    if (!parentBackgroundColor_ || !Parent()) return;
    backgroundColor_ = Parent()->Color();
    RepaintControl();
}

void TMwCustomTabControl::SetFlatColor(cl::TColor v) {
    if (!cl::StoreIfChanged(flatColor_, v)) return;
    UpdateButtonColors();
    RepaintControl();
}

void TMwCustomTabControl::SetFlatColorAdjustment(int v) {
    if (!cl::StoreIfChanged(flatColorAdjustment_, v)) return;
    UpdateButtonColors();
    RepaintControl();
}

void TMwCustomTabControl::SetHotTrack(bool v) {
    if (!cl::StoreIfChanged(hotTrack_, v)) return;
    if (!v && !tabHints_) hotTrackTimer_.SetEnabled(false);
    RepaintControl();
}

void TMwCustomTabControl::SetTabHints(bool v) {
    if (!cl::StoreIfChanged(tabHints_, v)) return;
    if (!v && !hotTrack_) hotTrackTimer_.SetEnabled(false);
}

// ---- hot tracking ----

void TMwCustomTabControl::InvalidateTabArea() {
    if (!HandleAllocated()) return;
    const cl::TRect area = strip_.TabArea();
    const RECT r{area.left, area.top, area.right + 1, area.bottom + 1};
    InvalidateRect(Handle(), &r, FALSE);
}

void TMwCustomTabControl::MouseMove(int x, int y) {
    if (!hotTrack_ && !tabHints_) return;
    const cl::TPoint point{x, y};
    const int tab = TabAtPoint(point);
    if (tab < 0) {
        if (tabHints_ && cl::Application() && (hotTabIndex_ >= 0 || ContainsInclusive(strip_.TabArea(), point)))
            cl::Application()->CancelHint();
        EndHotTracking(ContainsInclusive(strip_.TabArea(), point));
        return;
    }
    if (tab == hotTabIndex_) return;
    hotTabIndex_ = tab;
    if (hotTrack_) {
        hotTrackOnly_ = true;
        InvalidateTabArea();
    }
    if (tabHints_) {
        if (cl::Application()) cl::Application()->CancelHint();
        if (!tabs_[tab].hint.empty()) SetHint(tabs_[tab].hint);
    }
    if (!hotTrackTimer_.Enabled()) hotTrackTimer_.SetEnabled(true);
}

void TMwCustomTabControl::EndHotTracking(bool insideTabArea) {
    hotTrackTimer_.SetEnabled(false);
    if (hotTabIndex_ >= 0) {
        hotTabIndex_ = -1;
        hotTrackOnly_ = true;
        InvalidateTabArea();
    }
    // Only tab hints change the hint; between tabs there is none.
    if (tabHints_) SetHint(insideTabArea ? std::string() : savedHint_);
}

void TMwCustomTabControl::HotTrackTick() {
    if (!HandleAllocated()) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const cl::TPoint point = ScreenToClient({cursor.x, cursor.y});
    if (TabAtPoint(point) < 0) EndHotTracking(ContainsInclusive(strip_.TabArea(), point));
}

void TMwCustomTabControl::MouseDown(int x, int y) {
    if (!Enabled()) return;
    const int tab = TabAtPoint({x, y});
    if (tab < 0 || !tabs_[tab].enabled) return;
    if (TabStop() && tab == tabIndex_) {
        SetFocus();
        if (!Focused()) return;
    }
    SetTabIndex(tab);
    if (tabIndex_ == tab) TabClick();
}

// ---- messages ----

void TMwCustomTabControl::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_ERASEBKGND:
            m.result = 1;  // the paint covers everything
            return;
        case WM_GETDLGCODE:
            m.result = DLGC_WANTARROWS;
            return;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            cl::TCustomControl::WndProc(m);
            RepaintControl();
            return;
        case WM_SIZE:
            layoutDirty_ = true;
            cl::TCustomControl::WndProc(m);
            RepaintControl();
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // the second press of a double click is a press too
            cl::TCustomControl::WndProc(m);
            MouseDown(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
            return;
        case WM_MOUSEMOVE:
            cl::TCustomControl::WndProc(m);
            MouseMove(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
            return;
        case WM_KEYDOWN: {
            WORD key = static_cast<WORD>(m.wParam);
            OnKeyDown(this, key, cl::KeyboardShiftState());
            if (key == 0 || HandleKeyDown(key)) return;
            m.wParam = key;
            DefaultHandler(m);
            return;
        }
        case WM_CHAR: {
            char key = static_cast<char>(m.wParam);
            OnKeyPress(this, key);
            if (key == 0 || DialogChar(key)) return;
            m.wParam = static_cast<unsigned char>(key);
            DefaultHandler(m);
            return;
        }
        case WM_SYSCHAR:
            if (DialogChar(static_cast<char>(m.wParam))) return;
            break;
        case cl::CM_DIALOGCHAR:
            m.result = DialogChar(static_cast<char>(m.wParam)) ? 1 : 0;
            return;
        default:
            break;
    }
    cl::TCustomControl::WndProc(m);
}

void TMwCustomTabControl::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.classStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TMwCustomTabControl::FontChanged() {
    cl::TCustomControl::FontChanged();
    tabFont_.Assign(*Font());
    LayoutChanged();
}

void TMwCustomTabControl::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == images_) {
        // A dying list has let go of the link already.
        images_ = nullptr;
        LayoutChanged();
    }
}

void TMwCustomTabControl::Loaded() {
    cl::TCustomControl::Loaded();
    savedHint_ = Hint();
    layoutDirty_ = true;
    // A tab control starts on its first tab; the page control chooses its own afterwards.
    constexpr int kStartTabIndex = 0;
    tabIndex_ = kStartTabIndex;
    UseVerdanaForVerticalText();
    SetTabIndex(tabIndex_);
}

bool TMwCustomTabControl::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "FixedDimension")) return cl::TCustomControl::ReadExtraProperty(name, value);
    if (value.kind != cl::TValue::Kind::Integer) throw cl::EConvertError("FixedDimension expects an integer");
    strip_.SetFixedDimension(static_cast<int>(value.integer));
    return true;
}
