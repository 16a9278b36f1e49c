#include "controls/navigation/MwGroupBar.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/navigation/MwGroup.h"

using namespace mw;

namespace {

const cl::TEnumNames kGroupBarStyleNames{{{"gbsCategoryView", 0}, {"gbsTaskList", 1}, {"gbsOutlook", 2}}};

// Pixels a border takes in the non-client area; fsFlatBold takes none there.
int NonClientBorderWidth(TFrameStyle style, int bevelWidth) {
    return style == TFrameStyle::FlatBold ? 0 : FrameBorderWidth(style, bevelWidth);
}

SCROLLINFO ScrollInfo(UINT mask) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    return info;
}

}  // namespace

const cl::TClassInfo& TMwGroupBar::StaticClass() {
    using B = TMwGroupBar;
    static const auto info = cl::TClassBuilder<B>("TMwGroupBar", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &B::About, &B::SetAbout, kAboutInfoNames)
                                 .Enum<TMwGroupBarStyle>("Style", &B::Style, &B::SetStyle, kGroupBarStyleNames)
                                 .Bool("ExclusiveMode", &B::ExclusiveMode, &B::SetExclusiveMode)
                                 .Int("GroupBorderSize", &B::GroupBorderSize, &B::SetGroupBorderSize)
                                 .Bool("UseGradients", &B::UseGradients, &B::SetUseGradients)
                                 .Int("ColorAdjustment", &B::ColorAdjustment, &B::SetColorAdjustment)
                                 .Bool("ThemeAware", &B::ThemeAware, &B::SetThemeAware)
                                 .Enum<TFrameStyle>("BorderInner", &B::BorderInner, &B::SetBorderInner, kFrameStyleNames)
                                 .Enum<TFrameStyle>("BorderOuter", &B::BorderOuter, &B::SetBorderOuter, kFrameStyleNames)
                                 .Set("BorderSides", &B::BorderSides, &B::SetBorderSides, kSideNames)
                                 .Int("BorderWidth", &B::BorderWidth, &B::SetBorderWidth)
                                 .Color("BorderColor", &B::BorderColor, &B::SetBorderColor)
                                 .Color("BorderHighlight", &B::BorderHighlight, &B::SetBorderHighlight)
                                 .Color("BorderShadow", &B::BorderShadow, &B::SetBorderShadow)
                                 .Int("BevelWidth", &B::BevelWidth, &B::SetBevelWidth)
                                 .Color("FlatColor", &B::FlatColor, &B::SetFlatColor)
                                 .Ref<cl::TCustomImageList>("SmallImages", &B::SmallImages, &B::SetSmallImages)
                                 .Ref<cl::TCustomImageList>("LargeImages", &B::LargeImages, &B::SetLargeImages)
                                 .Build();
    return *info;
}

TMwGroupBar::TMwGroupBar(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 160, 250);
    SetDoubleBuffered(true);
    SetColor(cl::clBtnShadow);
    SetAlign(cl::TAlign::Left);
    // A changed image list shows at once.
    const auto imagesChanged = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        InvalidateGroups();
        Repaint();
    });
    smallImagesLink_.OnChange = imagesChanged;
    largeImagesLink_.OnChange = imagesChanged;
}

TMwGroupBar::~TMwGroupBar() {
    // The groups belong to the form and may outlive the bar.
    for (TMwGroup* group : groups_) group->ForgetGroupBar();
}

// ---- properties ----

void TMwGroupBar::SetStyle(TMwGroupBarStyle style) {
    if (style == style_) return;
    style_ = style;
    switch (style) {
        case TMwGroupBarStyle::CategoryView:
            SetColor(cl::clBtnShadow);
            groupBorderSize_ = 8;
            useGradients_ = true;
            break;
        case TMwGroupBarStyle::TaskList:
            SetColor(cl::clWindow);
            groupBorderSize_ = 4;
            useGradients_ = false;
            break;
        case TMwGroupBarStyle::Outlook:
            SetColor(cl::clBtnShadow);
            groupBorderSize_ = 0;
            useGradients_ = false;
            break;
    }
    for (TMwGroup* group : groups_) group->ApplyBarStyle(style);
    Realign();
    Invalidate();
}

