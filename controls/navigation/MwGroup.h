#pragma once
// One collapsible group of a TMwGroupBar: a caption that opens and closes it and a body that
// shows its items (TMwGroupItem) as text links with small images or as centred large images
// with text. Open and Close skip OnCanOpen and OnCanClose but keep the bar style's rules.
//
// This class offers what the program uses so far: the properties, the open and close rules,
// the item layout and clicks, and the classic category-view look.

#include <memory>
#include <string>

#include "classlib/core/Event.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Control.h"
#include "classlib/win/Font.h"
#include "controls/basic/MouseTracking.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwGroupItem.h"

namespace cl {
class TCustomImageList;
}

CL_DECLARE_EXCEPTION(EMwGroupBarError, cl::Exception);

enum class TMwItemStyle { Small, Large };

using TMwCanOpenEvent = cl::TEvent<cl::TObject*, bool&>;
using TMwCanCloseEvent = cl::TEvent<cl::TObject*, bool&>;

class TMwGroup : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwGroup(cl::TComponent* owner);
    ~TMwGroup() override;

    bool Opened() const { return opened_; }
    // Follows the bar style's rules: a task-list group stays open, an outlook group opens only,
    // a category-view group changes only when it can close.
    void SetOpened(bool v);
    void Open() { SetOpened(true); }
    void Close() { SetOpened(false); }
    // A caption click: asks OnCanOpen or OnCanClose, then opens or closes.
    void ToggleOpened();

    int OpenedHeight() const { return openedHeight_; }
    void SetOpenedHeight(int v);
    bool CanClose() const { return canClose_; }
    void SetCanClose(bool v);
    bool Special() const { return special_; }
    void SetSpecial(bool v) { StoreAndInvalidate(special_, v); }
    int CaptionHeight() const { return captionHeight_; }
    // Never below 16.
    void SetCaptionHeight(int v);
    cl::TFont* CaptionFont() { return &captionFont_; }
    cl::TColor CaptionColor() const { return captionColor_; }
    void SetCaptionColor(cl::TColor v);
    bool CaptionColorDefault() const { return captionColorDefault_; }
    void SetCaptionColorDefault(bool v);
    cl::TColor CaptionHotColor() const { return captionHotColor_; }
    void SetCaptionHotColor(cl::TColor v) { StoreAndInvalidate(captionHotColor_, v); }
    int CaptionImageIndex() const { return captionImageIndex_; }
    void SetCaptionImageIndex(int v) { StoreAndInvalidate(captionImageIndex_, v); }
    // The body colour; setting it switches ColorDefault off.
    void SetGroupColor(cl::TColor v);
    bool ColorDefault() const { return colorDefault_; }
    void SetColorDefault(bool v);
    cl::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(cl::TColor v) { StoreAndInvalidate(borderColor_, v); }
    bool DividerVisible() const { return dividerVisible_; }
    void SetDividerVisible(bool v) { StoreAndInvalidate(dividerVisible_, v); }
    cl::TColor DividerColor() const { return dividerColor_; }
    void SetDividerColor(cl::TColor v) { StoreAndInvalidate(dividerColor_, v); }
    bool UseGradients() const { return useGradients_; }
    void SetUseGradients(bool v) { StoreAndInvalidate(useGradients_, v); }
    TMwGroupItems* Items() { return &items_; }
    TMwItemStyle ItemStyle() const { return itemStyle_; }
    void SetItemStyle(TMwItemStyle v) { StoreAndLayout(itemStyle_, v); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v) { StoreAndLayout(itemHeight_, v); }
    int ItemIndent() const { return itemIndent_; }
    void SetItemIndent(int v) { StoreAndLayout(itemIndent_, v & 0xFF); }
    cl::TColor ItemHotColor() const { return itemHotColor_; }
    void SetItemHotColor(cl::TColor v) { StoreAndInvalidate(itemHotColor_, v); }
    cl::TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(cl::TColor v) { StoreAndInvalidate(selectionColor_, v); }
    bool ShowItemSelection() const { return showItemSelection_; }
    void SetShowItemSelection(bool v) { StoreAndInvalidate(showItemSelection_, v); }
    cl::TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(cl::TCustomImageList* images);
    cl::TCustomImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(cl::TCustomImageList* images);
    // The group's position in its bar (-1 without one); a value beyond the last raises.
    int GroupIndex() const;
    void SetGroupIndex(int index);

    TMwGroupBar* GroupBar() const { return bar_; }
    void SetGroupBar(TMwGroupBar* bar);
    // Only a group bar can hold a group.
    void SetParentComponent(cl::TComponent* parent) override;
    // The images the items use: the group's own, else the bar's.
    cl::TCustomImageList* ItemImages() const;
    // The height the group needs for its items at this width (the bar's layout asks).
    int HeightForWidth(int width);
    // Applies the bar style's colours and rules.
    void ApplyBarStyle(TMwGroupBarStyle style);
    // Re-lays out the bar and repaints (after an item change).
    void UpdateLayout();
    // The item whose text or image contains the point, or null.
    TMwGroupItem* ItemAt(cl::TPoint point);

    void Loaded() override;

    TMwCanOpenEvent OnCanOpen;
    TMwCanCloseEvent OnCanClose;
    cl::TNotifyEvent OnOpen;
    cl::TNotifyEvent OnClose;
    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void FontChanged() override;

private:
    template <class T>
    void StoreAndLayout(T& field, T value) {
        if (field == value) return;
        field = value;
        UpdateLayout();
    }
    TMwGroupBarStyle BarStyle() const;
    void DrawItems(HDC dc);
    void DrawOpenCloseButton(HDC dc, int x, int y, cl::TColor chevron, cl::TColor outline);
    cl::TRect CaptionRect() const { return cl::TRect::FromBounds(0, 0, Width(), captionHeight_); }

    TMwGroupBar* bar_ = nullptr;
    TMwGroupItems items_;
    bool opened_ = true;
    int openedHeight_ = 50;
    bool canClose_ = true;
    bool special_ = false;
    int captionHeight_ = 20;
    cl::TFont captionFont_;
    bool captionFontChanged_ = false;
    cl::TColor captionColor_ = cl::clHighlightText;
    bool captionColorDefault_ = true;
    cl::TColor captionHotColor_ = cl::clHotLight;
    int captionImageIndex_ = -1;
    bool colorDefault_ = true;
    cl::TColor borderColor_ = cl::clBtnHighlight;
    bool dividerVisible_ = false;
    cl::TColor dividerColor_ = cl::clHighlight;
    bool useGradients_ = true;
    TMwItemStyle itemStyle_ = TMwItemStyle::Small;
    int itemHeight_ = 20;
    int itemIndent_ = 20;
    cl::TColor itemHotColor_ = cl::clHotLight;
    cl::TColor selectionColor_ = cl::clHighlight;
    bool showItemSelection_ = false;
    cl::TCustomImageList* smallImages_ = nullptr;
    cl::TCustomImageList* largeImages_ = nullptr;

    // Mouse state: the caption is hot or pressed; one item is hot, one pressed.
    bool captionHot_ = false;
    bool captionPressed_ = false;
    TMwGroupItem* hotItem_ = nullptr;
    TMwGroupItem* pressedItem_ = nullptr;
    bool applyingStyle_ = false;
    mw::TMouseTracking mouse_;
};
