// The painting half of TMwCustomTabControl: everything is drawn into one off-screen bitmap and
// copied to the screen in one step. Tabs are drawn from the back row to the front one, the
// current tab last, and the front card over the inner edge of the tabs.

#include <algorithm>

#include "classlib/core/Exception.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/ParentBackground.h"
#include "controls/navigation/MwTabs.h"
#include "controls/navigation/SavedDeviceContext.h"
#include "controls/navigation/TabCaption.h"
#include "controls/navigation/TabShapes.h"

namespace {

// Rectangles of the layout include their right and bottom edge; fills exclude them.
cl::TRect FillRectOf(const cl::TRect& r) { return {r.left, r.top, r.right + 1, r.bottom + 1}; }

bool Meets(const cl::TRect& r, const RECT& clip) {
    return r.left < clip.right && r.right >= clip.left && r.top < clip.bottom && r.bottom >= clip.top;
}

}  // namespace

void TMwCustomTabControl::Paint(cl::TCanvas& canvas) {
    EnsureLayout();
    const int width = std::max(1, Width()), height = std::max(1, Height());
    if (!bitmap_ || bitmap_->Width() != width || bitmap_->Height() != height)
        bitmap_ = std::make_unique<mw::TMemoryBitmap>(nullptr, width, height);
    HDC dc = bitmap_->DC();
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    cl::TCanvas target(dc);
    target.Font().Assign(tabFont_);

    // A repaint for hot tracking covers the tab area alone and leaves the card's shadow be.
    RECT clip{};
    GetClipBox(canvas.Handle(), &clip);
    const cl::TRect area = strip_.TabArea();
    hotTrackPaint_ = hotTrackOnly_ && clip.left >= area.left && clip.top >= area.top && clip.right <= area.right + 1 &&
                     clip.bottom <= area.bottom + 1;
    hotTrackOnly_ = false;

    const cl::TRect all{0, 0, width, height};
    bool handled = false;
    PaintBackground(target, all, handled);
    if (!handled) {
        if (transparent_) mw::PaintParentBackground(*this, dc);
        else mw::FillSolid(dc, all, BackgroundColor());
    }
    PlaceButtons();

    const int count = tabs_.Count();
    const int firstShown = strip_.FirstShown();
    int firstInFrontRow = -1;
    for (int i = 0; i < count && firstInFrontRow < 0; ++i)
        if (tabs_[i].visible && tabs_[i].row == 0) firstInFrontRow = i;
    int cardRow = strip_.Rows() - 1;
    if (firstInFrontRow >= 0 && firstShown >= 0) {
        // Backwards round the list from the tab before the front row's first: back rows first,
        // and within a row each tab over the one after it.
        const int start = firstInFrontRow == 0 ? count - 1 : firstInFrontRow - 1;
        int i = start;
        do {
            if (i != tabIndex_ && i >= firstShown && strip_.IsShown(i)) {
                while (cardRow > 0 && tabs_[i].row < cardRow) DrawCard(target, cardRow--);
                DrawTab(target, i);
            }
            i = (i - 1 + count) % count;
        } while (i != start);
    }
    while (cardRow > 0) DrawCard(target, cardRow--);
    if (tabIndex_ >= 0 && tabIndex_ < count && tabIndex_ >= firstShown && strip_.IsShown(tabIndex_)) DrawTab(target, tabIndex_);
    DrawCard(target, 0);

    BitBlt(canvas.Handle(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    hotTrackPaint_ = false;
}

// ---- tabs ----

std::vector<cl::TPoint> TMwCustomTabControl::MappedOutline(int index) {
    std::vector<cl::TPoint> points = mw::TabOutline(TabStyle(), strip_.WorkingRect(index, index == tabIndex_), CutCornerSize());
    for (cl::TPoint& p : points) p = strip_.MapPoint(p);
    return points;
}

HRGN TMwCustomTabControl::TabRegion(int index) {
    const cl::TRect key = strip_.MapRect(strip_.WorkingRect(index, index == tabIndex_));
    if (HRGN region = regionCache_.Find(key)) return region;
    const std::vector<cl::TPoint> points = MappedOutline(index);
    if (points.size() < 3) return nullptr;
    std::vector<POINT> polygon;
    for (const cl::TPoint& p : points) polygon.push_back({p.x, p.y});
    // Alternate filling keeps a self-crossing outline (a narrow double-slanted tab) in one piece.
    HRGN region = CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), ALTERNATE);
    if (!region) throw cl::Exception("Error creating region");
    return regionCache_.Add(key, region);
}

