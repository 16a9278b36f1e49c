#pragma once
// One collapsible group of a TMwGroupBar: a caption that opens and closes it and a body that
// shows its items (TMwGroupItem) as text links with small images or as centred large images
// with text; it can also hold ordinary child controls below its caption. Its look follows the
// bar's style. Open and Close skip OnCanOpen and OnCanClose but keep the style's rules.

#include <string>

#include "classlib/core/Event.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Control.h"
#include "classlib/win/Font.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/MouseTracking.h"
#include "controls/navigation/GroupBarLayout.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwGroupItem.h"

class TMwRapidFireButton;

CL_DECLARE_EXCEPTION(EMwGroupBarError, cl::Exception);


using TMwCanOpenEvent = cl::TEvent<cl::TObject*, bool&>;
using TMwCanCloseEvent = cl::TEvent<cl::TObject*, bool&>;

enum class TMwCaptionState { Normal, Hot, Pressed };

class TMwGroup : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwGroup(cl::TComponent* owner);
    ~TMwGroup() override;

    bool Opened() const { return opened_; }
    // Follows the bar style's rules: a task-list group stays open, an outlook group opens only
    // (and closes the others), a category-view group changes only when it can close.
    virtual void SetOpened(bool v);
    void Open() { SetOpened(true); }
    void Close() { SetOpened(false); }
    // A caption click: asks OnCanOpen or OnCanClose, then opens or closes.
    virtual void ToggleOpened();

    // The height while open without items; it follows the height while open.
    int OpenedHeight() const { return openedHeight_; }
    virtual void SetOpenedHeight(int v);
    // Category view: the caption has an open/close button; a group that cannot close is open.
    bool CanClose() const { return canClose_; }
    virtual void SetCanClose(bool v);
    bool Special() const { return special_; }
    virtual void SetSpecial(bool v) { StoreAndInvalidate(special_, v); }
    int CaptionHeight() const { return captionHeight_; }
    // Never below 16.
    virtual void SetCaptionHeight(int v);
    cl::TFont* CaptionFont() { return &captionFont_; }
    cl::TColor CaptionColor() const { return captionColor_; }
    virtual void SetCaptionColor(cl::TColor v);
    bool CaptionColorDefault() const { return captionColorDefault_; }
    virtual void SetCaptionColorDefault(bool v);
    cl::TColor CaptionHotColor() const { return captionHotColor_; }
    virtual void SetCaptionHotColor(cl::TColor v);
    int CaptionImageIndex() const { return captionImageIndex_; }
    virtual void SetCaptionImageIndex(int v) { StoreAndInvalidate(captionImageIndex_, v); }
    // The body colour; setting it switches ColorDefault off.
    virtual void SetGroupColor(cl::TColor v);
    bool ColorDefault() const { return colorDefault_; }
    virtual void SetColorDefault(bool v);
    cl::TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(cl::TColor v) { StoreAndInvalidate(borderColor_, v); }
    bool DividerVisible() const { return dividerVisible_; }
    virtual void SetDividerVisible(bool v) { StoreAndInvalidate(dividerVisible_, v); }
    cl::TColor DividerColor() const { return dividerColor_; }
    virtual void SetDividerColor(cl::TColor v) { StoreAndInvalidate(dividerColor_, v); }
    bool UseGradients() const { return useGradients_; }
    virtual void SetUseGradients(bool v) { StoreAndInvalidate(useGradients_, v); }
    TMwGroupItems* Items() { return &items_; }
    TMwItemStyle ItemStyle() const { return itemStyle_; }
    virtual void SetItemStyle(TMwItemStyle v) { StoreAndLayout(itemStyle_, v); }
    int ItemHeight() const { return itemHeight_; }
    virtual void SetItemHeight(int v) { StoreAndLayout(itemHeight_, v); }
    int ItemIndent() const { return itemIndent_; }
    virtual void SetItemIndent(int v) { StoreAndLayout(itemIndent_, v & 0xFF); }
    cl::TColor ItemHotColor() const { return itemHotColor_; }
    virtual void SetItemHotColor(cl::TColor v);
    cl::TColor SelectionColor() const { return selectionColor_; }
    virtual void SetSelectionColor(cl::TColor v) { StoreAndInvalidate(selectionColor_, v); }
    bool ShowItemSelection() const { return showItemSelection_; }
    virtual void SetShowItemSelection(bool v) { StoreAndInvalidate(showItemSelection_, v); }
    cl::TCustomImageList* SmallImages() const { return smallImages_; }
    virtual void SetSmallImages(cl::TCustomImageList* images);
    cl::TCustomImageList* LargeImages() const { return largeImages_; }
    virtual void SetLargeImages(cl::TCustomImageList* images);
    // The group's position in its bar (-1 without one); a value beyond the last raises.
    int GroupIndex() const;
    virtual void SetGroupIndex(int index);

    TMwGroupBar* GroupBar() const { return bar_; }
    virtual void SetGroupBar(TMwGroupBar* bar);
    // The bar is going away.
    void ForgetGroupBar() { bar_ = nullptr; }
    // Only a group bar can hold a group.
    void SetParentComponent(cl::TComponent* parent) override;
    // The images the caption and the small items use: the group's own, else the bar's.
    cl::TCustomImageList* SmallImageList() const;
    cl::TCustomImageList* LargeImageList() const;
    // The height the group needs for its items at this width (the bar's layout asks); the
    // items' hit areas are placed for it.
    int HeightForWidth(int width);
    // The least width at which no item's caption wraps.
    int UnwrappedItemsWidth();
    // Applies the bar style's colours and rules.
    virtual void ApplyBarStyle(TMwGroupBarStyle style);
    // Lays the bar out again and repaints (after a change of the items or their look).
    void UpdateLayout();
    // The first visible item whose text or image contains the point, or null.
    TMwGroupItem* ItemAt(cl::TPoint point);
    // The item last hit by a left button press or double click, or null.
    TMwGroupItem* GetClickedItem();
    TMwCaptionState CaptionState() const { return captionState_; }
    // The first item drawn (the outlook style's scroll buttons move it).
    int TopItemIndex() const { return topItemIndex_; }
    // The hint at a point: the group's own on the hot caption, a hot item's short hint on the
    // item; false where none shows. rect is where the hint stays valid.
    bool HintAt(cl::TPoint point, std::string& text, cl::TRect& rect) override;
    // The colours of a pressed caption and a pressed item.
    cl::TColor PressedCaptionColor() const { return pressedCaptionColor_; }
    cl::TColor PressedItemColor() const { return pressedItemColor_; }
    TMwRapidFireButton* ScrollUpButton() const { return upButton_; }
    TMwRapidFireButton* ScrollDownButton() const { return downButton_; }

    // ---- called by the items ----
    void ItemsChanged();
    // An item was removed (-1: all of them).
    virtual void ItemRemoved(int index);
    // An item became selected: the others let go of their selections.
    void ItemSelected(TMwGroupItem* item);
    // Lets every item's action run its update handler.
    void InitiateAction();

    void Loaded() override;

    TMwCanOpenEvent OnCanOpen;
    TMwCanCloseEvent OnCanClose;
    cl::TNotifyEvent OnOpen;
    cl::TNotifyEvent OnClose;
    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(cl::TMessage& message) override;
    void AlignControls() override;
    void Resize() override;
    void Paint(cl::TCanvas& canvas) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void FontChanged() override;
    // The opened height scales with the form.
    void ChangeScale(int m, int d) override;
    // Right-to-left reading mirrors the caption and the items.
    void BiDiModeChanged() override { UpdateLayout(); }
    void DoContextPopup(cl::TPoint screenPoint, bool& handled) override;
    // Only a group bar (or none) can hold a group; the group leaves its bar with it.
    void ValidateParent(cl::TControl* parent) override;
    void ParentChanged() override;
    // A drag that the group accepts makes the item under the pointer hot; the end of a drag
    // of the group leaves every item normal and unpressed.
    void DragOver(cl::TObject* source, cl::TPoint point, cl::TDragState state, bool& accept) override;
    void DoEndDrag(cl::TObject* target, cl::TPoint point) override;

    // Painting, one painter per look; each ends with DrawItems.
    virtual void DrawItems(cl::TCanvas& canvas);
    // The colour of a hot or pressed item's text: state, or the normal one when state would not
    // show.
    cl::TColor ReadableItemColor(cl::TColor state, cl::TColor normal);
    virtual void DrawOpenCloseButton(HDC dc, bool opened, int x, cl::TColor chevron, cl::TColor outline, int y);
    virtual void PaintCategoryClassic(cl::TCanvas& canvas);
    virtual void PaintCategoryThemed(cl::TCanvas& canvas);
    virtual void PaintOutlook(cl::TCanvas& canvas);
    virtual void PaintTaskList(cl::TCanvas& canvas);

