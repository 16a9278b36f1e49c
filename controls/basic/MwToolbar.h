#pragma once
// A panel that places its child controls itself, in a remembered order, in rows of fixed
// height (columns when vertical), wrapping when a control would cross the far margin, and then
// fits its height (or width) to the rows. It hands the common button size, layout and caption
// visibility to its tool buttons through three messages, and can tile a background bitmap.

#include <string>
#include <vector>

#include "classlib/core/Persistent.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/ButtonLayout.h"
#include "controls/basic/MwGlyph.h"
#include "controls/basic/MwPanel.h"

// Sent to every child control (both parameters 0) when the toolbar's ShowButtonCaptions,
// ButtonLayout, or ButtonWidth or ButtonHeight changed.
constexpr UINT CM_TOOLBARSHOWCAPTIONCHANGED = 0xB3EA;
constexpr UINT CM_TOOLBARBUTTONLAYOUTCHANGED = 0xB3EB;
constexpr UINT CM_TOOLBARBUTTONSIZECHANGED = 0xB3EC;

class TMwRegIniFile;

enum class TMwToolbarTextOptions { NoTextLabels, ShowTextLabels, SelectiveTextOnRight, Custom };

// The texts of a customisation dialog; only stored and streamed.
class TMwCustomizeCaptions : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    enum TIndex { Title, Hint, Close, MoveUp, MoveDown, TextOptions, NoTextLabels, ShowTextLabels, SelectiveTextOnRight, Count };
    TMwCustomizeCaptions();
    const std::string& Caption(TIndex index) const { return texts_[index]; }
    void SetCaption(TIndex index, const std::string& text) { texts_[index] = text; }
    template <TIndex I>
    const std::string& Get() const { return texts_[I]; }
    template <TIndex I>
    void Put(const std::string& text) { texts_[I] = text; }

private:
    std::string texts_[Count];
};

class TMwToolbar : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwToolbar(cl::TComponent* owner);
    ~TMwToolbar() override;

    // With AutoStyle the border follows the alignment; with AutoResize the cross size is reset.
    void SetToolbarAlign(cl::TAlign align);
    bool AutoResize() const { return autoResize_; }
    // Never on under a page scroller or a platform toolbar, which size the toolbar themselves.
    void SetAutoResize(bool v);
    // Tiled behind the controls where the toolbar is not themed.
    const TMwGlyph& Background() const { return background_; }
    void SetBackground(HBITMAP bitmap) { background_.Assign(bitmap); }
    const std::vector<uint8_t>& BackgroundData() const { return background_.BitmapFile(); }
    void SetBackgroundData(const std::vector<uint8_t>& file) { background_.SetBitmapFile(file); }
    bool AutoStyle() const { return autoStyle_; }
    void SetAutoStyle(bool v) { autoStyle_ = v; }
    cl::TCustomImageList* Images() const { return images_; }
    void SetImages(cl::TCustomImageList* images);
    int Margin() const { return margin_; }
    void SetMargin(int v) { StoreAndPosition(margin_, v); }
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int v) { StoreAndPosition(topMargin_, v); }
    TOrientation Orientation() const { return orientation_; }
    // Turns every spacer of the toolbar too.
    void SetOrientation(TOrientation v);
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int v) { StoreAndPosition(rowHeight_, v); }
    bool WrapControls() const { return wrapControls_; }
    void SetWrapControls(bool v) { StoreAndPosition(wrapControls_, v); }
    // Setting any of these four directly switches TextOptions to ttoCustom.
    TButtonLayout ButtonLayout() const { return buttonLayout_; }
    void SetButtonLayout(TButtonLayout v);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int v);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int v);
    bool ShowButtonCaptions() const { return showButtonCaptions_; }
    void SetShowButtonCaptions(bool v);
    bool ShowDivider() const { return showDivider_; }
    void SetShowDivider(bool v);
    TMwToolbarTextOptions TextOptions() const { return textOptions_; }
    void SetTextOptions(TMwToolbarTextOptions v);
    TMwCustomizeCaptions* CustomizeCaptions() { return &customizeCaptions_; }
    TMwRegIniFile* RegIniFile() const { return regIniFile_; }
    void SetRegIniFile(TMwRegIniFile* store);

    // The controls in the order they are placed.
    const std::vector<cl::TControl*>& ToolbarControls() const { return controls_; }
    // Places the controls and, with AutoResize, fits the toolbar to the rows.
    void PositionControls();

    void SetBorderOuter(TFrameStyle v) override;
    void SetBorderInner(TFrameStyle v) override;
    void SetBorderSides(TSides v) override;
    void SetVisible(bool visible) override;
    void Loaded() override;
    // "ToolbarControls": the component names of the controls in their order.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnVisibleChanged;

protected:
    void AlignControls() override;
    void ControlListChanged(cl::TControl* control, bool inserted) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void DrawCaption(cl::TCanvas& canvas, cl::TRect r) override {}
    void Paint(cl::TCanvas& canvas) override;
    void ParentChanged() override;
    // Right-to-left alignment places each row's controls from the right edge.
    void BiDiModeChanged() override;

private:
    template <class T>
    void StoreAndPosition(T& field, T value) {
        if (field == value) return;
        field = value;
        PositionControls();
    }
    void ApplyAutoStyle(cl::TAlign align);
    bool AdjustAutoResizeForParent(bool autoResize) const;
    void ResolveStoredNames();
    void SendToChildren(UINT msg);
    // Posts a size message to the parent so that it lays out its controls again.
    void RelayoutParent();
    void ImagesChanged();
    void SetButtonMetrics(int width, int height, bool captions);
    void ButtonSettingChanged(UINT msg);

    bool autoResize_ = true;
    bool autoStyle_ = true;
    TMwGlyph background_;
    cl::TCustomImageList* images_ = nullptr;
    cl::TChangeLink imagesLink_;
    int margin_ = 4;
    int topMargin_ = 2;
    TOrientation orientation_ = TOrientation::Horizontal;
    int rowHeight_ = 25;
    bool wrapControls_ = true;
    TButtonLayout buttonLayout_ = TButtonLayout::GlyphLeft;
    int buttonWidth_ = 25;
    int buttonHeight_ = 25;
    bool showButtonCaptions_ = false;
    bool showDivider_ = true;
    TMwToolbarTextOptions textOptions_ = TMwToolbarTextOptions::NoTextLabels;
    TMwCustomizeCaptions customizeCaptions_;
    TMwRegIniFile* regIniFile_ = nullptr;
    std::vector<cl::TControl*> controls_;
    std::vector<std::string> storedNames_;  // from the form resource, until loading ends
    bool haveStoredNames_ = false;
    bool changingTextOptions_ = false;  // the four button settings change through TextOptions
    bool positioning_ = false;
};