void TMwCustomTabControl::DrawTab(cl::TCanvas& canvas, int index) {
    HDC dc = canvas.Handle();
    const cl::TRect mapped = strip_.MapRect(strip_.WorkingRect(index, index == tabIndex_));
    RECT clip{};
    GetClipBox(dc, &clip);
    if (Meets(mapped, clip)) {
        if (HRGN region = TabRegion(index)) {
            mw::TSavedDC saved(dc);
            SelectClipRgn(dc, region);
            DrawTabBackground(canvas, index, mapped);
            DrawTabContent(canvas, index, mapped);
            saved.Restore();
        }
    }
    mw::BuildTabOutline(frameCommands_, TabStyle(), MappedOutline(index), index);
    RunFrameCommands(canvas);
}

void TMwCustomTabControl::DrawTabBackground(cl::TCanvas& canvas, int index, const cl::TRect& mapped) {
    bool handled = false;
    PaintTabBackground(canvas, index, mapped, handled);
    if (handled) return;
    const TMwTabData& tab = tabs_[index];
    HDC dc = canvas.Handle();
    const cl::TRect fill = FillRectOf(mapped);
    const cl::TColor base = useColoredTabs_ ? tab.color : tabColors_.Unselected();
    const cl::TColor shade = useColoredTabs_ ? mw::DarkenColor(tab.color, 30) : tabColors_.Shadow();
    if (index == tabIndex_) {
        mw::FillSolid(dc, fill, useColoredTabs_ ? tab.color : Color());
    } else if (useGradients_ && mw::ScreenHasFullColor()) {
        // From the shade at the tab's outer edge to the base colour next to the card.
        const TMwTabOrientation side = TabOrientation();
        const bool outerEdgeFirst = side == TMwTabOrientation::Top || side == TMwTabOrientation::Left;
        mw::PaintGradient(canvas, fill, mw::IsSideOrientation(side) ? mw::gdHorizontal : mw::gdVertical,
                          outerEdgeFirst ? shade : base, outerEdgeFirst ? base : shade, 0);
    } else {
        mw::FillSolid(dc, fill, base);
    }
}

cl::TColor TMwCustomTabControl::CaptionColor(int index, TMwTextStyle style, cl::TColor defaultColor) {
    cl::TColor color = defaultColor;
    bool handled = false;
    GetTextColor(index, style, color, handled);
    return handled ? color : defaultColor;
}

void TMwCustomTabControl::DrawTabContent(cl::TCanvas& canvas, int index, const cl::TRect& mapped) {
    const TMwTabData& tab = tabs_[index];
    const bool current = index == tabIndex_;
    const mw::TTabShapeSettings shape{TabStyle(), TabOrientation(), strip_.settings.verticalText, CutCornerSize()};
    const cl::TRect content = mw::TabContentRect(shape, mapped);
    const bool hasImage = images_ && tab.imageIndex != -1;
    const mw::TTabExtent imageSize = hasImage ? mw::TTabExtent{images_->Width(), images_->Height()} : mw::TTabExtent{};
    const mw::TTabContentParts parts = mw::SplitTabContent(
        content, imageSize, {ImagePosition(), ImageMargin(), imageAlignment_, imageAlignmentVertical_});

    if (hasImage) {
        // A disabled tab shows its disabled image as it is, or else its image greyed.
        const bool ownDisabledImage = !tab.enabled && tab.disabledImageIndex != -1;
        const int image = ownDisabledImage ? tab.disabledImageIndex : tab.imageIndex;
        const bool greyed = !tab.enabled && !ownDisabledImage;
        if (ImagePosition() == TMwImagePosition::Stretch) {
            if (HICON icon = ImageList_GetIcon(images_->Handle(), image, ILD_NORMAL)) {
                DrawIconEx(canvas.Handle(), parts.image.left, parts.image.top, icon, parts.image.Width(),
                           parts.image.Height(), 0, nullptr, DI_NORMAL);
                DestroyIcon(icon);
            }
        } else {
            images_->Draw(canvas, parts.image.left, parts.image.top, image, !greyed);
        }
    }

    std::vector<cl::TRect> lineBoxes;
    if (hotTrack_ && index == hotTabIndex_) {
        const bool textOnly = hotTrackStyle_ == TMwHotTrackStyle::Text;
        if (!textOnly) DrawBar(canvas, mapped, HotBarColor());
        lineBoxes = DrawCaption(canvas, index, parts.text,
                                CaptionColor(index, TMwTextStyle::HotTracked, textOnly ? hotTrackColor_ : textColors_.Selected()), 0);
    } else if (current) {
        if (hotTrack_ && hotTrackStyle_ == TMwHotTrackStyle::Tab) DrawBar(canvas, mapped, tabColors_.HighlightBar());
        lineBoxes = DrawCaption(canvas, index, parts.text, CaptionColor(index, TMwTextStyle::Current, textColors_.Selected()), 0);
    } else if (tab.enabled) {
        lineBoxes = DrawCaption(canvas, index, parts.text, CaptionColor(index, TMwTextStyle::Enabled, textColors_.Unselected()), 0);
    } else {
        DrawCaption(canvas, index, parts.text,
                    CaptionColor(index, TMwTextStyle::DisabledHighlight, textColors_.DisabledHighlight()), 1);
        lineBoxes = DrawCaption(canvas, index, parts.text,
                                CaptionColor(index, TMwTextStyle::DisabledShadow, textColors_.DisabledShadow()), 0);
    }

    if (showFocusRect_ && current && Focused() && !lineBoxes.empty()) {
        const cl::TRect focus = mw::TabFocusRect(lineBoxes, TabStyle(), TabOrientation());
        const RECT r{focus.left, focus.top, focus.right, focus.bottom};
        SetTextColor(canvas.Handle(), RGB(0, 0, 0));
        SetBkColor(canvas.Handle(), RGB(255, 255, 255));
        DrawFocusRect(canvas.Handle(), &r);
    }
}

