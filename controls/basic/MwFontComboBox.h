#pragma once
// Combo boxes of the library (TMwCustomComboBox) and the combo box that lists the installed
// fonts (TMwFontComboBox).
//
// These classes offer what the program uses so far: the properties, a drop-down list of the
// fonts that pass the filter, the selected font and OnChange; the frame, type-ahead, entry
// drawing, recently used fonts and the preview panel come later.

#include <memory>
#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "classlib/win/Font.h"
#include "controls/foundation/FrameModel.h"
#include "controls/basic/MouseTracking.h"

enum class TComboBoxStyle { DropDown, Simple, DropDownList, OwnerDrawFixed, OwnerDrawVariable };

class TMwCustomComboBox : public cl::TControl {
    CL_CLASS_INFO()
public:
    explicit TMwCustomComboBox(cl::TComponent* owner);

    int ItemCount();
    std::string Items(int index);
    int ItemIndex();
    void SetItemIndex(int index);

    bool BeepOnInvalidKey() const { return beepOnInvalidKey_; }
    void SetBeepOnInvalidKey(bool v) { beepOnInvalidKey_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool v) { tabOnEnter_ = v; }
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int v);
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool v) { flatButtons_ = v; }
    cl::TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(cl::TColor v) { flatButtonColor_ = v; }
    cl::TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(cl::TColor v) { disabledColor_ = v; }
    cl::TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(cl::TColor v) { focusColor_ = v; }
    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool v) { frameVisible_ = v; }
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle v) { frameStyle_ = v; }
    TSides FrameSides() const { return frameSides_; }
    void SetFrameSides(TSides v) { frameSides_ = v; }
    cl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(cl::TColor v) { frameColor_ = v; }
    bool FrameHotTrack() const { return frameHotTrack_; }
    // Also shows the frame, on all sides unless loading.
    void SetFrameHotTrack(bool v);
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    void SetFrameHotStyle(TFrameStyle v) { frameHotStyle_ = v; }
    cl::TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(cl::TColor v) { frameHotColor_ = v; }
    TFramingPreference FramingPreference() const { return framingPreference_; }
    void SetFramingPreference(TFramingPreference v) { framingPreference_ = v; }
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool v) { autoDropDown_ = v; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v) { sorted_ = v; }
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v) { style_ = v; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v) { itemHeight_ = v; }

    // The window's height includes the open list, which Windows keeps out of the bounds.
    void SetBounds(int left, int top, int width, int height) override;

    // Retired names of older form resources: "FrameFlat", "FrameFocusStyle", "FrameFlatStyle".
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnChange;
    cl::TNotifyEvent OnDropDown;
    cl::TNotifyEvent OnCloseUp;
    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;
    void WndProc(cl::TMessage& message) override;
    void ApplyListHeight();
    // Fills the list when the window is made.
    virtual void FillItems() {}

private:
    bool beepOnInvalidKey_ = true;
    bool readOnly_ = false;
    bool tabOnEnter_ = false;
    int dropDownWidth_ = 0;
    bool flatButtons_ = false;
    cl::TColor flatButtonColor_ = cl::clBtnFace;
    cl::TColor disabledColor_ = cl::clBtnFace;
    cl::TColor focusColor_ = cl::clWindow;
    bool frameVisible_ = false;
    TFrameStyle frameStyle_ = TFrameStyle::Flat;
    TSides frameSides_ = sdAll;
    cl::TColor frameColor_ = cl::clBtnShadow;
    bool frameHotTrack_ = false;
    TFrameStyle frameHotStyle_ = TFrameStyle::FlatBold;
    cl::TColor frameHotColor_ = cl::clBtnShadow;
    TFramingPreference framingPreference_ = TFramingPreference::XPThemes;
    bool autoDropDown_ = false;
    int dropDownCount_ = 8;
    bool sorted_ = false;
    TComboBoxStyle style_ = TComboBoxStyle::DropDown;
    int itemHeight_ = 16;
    mw::TMouseTracking mouse_;
};

enum class TMwFontDevice { Screen, Printer };
enum class TMwFontType { All, TrueType, FixedPitch, Printer };
enum class TMwShowStyle { FontName, FontSample, FontNameAndSample, FontPreview };

class TMwFontComboBox : public TMwCustomComboBox {
    CL_CLASS_INFO()
public:
    explicit TMwFontComboBox(cl::TComponent* owner);

    TMwFontDevice FontDevice() const { return fontDevice_; }
    void SetFontDevice(TMwFontDevice v);
    TMwFontType FontType() const { return fontType_; }
    // Lists the fonts again with the new filter; the selected name stays when it passes.
    void SetFontType(TMwFontType v);
    bool ShowSymbolFonts() const { return showSymbolFonts_; }
    void SetShowSymbolFonts(bool v);
    TMwShowStyle ShowStyle() const { return showStyle_; }
    void SetShowStyle(TMwShowStyle v) { showStyle_ = v; }
    // The selected entry's name; setting selects the entry of exactly that name (none when absent).
    std::string FontName();
    void SetFontName(const std::string& name);
    int FontSize() const { return fontSize_; }
    void SetFontSize(int v) { fontSize_ = v; }
    unsigned FontStyle() const { return fontStyle_; }
    void SetFontStyle(unsigned v) { fontStyle_ = v; }
    bool MaintainMRUFonts() const { return maintainMRUFonts_; }
    void SetMaintainMRUFonts(bool v) { maintainMRUFonts_ = v; }
    const std::string& PreviewText() const { return previewText_; }
    void SetPreviewText(const std::string& v) { previewText_ = v; }
    cl::TControl* PreviewEdit() const { return previewEdit_; }
    void SetPreviewEdit(cl::TControl* edit);
    int PreviewFontSize() const { return previewFontSize_; }
    void SetPreviewFontSize(int v) { previewFontSize_ = v; }
    int PreviewWidth() const { return previewWidth_; }
    void SetPreviewWidth(int v) { previewWidth_ = v; }
    int PreviewHeight() const { return previewHeight_; }
    void SetPreviewHeight(int v) { previewHeight_ = v; }

    // The font of the selected entry with FontSize and FontStyle, or null when none is
    // selected. The combo box keeps it.
    cl::TFont* SelectedFont();

protected:
    void FillItems() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    void Reload();

    TMwFontDevice fontDevice_ = TMwFontDevice::Screen;
    TMwFontType fontType_ = TMwFontType::All;
    bool showSymbolFonts_ = true;
    TMwShowStyle showStyle_ = TMwShowStyle::FontName;
    std::string pendingFontName_;  // selected once the list exists
    int fontSize_ = 8;
    unsigned fontStyle_ = 0;
    bool maintainMRUFonts_ = true;
    std::string previewText_;
    cl::TControl* previewEdit_ = nullptr;
    int previewFontSize_ = 36;
    int previewWidth_ = 260;
    int previewHeight_ = 65;
    cl::TFont selectedFont_;
};
