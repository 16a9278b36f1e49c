#pragma once
// A tab control whose tabs come from its TMwTabSheet children: one tab for each sheet whose
// TabVisible is set, and selecting a tab shows its sheet. With every tab hidden the program
// switches sheets through ActivePage alone.
//
// These classes offer what the program uses so far: the properties, the tabs, the sheet
// switching and a plain tab strip along the top; the other tab shapes and sides, scrolling and
// the close button come later.

#include <string>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Persistent.h"
#include "classlib/win/Control.h"
#include "controls/foundation/FrameModel.h"

namespace cl {
class TCanvas;
class TCustomImageList;
}  // namespace cl

class TMwPageControl;

enum class TMwTabStyle { SingleSlant, DoubleSlant, CutCorner, RoundCorners };
enum class TMwTabOrientation { Top, Left, Bottom, Right };
enum class TMwTabSequence { Standard, Reverse };
enum class TMwHotTrackStyle { Tab, Text };
enum class TMwImagePosition { Left, Top, Right, Bottom, Back, Stretch };
enum class TMwHorizontalAlignment { Left, Center, Right };
enum class TMwVerticalAlignment { Top, Center, Bottom };

using TMwTabChangingEvent = cl::TEvent<cl::TObject*, int, bool&>;
using TMwTabCloseEvent = cl::TEvent<cl::TObject*, bool&>;
using TMwGetTextColorEvent = cl::TEvent<cl::TObject*, int, int, cl::TColor&, bool&>;
using TMwPaintBackgroundEvent = cl::TEvent<cl::TObject*, cl::TCanvas&, cl::TRect, bool&>;
using TMwPaintCardBackgroundEvent = cl::TEvent<cl::TObject*, cl::TCanvas&, int, cl::TRect, bool&>;
using TMwPaintTabBackgroundEvent = cl::TEvent<cl::TObject*, cl::TCanvas&, int, cl::TRect, bool&>;

// The colours of the tabs and of their texts; a change repaints the control.
class TMwTabColors : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    explicit TMwTabColors(cl::TControl& control) : control_(control) {}
    cl::TColor HighlightBar() const { return highlightBar_; }
    void SetHighlightBar(cl::TColor v) { StoreAndInvalidate(highlightBar_, v); }
    cl::TColor Shadow() const { return shadow_; }
    void SetShadow(cl::TColor v) { StoreAndInvalidate(shadow_, v); }
    cl::TColor Unselected() const { return unselected_; }
    void SetUnselected(cl::TColor v) { StoreAndInvalidate(unselected_, v); }

private:
    void StoreAndInvalidate(cl::TColor& field, cl::TColor v) {
        if (field == v) return;
        field = v;
        control_.Invalidate();
    }
    cl::TControl& control_;
    cl::TColor highlightBar_ = cl::clHighlight;
    cl::TColor shadow_ = cl::clBtnFace;
    cl::TColor unselected_ = cl::clWindow;
};

class TMwTextColors : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    explicit TMwTextColors(cl::TControl& control) : control_(control) {}
    cl::TColor DisabledHighlight() const { return disabledHighlight_; }
    void SetDisabledHighlight(cl::TColor v) { StoreAndInvalidate(disabledHighlight_, v); }
    cl::TColor DisabledShadow() const { return disabledShadow_; }
    void SetDisabledShadow(cl::TColor v) { StoreAndInvalidate(disabledShadow_, v); }
    cl::TColor Selected() const { return selected_; }
    void SetSelected(cl::TColor v) { StoreAndInvalidate(selected_, v); }
    cl::TColor Unselected() const { return unselected_; }
    void SetUnselected(cl::TColor v) { StoreAndInvalidate(unselected_, v); }

private:
    void StoreAndInvalidate(cl::TColor& field, cl::TColor v) {
        if (field == v) return;
        field = v;
        control_.Invalidate();
    }
    cl::TControl& control_;
    cl::TColor disabledHighlight_ = cl::clBtnHighlight;
    cl::TColor disabledShadow_ = cl::clBtnShadow;
    cl::TColor selected_ = cl::clBtnText;
    cl::TColor unselected_ = cl::clBtnText;
};

class TMwTabSheet : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwTabSheet(cl::TComponent* owner);
    ~TMwTabSheet() override;

    TMwPageControl* PageControl() const { return pageControl_; }
    // Moves the sheet to another page control (or none).
    void SetPageControl(TMwPageControl* pageControl);
    int PageIndex() const;
    // EListError when the index is outside the page list.
    void SetPageIndex(int index);
    // -1 while the tab is hidden, else the number of visible tabs before it.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    bool TabEnabled() const { return tabEnabled_; }
    void SetTabEnabled(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int v);

    // The page control shows and hides its sheets; anyone else gets an error.
    void SetVisible(bool visible) override;
    void SetParentComponent(cl::TComponent* parent) override;

    TMwPaintBackgroundEvent OnPaintBackground;

protected:
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;

