#pragma once
// The group bar's arithmetic: how its groups stack (or, in the outlook style, share the
// height), how far the bar scrolls, where a group's items, outlook scroll buttons and
// open/close button pixels go, and how tall the items make a group.

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Geometry.h"

// Category view: groups with their own open/close buttons; task list: groups always open;
// outlook: one group open, filling the height the other captions leave.
enum class TMwGroupBarStyle { CategoryView, TaskList, Outlook };
// Small: text links with small images; large: centred large images with their text below.
enum class TMwItemStyle { Small, Large };

namespace mw {

struct TGroupSlot {
    bool visible = true;
    bool opened = true;
    int height = 0;  // category view and task list: the height the group takes when visible
    int captionHeight = 20;
};

// Category view and task list: the groups one below the other with a gap of border around and
// between them, scrolled up by scrollPosition. An invisible group gets height 0 and no gap.
std::vector<cl::TRect> StackGroups(const std::vector<TGroupSlot>& groups, int clientWidth, int border, int scrollPosition);

// Outlook style: only the open group (the last opened one, else the first) shows its body and
// takes the height the captions of the others leave.
std::vector<cl::TRect> ShareGroups(const std::vector<TGroupSlot>& groups, int clientWidth, int clientHeight, int border);

// From the first group's top to the last one's bottom plus the border above and below (just the
// two borders without groups).
int StackedContentHeight(const std::vector<cl::TRect>& placed, int border);

// Scrolls are in pixels; a positive one moves the groups down (the position goes back).

// The scroll that closes a gap below the last group while the first one is scrolled off the
// top: the last group then ends border above the bottom, or, when everything fits, the first
// group starts border below the top. 0 when there is no such gap.
int GapClosingScroll(const cl::TRect& first, const cl::TRect& last, int clientHeight, int border, int contentHeight);

// The scroll that brings a group into view: a group taller than the client area to border below
// the top; one that fits so that it ends border above the bottom or starts border below the top.
int ScrollIntoView(const cl::TRect& group, int clientHeight, int border);

struct TScrollRange {
    int min = 0;
    int max = 0;
    int page = 0;
};

// At most max + min - page, at least min.
int ClampScrollPosition(int value, const TScrollRange& range);

// The scroll-bar requests (the low word of WM_VSCROLL's wParam).
enum class TScrollRequest { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom, EndScroll };
constexpr int kScrollLine = 10;

// The position a request asks for; false for a request that does not scroll.
bool ScrollRequestTarget(TScrollRequest request, int position, int trackPosition, const TScrollRange& range, int& target);

// ---- items ----

struct TGroupItemMetrics {
    TMwItemStyle style = TMwItemStyle::Small;
    int width = 0;  // the group's client width
    int captionHeight = 20;
    int itemHeight = 20;        // the least height of an item row
    int sampleTextHeight = 13;  // the height of "Pp" in the group's font
    bool hasImages = false;     // the style's image list exists
    int imageWidth = 0;
    int imageHeight = 0;
    int itemIndent = 20;  // pixels per indent level (small style)
    bool rightToLeft = false;
};

struct TGroupItemFacts {
    bool visible = true;
    int indentLevel = 0;
    bool hasImage = false;   // ImageIndex is not -1
    bool separator = false;  // the caption "-"
};

// An item's text as drawn: the width of the caption on one line, and the height of the
// word-wrapped block.
struct TItemTextExtent {
    int lineWidth = 0;
    int height = 0;
};
using TMeasureItemText = std::function<TItemTextExtent(int index, int maxWidth)>;

// A rectangle that contains no point: the hit area of an item without image or text.
constexpr cl::TRect kNoHitRect{-1, -1, -1, -1};

struct TGroupItemPlace {
    bool shown = false;  // visible and at or after the top item index
    int rowTop = 0;
    cl::TRect textBox;      // where the text is drawn
    cl::TRect textRect = kNoHitRect;   // the text's hit area
    bool imageDrawn = false;
    cl::TPoint imageAt;
    cl::TRect imageRect = kNoHitRect;  // the image's hit area
    cl::TRect imageSelection;          // the box drawn round a selected or hot image
    int separatorY = 0;
};

struct TGroupItemsLayout {
    int height = 0;  // the group's height for these items
    std::vector<TGroupItemPlace> items;
};

// Places the items from topIndex on and gives the group's height for them: the caption height
// without items.
TGroupItemsLayout LayoutGroupItems(const TGroupItemMetrics& metrics, const std::vector<TGroupItemFacts>& items,
                                   int topIndex, const TMeasureItemText& measure);

// The least group width at which no item's caption wraps, from each item's caption width on
// one line. Hidden items count too: they may be shown later.
int UnwrappedItemsWidth(const TGroupItemMetrics& metrics, const std::vector<TGroupItemFacts>& items,
                        const std::vector<int>& lineWidths);

// An item caption as drawn: single "&" markers removed, "&&" kept as one "&".
std::string WithoutAccelerators(const std::string& caption);

// ---- outlook scroll buttons ----

struct TOutlookButtons {
    cl::TRect up;
    cl::TRect down;
    bool upVisible = false;
    bool downVisible = false;
};

constexpr int kOutlookButtonSize = 17;

// neededHeight is the group's height for its items at its client width.
TOutlookButtons PlaceOutlookButtons(bool outlook, bool opened, int clientWidth, int clientHeight, int captionHeight,
                                    int topIndex, int itemCount, int neededHeight);

// ---- the category view's round open/close button ----

enum class TButtonPixelKind {
    Fill,
    Outline,
    OutlineOnBackground,  // the outline colour mixed half and half with what is behind the button
    OutlineOnFill,        // the outline colour mixed half and half with the fill
    Chevron,
};

struct TButtonPixel {
    int x = 0;
    int y = 0;
    TButtonPixelKind kind = TButtonPixelKind::Fill;
};

constexpr int kOpenCloseButtonSize = 15;

// The pixels of the 15 x 15 button relative to its top-left corner, in drawing order: a double
// chevron pointing up on an opened group (a click closes it), down on a closed one.
std::vector<TButtonPixel> OpenCloseButtonPixels(bool opened);

}  // namespace mw