mw::TTextDirection TMwCustomTabControl::TextDirection() const {
    if (!strip_.settings.verticalText) return mw::TTextDirection::Horizontal;
    return TabOrientation() == TMwTabOrientation::Right ? mw::TTextDirection::Down : mw::TTextDirection::Up;
}

std::vector<cl::TRect> TMwCustomTabControl::DrawCaption(cl::TCanvas& canvas, int index, const cl::TRect& area,
                                                        cl::TColor color, int offset) {
    const TMwTabData& tab = tabs_[index];
    if (tab.caption.empty()) return {};
    HDC dc = canvas.Handle();
    const bool bold = BoldCurrentTab() && index == tabIndex_;
    mw::TTabFontSelection font(dc, tabFont_, TabFontEscapement(), bold);
    auto extentOf = [dc](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
        return mw::TTabExtent{size.cx, size.cy};
    };
    const std::vector<mw::TCaptionLine> lines = mw::SplitCaption(tab.caption);
    std::vector<mw::TTabExtent> sizes;
    for (const mw::TCaptionLine& line : lines) sizes.push_back(extentOf(line.text));
    const mw::TTextDirection direction = TextDirection();
    std::vector<cl::TRect> boxes = mw::CaptionLineBoxes(area, sizes, direction, textAlignment_, textAlignmentVertical_);

    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const COLORREF rgb = cl::ColorToRGB(color);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, rgb);
    cl::TBrushHandle underlineBrush(CreateSolidBrush(rgb));
    for (size_t k = 0; k < lines.size(); ++k) {
        const cl::TRect& box = boxes[k];
        const std::string& text = lines[k].text;
        const int left = box.left + offset, top = box.top + offset, right = box.right + offset, bottom = box.bottom + offset;
        // The reference point of turned text is the corner where the text starts.
        switch (direction) {
            case mw::TTextDirection::Horizontal: TextOutA(dc, left, top, text.data(), static_cast<int>(text.size())); break;
            case mw::TTextDirection::Up: TextOutA(dc, left, bottom - 1, text.data(), static_cast<int>(text.size())); break;
            case mw::TTextDirection::Down: TextOutA(dc, right - 1, top, text.data(), static_cast<int>(text.size())); break;
        }
        const int at = lines[k].underline;
        if (at < 0) continue;
        const int before = extentOf(text.substr(0, static_cast<size_t>(at))).width;
        const int width = extentOf(text.substr(static_cast<size_t>(at), 1)).width;
        const int below = metrics.tmAscent + 1;
        RECT line{};
        switch (direction) {
            case mw::TTextDirection::Horizontal: line = {left + before, top + below, left + before + width, top + below + 1}; break;
            case mw::TTextDirection::Up: line = {left + below, bottom - before - width, left + below + 1, bottom - before}; break;
            case mw::TTextDirection::Down: line = {right - below - 1, top + before, right - below, top + before + width}; break;
        }
        FillRect(dc, &line, underlineBrush.Get());
    }
    font.Restore();
    return boxes;
}