private:
    friend class TMwPageControl;
    void ShowSheet(bool visible) { cl::TCustomControl::SetVisible(visible); }
    void TabChanged();

    TMwPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    bool tabEnabled_ = true;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
};

class TMwPageControl : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwPageControl(cl::TComponent* owner);
    ~TMwPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TMwTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TMwTabSheet* ActivePage() const { return activePage_; }
    // Shows the sheet. A sheet whose tab is hidden is shown directly; then TabIndex follows
    // (which asks OnChanging for a visible tab). While the form is read the value is stored.
    void SetActivePage(TMwTabSheet* sheet);
    int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
    void SetActivePageIndex(int index) { SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr); }
    TMwTabSheet* ActivePageDefault() const { return activePageDefault_; }
    void SetActivePageDefault(TMwTabSheet* sheet) { activePageDefault_ = sheet; }
    bool SaveResources() const { return saveResources_; }
    void SetSaveResources(bool v) { saveResources_ = v; }
    int TabIndex() const { return tabIndex_; }
    // Asks OnChanging, then shows the sheet of that tab; an index outside the tabs means none.
    void SetTabIndex(int index);
    int TabCount() const;
    // The next (or previous) sheet with a visible tab, wrapping around.
    void SelectNextPage(bool forward);
    void HideAllTabs();
    void ShowAllTabs();
    // Rebuilds the tabs from the sheets (after a sheet's tab settings changed).
    void TabsChanged();

    // ---- tab control settings ----
    bool AlignTabs() const { return alignTabs_; }
    void SetAlignTabs(bool v) { StoreAndInvalidate(alignTabs_, v); }
    cl::TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(cl::TColor v) { parentBackgroundColor_ = false; StoreAndInvalidate(backgroundColor_, v); }
    bool BoldCurrentTab() const { return boldCurrentTab_; }
    void SetBoldCurrentTab(bool v) { StoreAndInvalidate(boldCurrentTab_, v); }
    int CutCornerSize() const { return cutCornerSize_; }
    void SetCutCornerSize(int v) { if (v >= 0) StoreAndInvalidate(cutCornerSize_, v); }
    cl::TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int v) { StoreAndInvalidate(flatColorAdjustment_, v); }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v) { StoreAndInvalidate(hotTrack_, v); }
    cl::TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(cl::TColor v) { StoreAndInvalidate(hotTrackColor_, v); }
    TMwHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TMwHotTrackColorType v) { StoreAndInvalidate(hotTrackColorType_, v); }
    TMwHotTrackStyle HotTrackStyle() const { return hotTrackStyle_; }
    void SetHotTrackStyle(TMwHotTrackStyle v) { StoreAndInvalidate(hotTrackStyle_, v); }
    TMwHorizontalAlignment ImageAlignment() const { return imageAlignment_; }
    void SetImageAlignment(TMwHorizontalAlignment v) { StoreAndInvalidate(imageAlignment_, v); }
    TMwVerticalAlignment ImageAlignmentVertical() const { return imageAlignmentVertical_; }
    void SetImageAlignmentVertical(TMwVerticalAlignment v) { StoreAndInvalidate(imageAlignmentVertical_, v); }
    int ImageMargin() const { return imageMargin_; }
    void SetImageMargin(int v) { if (v >= 0) StoreAndInvalidate(imageMargin_, v); }
    TMwImagePosition ImagePosition() const { return imagePosition_; }
    void SetImagePosition(TMwImagePosition v) { StoreAndInvalidate(imagePosition_, v); }
    cl::TCustomImageList* Images() const { return images_; }
    void SetImages(cl::TCustomImageList* images);
    int Margin() const { return margin_; }
    void SetMargin(int v) { if (v >= 0) StoreAndInvalidate(margin_, v); }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v) { StoreAndInvalidate(multiLine_, v); }
    bool ParentBackgroundColor() const { return parentBackgroundColor_; }
    void SetParentBackgroundColor(bool v);
    int RowIndent() const { return rowIndent_; }
    void SetRowIndent(int v) { if (v >= 0) StoreAndInvalidate(rowIndent_, v); }
    int RowOverlap() const { return rowOverlap_; }
    void SetRowOverlap(int v) { if (v >= 0) StoreAndInvalidate(rowOverlap_, v); }
    bool ShowCardFrame() const { return showCardFrame_; }
    void SetShowCardFrame(bool v) { StoreAndRealign(showCardFrame_, v); }
    bool ShowCloseButton() const { return showCloseButton_; }
    void SetShowCloseButton(bool v) { StoreAndInvalidate(showCloseButton_, v); }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool v) { StoreAndInvalidate(showFocusRect_, v); }
    bool ShowFullFrame() const { return showFullFrame_; }
    void SetShowFullFrame(bool v);
    bool ShowShadow() const { return showShadow_; }
    void SetShowShadow(bool v);
    TMwTabColors* TabColors() { return &tabColors_; }
    TMwTextColors* TextColors() { return &textColors_; }
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int v) { if (v >= 0) StoreAndRealign(tabHeight_, v); }
    bool TabHints() const { return tabHints_; }
    void SetTabHints(bool v) { tabHints_ = v; }
    TMwTabOrientation TabOrientation() const { return tabOrientation_; }
    void SetTabOrientation(TMwTabOrientation v) { StoreAndRealign(tabOrientation_, v); }
    TMwTabSequence TabSequence() const { return tabSequence_; }
    void SetTabSequence(TMwTabSequence v) { StoreAndInvalidate(tabSequence_, v); }
    TMwTabStyle TabStyle() const { return tabStyle_; }
    void SetTabStyle(TMwTabStyle v) { StoreAndInvalidate(tabStyle_, v); }
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int v) { if (v >= 0) StoreAndInvalidate(tabWidth_, v); }
    TMwHorizontalAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TMwHorizontalAlignment v) { StoreAndInvalidate(textAlignment_, v); }
    TMwVerticalAlignment TextAlignmentVertical() const { return textAlignmentVertical_; }
    void SetTextAlignmentVertical(TMwVerticalAlignment v) { StoreAndInvalidate(textAlignmentVertical_, v); }
    TOrientation TextOrientation() const { return textOrientation_; }
    void SetTextOrientation(TOrientation v) { StoreAndInvalidate(textOrientation_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { StoreAndInvalidate(transparent_, v); }
    bool UseColoredTabs() const { return useColoredTabs_; }
    void SetUseColoredTabs(bool v) { StoreAndInvalidate(useColoredTabs_, v); }
    bool UseGradients() const { return useGradients_; }
    void SetUseGradients(bool v) { StoreAndInvalidate(useGradients_, v); }
    // The depth of a tab row ("FixedDimension" in form resources); 0 measures it from the font.
    int FixedDimension() const { return fixedDimension_; }

    void Loaded() override;
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnChange;
    TMwTabChangingEvent OnChanging;
    TMwTabCloseEvent OnClose;
    TMwGetTextColorEvent OnGetTextColor;
    TMwPaintBackgroundEvent OnPaintBackground;
    TMwPaintCardBackgroundEvent OnPaintCardBackground;
    TMwPaintTabBackgroundEvent OnPaintTabBackground;
    cl::TNotifyEvent OnTabClick;

protected:
    void AlignControls() override;
    void ControlListChanged(cl::TControl* control, bool inserted) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;

private:
    friend class TMwTabSheet;
    void ShowSheet(TMwTabSheet* sheet);
    void RemovePage(TMwTabSheet* sheet);
    int RowDepth();
    // The tabs of the visible sheets, left to right, along the top.
    std::vector<cl::TRect> TabRects();
    cl::TRect DisplayRect();
    bool MayChangeTo(int index);

    std::vector<TMwTabSheet*> pages_;
    TMwTabSheet* activePage_ = nullptr;
    TMwTabSheet* activePageDefault_ = nullptr;
    bool saveResources_ = false;
    int tabIndex_ = -1;
    int fixedDimension_ = 0;
    bool aligning_ = false;

    bool alignTabs_ = false;
    cl::TColor backgroundColor_ = cl::clBtnFace;
    bool boldCurrentTab_ = false;
    int cutCornerSize_ = 6;
    cl::TColor flatColor_ = cl::clBtnShadow;
    int flatColorAdjustment_ = 0;
    bool hotTrack_ = true;
    cl::TColor hotTrackColor_ = cl::clHighlight;
    TMwHotTrackColorType hotTrackColorType_ = TMwHotTrackColorType::Complement;
    TMwHotTrackStyle hotTrackStyle_ = TMwHotTrackStyle::Tab;
    TMwHorizontalAlignment imageAlignment_ = TMwHorizontalAlignment::Center;
    TMwVerticalAlignment imageAlignmentVertical_ = TMwVerticalAlignment::Center;
    int imageMargin_ = 2;
    TMwImagePosition imagePosition_ = TMwImagePosition::Left;
    cl::TCustomImageList* images_ = nullptr;
    int margin_ = 0;
    bool multiLine_ = false;
    bool parentBackgroundColor_ = true;
    int rowIndent_ = 5;
    int rowOverlap_ = 5;
    bool showCardFrame_ = true;
    bool showCloseButton_ = false;
    bool showFocusRect_ = true;
    bool showFullFrame_ = true;
    bool showShadow_ = true;
    TMwTabColors tabColors_;
    TMwTextColors textColors_;
    int tabHeight_ = 0;
    bool tabHints_ = false;
    TMwTabOrientation tabOrientation_ = TMwTabOrientation::Top;
    TMwTabSequence tabSequence_ = TMwTabSequence::Standard;
    TMwTabStyle tabStyle_ = TMwTabStyle::SingleSlant;
    int tabWidth_ = 0;
    TMwHorizontalAlignment textAlignment_ = TMwHorizontalAlignment::Center;
    TMwVerticalAlignment textAlignmentVertical_ = TMwVerticalAlignment::Center;
    TOrientation textOrientation_ = TOrientation::Horizontal;
    bool transparent_ = false;
    bool useColoredTabs_ = false;
    bool useGradients_ = true;
};