void TMwGroupBar::SetExclusiveMode(bool v) {
    if (style_ != TMwGroupBarStyle::CategoryView || v == exclusiveMode_) return;
    exclusiveMode_ = v;
    if (!v || groups_.empty()) return;
    groups_.front()->Open();
    for (size_t i = 1; i < groups_.size(); ++i) groups_[i]->Close();
}

void TMwGroupBar::SetUseGradients(bool v) {
    if (!cl::StoreIfChanged(useGradients_, v)) return;
    Invalidate();
    InvalidateGroups();
}

void TMwGroupBar::SetThemeAware(bool v) {
    if (!cl::StoreIfChanged(themeAware_, v)) return;
    Invalidate();
    InvalidateGroups();
}

void TMwGroupBar::SetSmallImages(cl::TCustomImageList* images) {
    if (images == smallImages_) return;
    cl::ReplaceImageList(*this, smallImages_, images, smallImagesLink_);
    InvalidateGroups();
}

void TMwGroupBar::SetLargeImages(cl::TCustomImageList* images) {
    if (images == largeImages_) return;
    cl::ReplaceImageList(*this, largeImages_, images, largeImagesLink_);
    Realign();
    Invalidate();
}

void TMwGroupBar::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == smallImages_) smallImages_ = nullptr;
    if (component == largeImages_) largeImages_ = nullptr;
}

void TMwGroupBar::ColorChanged() {
    cl::TCustomControl::ColorChanged();
    InvalidateGroups();
}

void TMwGroupBar::InvalidateGroups() {
    for (TMwGroup* group : groups_) group->Invalidate();
}

// ---- the groups ----

int TMwGroupBar::IndexOfGroup(const TMwGroup* group) const {
    const auto it = std::find(groups_.begin(), groups_.end(), group);
    return it == groups_.end() ? -1 : static_cast<int>(it - groups_.begin());
}

void TMwGroupBar::AddGroup(TMwGroup* group) {
    if (IndexOfGroup(group) >= 0) return;
    groups_.push_back(group);
    group->ApplyBarStyle(style_);
    Realign();
}

void TMwGroupBar::RemoveGroup(TMwGroup* group) {
    const int index = IndexOfGroup(group);
    if (index < 0) return;
    // In the styles where one group holds the open place, it is handed on.
    const bool handOn = style_ == TMwGroupBarStyle::Outlook || (style_ == TMwGroupBarStyle::CategoryView && exclusiveMode_);
    const auto firstOpened = std::find_if(groups_.begin(), groups_.end(), [](TMwGroup* g) { return g->Opened(); });
    const bool wasFirstOpened = firstOpened != groups_.end() && *firstOpened == group;
    groups_.erase(groups_.begin() + index);
    if (handOn && wasFirstOpened && !groups_.empty() && !IsDestroying())
        groups_[static_cast<size_t>(index > 0 ? index - 1 : 0)]->Open();
    Realign();
}

void TMwGroupBar::MoveGroup(TMwGroup* group, int index) {
    const int from = IndexOfGroup(group);
    if (from < 0 || from == index) return;
    groups_.erase(groups_.begin() + from);
    groups_.insert(groups_.begin() + index, group);
    Realign();
}

// ---- layout ----

cl::TRect TMwGroupBar::InsideBorders(const cl::TRect& r) const {
    cl::TRect inside = InsetSides(r, NonClientBorderWidth(borderOuter_, bevelWidth_), borderSides_);
    inside = InsetSides(inside, NonClientBorderWidth(borderInner_, bevelWidth_), borderSides_);
    return InsetSides(inside, borderWidth_, borderSides_);
}

