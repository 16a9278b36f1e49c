#pragma once
// The geometry of a tab strip: how big each tab is, how the tabs break into rows, whether a
// single row must scroll, and where the tabs, the cards, the scroller and the close button lie.
//
// Tabs are laid out in one normalised frame, as if they stood on top and ran left to right:
// x runs along the strip, y across it, y = 0 is the outer edge of the tab area and the card lies
// at larger y. Mapping to the real side and sequence happens only when a tab is drawn or hit.
// Rectangles in client coordinates follow the drawing convention of the tab control: the card's
// right and bottom are the last pixel column and row it covers.

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Geometry.h"
#include "controls/navigation/TabData.h"
#include "controls/navigation/TabEnums.h"

namespace mw {

struct TTabExtent {
    int width = 0;
    int height = 0;
    bool operator==(const TTabExtent& o) const { return width == o.width && height == o.height; }
};

// The size of one line of caption text (accelerator already taken out) as drawn horizontally in
// the tab font, bold or not; 0 x 0 when it cannot be measured.
using TLineMeasure = std::function<TTabExtent(const std::string& line, bool bold)>;

// Lines stack for horizontal text; for vertical text each line is turned first and they stand
// side by side.
TTabExtent CaptionExtent(const std::string& caption, bool verticalText, bool bold, const TLineMeasure& measure);

// How far neighbouring tabs overlap, for a tab of that depth; -1 means a gap of two pixels.
int TabSlant(TMwTabStyle style, int length);

cl::TRect NormalizedRect(const cl::TRect& r);

struct TTabStripSettings {
    TMwTabStyle style = TMwTabStyle::SingleSlant;
    TMwTabOrientation side = TMwTabOrientation::Top;
    TMwTabSequence sequence = TMwTabSequence::Standard;
    bool verticalText = false;
    TMwImagePosition imagePosition = TMwImagePosition::Left;
    int imageMargin = 2;
    bool boldCurrentTab = false;
    int tabWidth = 0;   // 0: from the captions
    int tabHeight = 0;  // 0: from the captions
    int cutCornerSize = 6;
    int margin = 0;
    int rowIndent = 5;
    int rowOverlap = 5;
    bool multiLine = false;
    bool alignTabs = false;
    bool showShadow = true;
    bool showCardFrame = true;
    bool showFullFrame = true;
    bool showCloseButton = false;
    // Without a card the tabs fill the whole control (a tab strip alone).
    bool hasCard = true;
};

// What the layout measures tabs with.
struct TTabMetrics {
    TLineMeasure measure;
    int fontHeight = 0;      // of the tab font, in pixels
    bool hasImages = false;  // an image list is set
    TTabExtent imageSize;    // of the image list's images
};

class TTabStrip {
public:
    explicit TTabStrip(TMwTabDataList& tabs) : tabs_(tabs) {}

    TTabStripSettings settings;
    // The control's size in pixels.
    void SetSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Sizes and places every visible tab, decides whether the strip scrolls and which tab is
    // shown first.
    void Layout(const TTabMetrics& metrics);

    // The depth of one tab row.
    int FixedDimension() const { return fixedDimension_; }
    void SetFixedDimension(int value) { fixedDimension_ = value; }
    int Rows() const { return rows_; }
    void SetRows(int rows) { rows_ = rows; }
    int FirstShown() const { return firstShown_; }
    void SetFirstShown(int index) { firstShown_ = index; }
    bool Scrolling() const { return scrolling_; }
    // The scroller's height (its arrows are square) and the close button's size (0 when hidden).
    int ButtonSize() const { return buttonSize_; }
    int CloseButtonSize() const;

    int FirstVisibleTab() const;
    int LastVisibleTab() const;
    bool HasVisibleTabs() const { return FirstVisibleTab() >= 0; }

    // ---- geometry in client coordinates ----
    int Depth() const;
    cl::TRect TabArea() const;
    int StripLength() const;
    // The normalised x that maps to the start of the tab area: the first shown tab's near edge.
    int ScrollOrigin() const { return ScrollOriginFrom(firstShown_); }
    cl::TPoint MapPoint(cl::TPoint p) const;
    cl::TRect MapRect(const cl::TRect& r) const;
    // The layout rectangle moved in by the row indent; the current round-cornered tab is larger.
    cl::TRect WorkingRect(int index, bool current) const;
    // Visible and, on a scrolling strip, wholly inside the room the scroller leaves.
    bool IsShown(int index) const { return IsShownFrom(index, firstShown_); }
    // The card of a row; (0, 0, 0, 0) when the rows leave no room for it.
    cl::TRect CardRect(int row) const;
    // The area that child controls are aligned in (right and bottom exclusive).
    cl::TRect DisplayRect() const;
    // Where the scroller goes; it is out of sight unless a single row scrolls.
    bool ScrollerNeeded() const { return !settings.multiLine && scrolling_; }
    cl::TRect ScrollerBounds() const;
    cl::TRect CloseButtonBounds() const;

    // ---- moving the strip ----
    // The scroller's up or right arrow scrolls toward the end of the strip (else the other one).
    bool UpRightScrollsTowardEnd() const;
    // Each returns true when the first shown tab moved.
    bool ScrollTowardEnd();
    bool ScrollTowardStart();
    // Scrolls until the tab is wholly shown.
    bool ScrollIntoView(int index);
    // Multi-line without scrolling: the tab's row comes next to the card, the rows keep their
    // cyclic order.
    void RotateRows(int index);

private:
    TTabExtent SampleSize(const TTabMetrics& metrics) const;
    TTabExtent ContentSize(const TMwTabData& tab, const TTabMetrics& metrics, TTabExtent sample) const;
    TTabExtent TabSizeFor(TTabExtent content) const;
    int CountRows(const std::vector<int>& visible, const std::vector<TTabExtent>& sizes) const;
    void PlaceTabs(const std::vector<int>& visible, const std::vector<TTabExtent>& sizes);
    void AlignRows(const std::vector<int>& visible);
    void ChooseFirstShown();
    int LengthAlong(TTabExtent size, int available) const;
    int ScrollOriginFrom(int first) const;
    bool IsShownFrom(int index, int first) const;
    int ShownRoom() const;
    bool Standard() const { return settings.sequence == TMwTabSequence::Standard; }
    bool SideTabs() const { return IsSideOrientation(settings.side); }

    TMwTabDataList& tabs_;
    int width_ = 0;
    int height_ = 0;
    int fixedDimension_ = 0;
    int rows_ = 1;
    int firstShown_ = -1;
    bool scrolling_ = false;
    int buttonSize_ = 0;
};

}  // namespace mw
