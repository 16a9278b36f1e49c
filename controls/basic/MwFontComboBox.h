#pragma once
// The combo box of the installed fonts: a type mark before each name, each entry drawn as its
// name, a sample in its own font or both, the most recently chosen fonts kept at the top with
// a line under them, and a floating preview of a sample text beside the open list.

#include <memory>
#include <string>

#include "classlib/win/Font.h"
#include "controls/basic/MwComboBox.h"
#include "controls/basic/MwPreviewFontPanel.h"

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
    void SetShowStyle(TMwShowStyle v) { StoreAndInvalidate(showStyle_, v); }
    // The selected entry's name; setting selects the entry of exactly that name (none when absent).
    std::string FontName();
    void SetFontName(const std::string& name);
    int FontSize() const { return fontSize_; }
    void SetFontSize(int v) { fontSize_ = v; }
    unsigned FontStyle() const { return fontStyle_; }
    void SetFontStyle(unsigned v) { fontStyle_ = v; }
    bool MaintainMRUFonts() const { return maintainMRUFonts_; }
    void SetMaintainMRUFonts(bool v) { maintainMRUFonts_ = v; }
    // The last of the recently used entries at the top, or -1.
    int LastMRUIndex() const { return lastMRUIndex_; }
    const std::string& PreviewText() const { return previewText_; }
    void SetPreviewText(const std::string& v) { previewText_ = v; }
    cl::TControl* PreviewEdit() const { return previewEdit_; }
    void SetPreviewEdit(cl::TControl* edit);
    int PreviewFontSize() const { return preview_->Font()->Size(); }
    void SetPreviewFontSize(int v) { preview_->Font()->SetSize(v); }
    int PreviewWidth() const { return preview_->Width(); }
    void SetPreviewWidth(int v) { preview_->SetWidth(v); }
    int PreviewHeight() const { return preview_->Height(); }
    void SetPreviewHeight(int v) { preview_->SetHeight(v); }
    TMwPreviewFontPanel* PreviewPanel() const { return preview_; }

    // The font of the selected entry with FontSize and FontStyle, or null when none is
    // selected. The combo box keeps it.
    cl::TFont* SelectedFont();
    // Selects the entry of the font's name.
    void SetSelectedFont(const cl::TFont& font) { SetFontName(font.Name()); }

protected:
    void FillItems() override;
    void DrawListItem(HDC dc, int index, cl::TRect r, UINT state) override;
    void DropDown() override;
    void CloseUp() override;
    void WndProc(cl::TMessage& message) override;
    // A new font makes the window again.
    void FontChanged() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

    virtual void ShowPreview();
    virtual void HidePreview();

private:
    void Reload();
    void RefreshPreviewText();
    void KeepRecentlyUsed();
    void DrawTypeMark(HDC dc, int x, int y, BYTE pitchAndFamily);

    TMwFontDevice fontDevice_ = TMwFontDevice::Screen;
    TMwFontType fontType_ = TMwFontType::All;
    bool showSymbolFonts_ = true;
    TMwShowStyle showStyle_ = TMwShowStyle::FontName;
    std::string pendingFontName_;  // selected once the list exists
    int fontSize_ = 8;
    unsigned fontStyle_ = 0;
    bool maintainMRUFonts_ = true;
    int lastMRUIndex_ = -1;
    std::string previewText_;
    cl::TControl* previewEdit_ = nullptr;
    TMwPreviewFontPanel* preview_;
    cl::TFont selectedFont_;
};