cl::TRect TMwGroupBar::ClientRect() {
    if (HandleAllocated()) return cl::TCustomControl::ClientRect();
    const cl::TRect inside = InsideBorders(cl::TRect::FromBounds(0, 0, Width(), Height()));
    return cl::TRect::FromBounds(0, 0, std::max(0, inside.Width()), std::max(0, inside.Height()));
}

void TMwGroupBar::Layout() {
    if (groups_.empty()) return;
    const cl::TRect client = ClientRect();
    const int border = groupBorderSize_;
    const int width = client.Width() - 2 * border;
    std::vector<TGroupSlot> slots;
    for (TMwGroup* g : groups_) {
        int height = g->CaptionHeight();
        if (style_ == TMwGroupBarStyle::TaskList || g->Opened())
            height = g->Items()->Count() == 0 ? g->OpenedHeight() : g->HeightForWidth(width);
        slots.push_back({g->Visible(), g->Opened(), height, g->CaptionHeight()});
    }
    const std::vector<cl::TRect> placed = style_ == TMwGroupBarStyle::Outlook
                                              ? ShareGroups(slots, client.Width(), client.Height(), border)
                                              : StackGroups(slots, client.Width(), border, scrollPosition_);
    for (size_t i = 0; i < groups_.size(); ++i) {
        const cl::TRect& r = placed[i];
        groups_[i]->SetBounds(r.left, r.top, r.Width(), r.Height());
    }
}

int TMwGroupBar::ContentHeight() {
    if (style_ == TMwGroupBarStyle::Outlook) return ClientHeight() - 1;
    std::vector<cl::TRect> placed;
    for (TMwGroup* g : groups_) placed.push_back(g->BoundsRect());
    return StackedContentHeight(placed, groupBorderSize_);
}

int TMwGroupBar::UnwrappedWidth() {
    int groupWidth = 0;
    for (TMwGroup* g : groups_) groupWidth = std::max(groupWidth, g->UnwrappedItemsWidth());
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    int frame = Width() - ClientWidth();
    if (HandleAllocated() && (GetWindowLongA(Handle(), GWL_STYLE) & WS_VSCROLL)) frame -= scrollBar;
    return groupWidth + 2 * groupBorderSize_ + frame + scrollBar;
}

TScrollRange TMwGroupBar::ScrollRange() { return {0, ContentHeight(), ClientHeight()}; }

void TMwGroupBar::AlignControls() { AlignFor(nullptr); }

void TMwGroupBar::AlignGroup(TMwGroup* group) { AlignFor(group); }