private:
    // Joins the bar that is the parent now (none: leaves its bar).
    void FollowParent();
    // The category view draws in the theme (the bar's ThemeAware, themes enabled).
    bool CategoryThemed() const;
    // The body colour the category view gives a group: the theme's group fill when themed.
    cl::TColor CategoryViewColor() const;
    template <class T>
    void StoreAndLayout(T& field, T value) {
        if (field == value) return;
        field = value;
        UpdateLayout();
    }
    TMwGroupBarStyle BarStyle() const;
    cl::TRect CaptionRect() { return cl::TRect::FromBounds(0, 0, ClientWidth(), captionHeight_); }
    bool GradientsOn() const;
    void RecomputePressedColors();
    // The caption's background colour and text colour in the caption's state.
    cl::TColor CaptionBackground() const;
    cl::TColor CaptionTextColor() const;
    // Caption image and the x where the text starts (classic category view and task list).
    int DrawCaptionImage(cl::TCanvas& canvas, int imageX);
    void DrawCaptionText(cl::TCanvas& canvas, int textStart, cl::TColor color);
    void DrawDividerRow(cl::TCanvas& canvas, bool mirror);
    mw::TGroupItemMetrics ItemMetrics(int width);
    std::vector<mw::TGroupItemFacts> ItemFacts() const;
    mw::TGroupItemsLayout LayoutItems(int width);
    void DrawItemImage(cl::TCanvas& canvas, cl::TCustomImageList& images, const TMwGroupItem& item, cl::TPoint at);
    void DrawSelectionBox(cl::TCanvas& canvas, const cl::TRect& r, bool light);
    void PlaceScrollButtons();
    void ScrollItems(int step);

    // Mouse handling.
    void MouseDownAt(cl::TMouseButton button, cl::TPoint p);
    void MouseMoveAt(cl::TPoint p);
    void MouseUpAt(cl::TMouseButton button, cl::TPoint p);
    void MouseLeft();
    TMwGroupItem* PressedItem();
    bool HandleSetCursor(cl::TMessage& m);

    TMwGroupBar* bar_ = nullptr;
    TMwGroupBarStyle style_ = TMwGroupBarStyle::CategoryView;
    TMwGroupItems items_;
    bool opened_ = true;
    int openedHeight_ = 50;
    bool canClose_ = true;
    bool special_ = false;
    int captionHeight_ = 20;
    cl::TFont captionFont_;
    bool captionFontChanged_ = false;
    bool fontSet_ = false;
    bool applyingStyle_ = false;
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
    cl::TChangeLink smallImagesLink_;
    cl::TChangeLink largeImagesLink_;
    cl::TColor pressedCaptionColor_ = cl::clBtnShadow;
    cl::TColor pressedItemColor_ = cl::clBtnShadow;

    TMwCaptionState captionState_ = TMwCaptionState::Normal;
    bool captionPressed_ = false;
    int topItemIndex_ = 0;
    int clickedItem_ = -1;
    TMwRapidFireButton* upButton_ = nullptr;
    TMwRapidFireButton* downButton_ = nullptr;
    HCURSOR handCursor_ = nullptr;
    mw::TMouseTracking mouse_;
};