void TMwCustomTabControl::DrawBar(cl::TCanvas& canvas, const cl::TRect& mapped, cl::TColor color) {
    mw::FillSolid(canvas.Handle(), mw::TabBarRect(mapped, TabOrientation()), color);
}

cl::TColor TMwCustomTabControl::HotBarColor() const {
    if (hotTrackColorType_ == TMwHotTrackColorType::Actual) return hotTrackColor_;
    // The complement: a third of the hue circle away, in a strong, middling tone.
    const int hue = mw::HueOfColor(hotTrackColor_);
    return mw::HslToRgbColor(static_cast<uint8_t>(hue < 120 ? hue + 120 : hue - 120), 240, 140);
}

// ---- cards ----

void TMwCustomTabControl::DrawCard(cl::TCanvas& canvas, int row) {
    const cl::TRect card = strip_.CardRect(row);
    if (card == cl::TRect{}) return;
    const cl::TRect fill = HasCard() ? FillRectOf(card) : card;
    bool handled = false;
    PaintCardBackground(canvas, row, fill, handled);
    if (!handled) {
        const bool coloured = useColoredTabs_ && tabIndex_ >= 0 && tabIndex_ < tabs_.Count();
        mw::FillSolid(canvas.Handle(), fill, coloured ? tabs_[tabIndex_].color : Color());
    }
    if (!ShowCardFrame()) return;

    const mw::TCardCorners corners{{card.left, card.top}, {card.right, card.top}, {card.right, card.bottom}, {card.left, card.bottom}};
    mw::TCardFrameOptions options;
    options.side = TabOrientation();
    options.fullFrame = ShowFullFrame();
    options.shadowFrame = TabOrientation() == TMwTabOrientation::Top && TabSequence() == TMwTabSequence::Standard && ShowShadow();
    options.drawShadow = !hotTrackPaint_;
    if (row == 0 && tabIndex_ >= 0 && tabIndex_ < tabs_.Count() && tabIndex_ >= strip_.FirstShown() && strip_.IsShown(tabIndex_)) {
        const std::vector<cl::TPoint> outline = MappedOutline(tabIndex_);
        options.opened = true;
        options.openingFrom = outline.front();
        options.openingTo = outline.back();
    }
    mw::BuildCardFrame(frameCommands_, corners, options, row);
    RunFrameCommands(canvas);
}

void TMwCustomTabControl::RunFrameCommands(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const int width = std::max(1, Width()), height = std::max(1, Height());
    // Shadows darken what lies behind the control, so they need the parent's image.
    std::unique_ptr<mw::TMemoryBitmap> behind;
    if (frameCommands_.HasShadow()) {
        behind = std::make_unique<mw::TMemoryBitmap>(nullptr, width, height);
        mw::FillSolid(behind->DC(), {0, 0, width, height}, BackgroundColor());
        mw::PaintParentBackground(*this, behind->DC());
    }
    cl::TPenHandle pen;
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    auto usePen = [&] {
        HPEN next = CreatePen(PS_SOLID, 1, cl::ColorToRGB(frameColor_));
        SelectObject(dc, next);
        pen.Reset(next);
    };
    usePen();
    cl::TPoint at{};
    auto shadow = [&](int x, int y, uint8_t weight) {
        const int x1 = std::min(at.x, x), x2 = std::max(at.x, x), y1 = std::min(at.y, y), y2 = std::max(at.y, y);
        for (int px = x1; px <= x2; ++px)
            for (int py = y1; py <= y2; ++py) {
                if (px < 0 || py < 0 || px >= width || py >= height) continue;
                const auto under = static_cast<cl::TColor>(GetPixel(behind->DC(), px, py));
                SetPixel(dc, px, py, cl::ColorToRGB(mw::MixColors(cl::clBlack, under, weight)));
            }
    };
    frameCommands_.ForEach([&](int code, int x, int y) {
        switch (code) {
            case mw::fcPenToFrameColor: usePen(); break;
            case mw::fcResetFrameColor: frameColor_ = mw::ShadeColor(flatColor_, flatColorAdjustment_); break;
            case mw::fcMoveTo: MoveToEx(dc, x, y, nullptr); break;
            case mw::fcLineTo: LineTo(dc, x, y); break;
            case mw::fcShadow30: shadow(x, y, 30); MoveToEx(dc, x, y, nullptr); break;
            case mw::fcShadow15: shadow(x, y, 15); MoveToEx(dc, x, y, nullptr); break;
            default: break;
        }
        if (code >= mw::fcMoveTo) at = {x, y};
    });
    SelectObject(dc, oldPen);
}