void TMwGroupBar::AlignFor(TMwGroup* aligned) {
    if (scrolling_ || aligning_ || IsLoading() || IsDestroying() || (Parent() && Parent()->IsLoading())) return;
    aligning_ = true;
    try {
        if (style_ == TMwGroupBarStyle::Outlook) {
            UpdateScrollBar();
            Layout();
        } else {
            if (style_ == TMwGroupBarStyle::CategoryView && exclusiveMode_ && aligned && aligned->Opened())
                for (TMwGroup* g : groups_)
                    if (g != aligned) g->Close();
            // A scroll bar that comes or goes changes the client width (its WM_SIZE comes while
            // we align, and is not acted on): lay out again. Bounded, so that content that needs
            // the bar only without it cannot make us spin.
            for (int pass = 0; pass < 4; ++pass) {
                const int width = ClientWidth();
                if (!groups_.empty()) {
                    Layout();
                    CloseBottomGap();
                    ScrollGroupInView(aligned);
                }
                UpdateScrollBar();
                if (ClientWidth() == width) break;
            }
            InvalidateGroups();
        }
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TMwGroupBar::CloseBottomGap() {
    const int scroll = GapClosingScroll(groups_.front()->BoundsRect(), groups_.back()->BoundsRect(), ClientHeight(),
                                        groupBorderSize_, ContentHeight());
    ScrollBy(scroll);
}

void TMwGroupBar::ScrollGroupInView(TMwGroup* group) {
    if (!group || !group->Opened() || group->IsLoading() || IndexOfGroup(group) < 0) return;
    UpdateScrollBar();
    ScrollBy(ScrollIntoView(group->BoundsRect(), ClientHeight(), groupBorderSize_));
}

void TMwGroupBar::ScrollBy(int delta) {
    if (delta == 0) return;
    scrolling_ = true;
    try {
        for (TMwGroup* g : groups_) g->SetBounds(g->Left(), g->Top() + delta, g->Width(), g->Height());
        SetScrollPosition(scrollPosition_ - delta);
    } catch (...) {
        scrolling_ = false;
        throw;
    }
    scrolling_ = false;
    Invalidate();
    UpdateScrollBar();
}

void TMwGroupBar::SetScrollPosition(int value) {
    if (value == scrollPosition_) return;
    scrollPosition_ = value;
    if (IsLoading()) return;
    scrollPosition_ = ClampScrollPosition(scrollPosition_, ScrollRange());
    Realign();
}

void TMwGroupBar::UpdateScrollBar() {
    if (!HandleAllocated()) return;
    const TScrollRange range = ScrollRange();
    SCROLLINFO now = ScrollInfo(SIF_ALL);
    GetScrollInfo(Handle(), SB_VERT, &now);
    if (now.nMin == range.min && now.nMax == range.max && static_cast<int>(now.nPage) == range.page &&
        now.nPos == scrollPosition_)
        return;
    SCROLLINFO wanted = ScrollInfo(SIF_RANGE | SIF_PAGE | SIF_POS);
    wanted.nMin = range.min;
    wanted.nMax = range.max;
    wanted.nPage = static_cast<UINT>(std::max(range.page, 0));
    wanted.nPos = scrollPosition_;
    SetScrollInfo(Handle(), SB_VERT, &wanted, TRUE);
    if (range.max < range.page) scrollPosition_ = 0;
    Invalidate();
}

void TMwGroupBar::HandleScrollRequest(WPARAM wParam) {
    static constexpr TScrollRequest kRequests[] = {
        TScrollRequest::LineUp, TScrollRequest::LineDown, TScrollRequest::PageUp,   TScrollRequest::PageDown,
        TScrollRequest::ThumbPosition, TScrollRequest::ThumbTrack, TScrollRequest::Top, TScrollRequest::Bottom,
        TScrollRequest::EndScroll};
    const unsigned code = LOWORD(wParam);  // SB_LINEUP 0 ... SB_ENDSCROLL 8
    if (code >= std::size(kRequests)) return;
    SCROLLINFO info = ScrollInfo(SIF_ALL);
    GetScrollInfo(Handle(), SB_VERT, &info);
    int target = 0;
    if (ScrollRequestTarget(kRequests[code], scrollPosition_, info.nTrackPos,
                            {info.nMin, info.nMax, static_cast<int>(info.nPage)}, target))
        SetScrollPosition(target);
}

// ---- window ----

void TMwGroupBar::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN | WS_VSCROLL;
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void TMwGroupBar::CreateWnd() {
    cl::TCustomControl::CreateWnd();
    UpdateScrollBar();
}

void TMwGroupBar::Loaded() {
    cl::TCustomControl::Loaded();
    Resize();
    Realign();
}

void TMwGroupBar::RedrawFrame() {
    if (!HandleAllocated() || !Parent()) return;
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void TMwGroupBar::PaintNonClient() {
    HWND window = Handle();
    const cl::TWindowDC dc(window, cl::TWindowDC::TArea::Whole);
    RECT w;
    GetWindowRect(window, &w);
    cl::TCanvas canvas(dc.Handle());
    const TFrameColors colors{flatColor_, borderHighlight_, borderShadow_, bevelWidth_};
    cl::TRect r{0, 0, w.right - w.left, w.bottom - w.top};
    if (NonClientBorderWidth(borderOuter_, bevelWidth_) > 0) r = PaintFrame(canvas, r, borderOuter_, borderSides_, colors);
    if (borderWidth_ > 0) r = PaintBevel(canvas, r, borderColor_, borderColor_, borderWidth_, borderSides_);
    if (NonClientBorderWidth(borderInner_, bevelWidth_) > 0) PaintFrame(canvas, r, borderInner_, borderSides_, colors);
}

void TMwGroupBar::FocusChanged(cl::TControl* focused) {
    // A control of a closed group that takes the focus (by Tab) opens its group and shows it.
    if (!Parent()) return;
    cl::TControl* c = focused;
    while (c && c->Parent() != this) c = c->Parent();
    auto* group = dynamic_cast<TMwGroup*>(c);
    if (!group || IndexOfGroup(group) < 0) return;
    group->Open();
    ScrollGroupInView(group);
}

void TMwGroupBar::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case cl::CM_FOCUSCHANGED:
            FocusChanged(reinterpret_cast<cl::TControl*>(m.lParam));
            break;
        case WM_NCCALCSIZE: {
            auto* r = reinterpret_cast<RECT*>(m.lParam);  // the first rectangle of NCCALCSIZE_PARAMS too
            const cl::TRect inside = InsideBorders({r->left, r->top, r->right, r->bottom});
            *r = {inside.left, inside.top, std::max(inside.left, inside.right), std::max(inside.top, inside.bottom)};
            DefaultHandler(m);  // the scroll bar
            return;
        }
        case WM_NCPAINT:
            DefaultHandler(m);
            PaintNonClient();
            m.result = 0;
            return;
        case WM_NCHITTEST: m.result = DefWindowProcA(Handle(), m.msg, m.wParam, m.lParam); return;
        case WM_ERASEBKGND: m.result = 1; return;
        case WM_VSCROLL:
            HandleScrollRequest(m.wParam);
            m.result = 0;
            return;
        case WM_MOUSEWHEEL:
            SetScrollPosition(scrollPosition_ + (GET_WHEEL_DELTA_WPARAM(m.wParam) < 0 ? kScrollLine : -kScrollLine));
            m.result = 0;
            return;
        case WM_LBUTTONDOWN:
            if (Enabled()) SetFocus();
            break;
        case CM_ITEMSELECTED:
            for (TMwGroup* g : groups_)
                if (g->ShowItemSelection()) g->Perform(CM_ITEMSELECTED, m.wParam, m.lParam);
            m.result = 0;
            return;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

void TMwGroupBar::PaintBackground(HDC dc) {
    const cl::TRect client = ClientRect();
    FillSolid(dc, client, Color());
    if (style_ != TMwGroupBarStyle::CategoryView || !useGradients_) return;
    cl::TCanvas canvas(dc);
    TThemeServices& themes = ThemeServices();
    if (themeAware_ && themes.ThemesEnabled()) {
        themes.DrawElement(dc, ThemeElementDetails(TThemedExplorerBar::Root), client);
        return;
    }
    if (!ScreenHasFullColor() || colorAdjustment_ == 0) return;
    cl::TRect r = client;
    if (colorAdjustment_ > 0) {
        r.bottom -= r.Height() / 3;
        PaintGradient(canvas, r, gdVertical, LightenColor(Color(), static_cast<uint8_t>(std::min(colorAdjustment_, 255))),
                      Color(), 0);
    } else {
        r.top += r.Height() / 3;
        PaintGradient(canvas, r, gdVertical, Color(),
                      DarkenColor(Color(), static_cast<uint8_t>(std::min(-colorAdjustment_, 255))), 0);
    }
}

cl::TColor TMwGroupBar::BackgroundColorAt(cl::TPoint point) {
    const cl::TRect client = ClientRect();
    if (!client.Contains(point)) return Color();
    TMemoryBitmap bitmap(nullptr, client.Width(), client.Height());
    PaintBackground(bitmap.DC());
    return static_cast<cl::TColor>(GetPixel(bitmap.DC(), point.x, point.y));
}

void TMwGroupBar::Paint(cl::TCanvas& canvas) { PaintBackground(canvas.Handle()); }
