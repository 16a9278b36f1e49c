#include "controls/basic/MwFontComboBox.h"

#include <winspool.h>

#include <cstring>
#include <set>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/Handles.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;
using cl::TRect;

namespace {

const cl::TEnumNames kFontDeviceNames{{{"fdScreen", 0}, {"fdPrinter", 1}}};
const cl::TEnumNames kFontTypeNames{{{"ftAll", 0}, {"ftTrueType", 1}, {"ftFixedPitch", 2}, {"ftPrinter", 3}}};
const cl::TEnumNames kShowStyleNames{{{"ssFontName", 0}, {"ssFontSample", 1}, {"ssFontNameAndSample", 2}, {"ssFontPreview", 3}}};
const cl::TEnumNames kFontStyleNames{{{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}}};

constexpr cl::TColor kOlive = 0x008080;  // the type marks' transparent colour
constexpr int kMarkSize = 12;
constexpr int kTextIndent = 24;

struct TFontFilter {
    TMwFontType type;
    bool showSymbolFonts;
    std::set<std::string> names;
    std::vector<std::pair<std::string, BYTE>> fonts;  // face name, pitch-and-family byte
};

int CALLBACK CollectFont(const LOGFONTA* logFont, const TEXTMETRICA* metrics, DWORD, LPARAM data) {
    try {
        auto& filter = *reinterpret_cast<TFontFilter*>(data);
        const BYTE pitch = metrics->tmPitchAndFamily;
        bool wanted = true;
        switch (filter.type) {
            case TMwFontType::All: break;
            case TMwFontType::TrueType: wanted = (pitch & TMPF_TRUETYPE) != 0; break;
            case TMwFontType::FixedPitch: wanted = (pitch & TMPF_FIXED_PITCH) == 0; break;  // the bit means variable pitch
            case TMwFontType::Printer: wanted = false; break;
        }
        if (logFont->lfCharSet == SYMBOL_CHARSET && !filter.showSymbolFonts) wanted = false;
        const std::string name(logFont->lfFaceName, strnlen(logFont->lfFaceName, 32));
        if (wanted && filter.names.insert(name).second) filter.fonts.emplace_back(name, pitch);
        return 1;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return 0;
    }
}

// The default printer's device context, or none without a printer.
cl::TDeviceDC DefaultPrinterDC() {
    char name[256];
    DWORD size = sizeof(name);
    if (!GetDefaultPrinterA(name, &size)) return {};
    return cl::TDeviceDC(CreateDCA(nullptr, name, nullptr, nullptr));
}

void CollectFonts(HDC dc, TFontFilter& filter) {
    LOGFONTA any{};
    any.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(dc, &any, reinterpret_cast<FONTENUMPROCA>(&CollectFont), reinterpret_cast<LPARAM>(&filter), 0);
}

// The type mark of a font by its pitch-and-family byte.
const char* TypeMarkResource(BYTE pitchAndFamily, TMwFontDevice device) {
    const bool trueType = (pitchAndFamily & TMPF_TRUETYPE) != 0;
    const bool fixed = (pitchAndFamily & TMPF_FIXED_PITCH) == 0;
    if (trueType) return fixed ? "MWCMBOBX_TRUETYPEFIXED" : "MWCMBOBX_TRUETYPE";
    if (fixed) return "MWCMBOBX_FIXEDPITCH";
    return device == TMwFontDevice::Printer ? "MWCMBOBX_PRINTER" : "MWCMBOBX_DEVICE";
}

// The marks, each loaded from the program's resources at its first use and kept until the
// program ends.
HBITMAP TypeMark(const char* resource) {
    static constexpr const char* kNames[] = {"MWCMBOBX_TRUETYPE", "MWCMBOBX_FIXEDPITCH", "MWCMBOBX_TRUETYPEFIXED",
                                             "MWCMBOBX_PRINTER", "MWCMBOBX_DEVICE"};
    static cl::TBitmapHandle marks[std::size(kNames)];
    for (size_t i = 0; i < std::size(kNames); ++i) {
        if (std::strcmp(kNames[i], resource) != 0) continue;
        if (!marks[i]) marks[i].Reset(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), resource, IMAGE_BITMAP, 0, 0, 0)));
        return marks[i].Get();
    }
    return nullptr;
}

void DrawText(HDC dc, HFONT font, int x, int y, const std::string& text, const RECT* clip) {
    const cl::TSelectObject select(dc, font);
    ExtTextOutA(dc, x, y, clip ? ETO_CLIPPED : 0, clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace

const cl::TClassInfo& TMwFontComboBox::StaticClass() {
    using F = TMwFontComboBox;
    static const auto info = cl::TClassBuilder<F>("TMwFontComboBox", TMwCustomComboBox::StaticClass())
                                 .Creatable()
                                 .Enum<TMwFontDevice>("FontDevice", &F::FontDevice, &F::SetFontDevice, kFontDeviceNames)
                                 .Enum<TMwFontType>("FontType", &F::FontType, &F::SetFontType, kFontTypeNames)
                                 .Bool("ShowSymbolFonts", &F::ShowSymbolFonts, &F::SetShowSymbolFonts)
                                 .Enum<TMwShowStyle>("ShowStyle", &F::ShowStyle, &F::SetShowStyle, kShowStyleNames)
                                 .Str("FontName", &F::FontName, &F::SetFontName)
                                 .Int("FontSize", &F::FontSize, &F::SetFontSize)
                                 .Set("FontStyle", &F::FontStyle, &F::SetFontStyle, kFontStyleNames)
                                 .Bool("MaintainMRUFonts", &F::MaintainMRUFonts, &F::SetMaintainMRUFonts)
                                 .Str("PreviewText", &F::PreviewText, &F::SetPreviewText)
                                 .Ref<cl::TControl>("PreviewEdit", &F::PreviewEdit, &F::SetPreviewEdit)
                                 .Int("PreviewFontSize", &F::PreviewFontSize, &F::SetPreviewFontSize)
                                 .Int("PreviewWidth", &F::PreviewWidth, &F::SetPreviewWidth)
                                 .Int("PreviewHeight", &F::PreviewHeight, &F::SetPreviewHeight)
                                 .Build();
    return *info;
}

TMwFontComboBox::TMwFontComboBox(cl::TComponent* owner)
    : TMwCustomComboBox(owner), preview_(new TMwPreviewFontPanel(this)) {
    SetStyle(TComboBoxStyle::OwnerDrawFixed);
    SetSorted(true);
    SetDropDownCount(14);
    selectedFont_.SetSize(8);
    preview_->SetCombo(this);
}

// ---- the list ----

void TMwFontComboBox::FillItems() {
    TFontFilter filter{fontType_, showSymbolFonts_, {}, {}};
    if (fontDevice_ == TMwFontDevice::Printer) {
        if (const cl::TDeviceDC printer = DefaultPrinterDC()) CollectFonts(printer.Get(), filter);
    } else {
        const cl::TScreenDC screen;
        if (screen.Handle()) CollectFonts(screen.Handle(), filter);
    }
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    lastMRUIndex_ = -1;
    for (const auto& font : filter.fonts) AddItem(font.first, font.second);
    SetFontName(pendingFontName_);
}

void TMwFontComboBox::Reload() {
    if (!HandleAllocated()) return;
    pendingFontName_ = FontName();
    RecreateWnd();
}

void TMwFontComboBox::SetFontDevice(TMwFontDevice v) {
    if (v == fontDevice_) return;
    fontDevice_ = v;
    Reload();
}

void TMwFontComboBox::SetFontType(TMwFontType v) {
    if (v == fontType_) return;
    fontType_ = v;
    Reload();
}

void TMwFontComboBox::SetShowSymbolFonts(bool v) {
    if (v == showSymbolFonts_) return;
    showSymbolFonts_ = v;
    Reload();
}

std::string TMwFontComboBox::FontName() {
    if (!HandleAllocated()) return pendingFontName_;
    const int index = ItemIndex();
    return index < 0 ? std::string() : Items(index);
}

void TMwFontComboBox::SetFontName(const std::string& name) {
    pendingFontName_ = name;
    if (HandleAllocated()) SetItemIndex(name.empty() ? -1 : IndexOfItem(name));
}

cl::TFont* TMwFontComboBox::SelectedFont() {
    const std::string name = FontName();
    if (name.empty()) return nullptr;
    selectedFont_.SetName(name);
    selectedFont_.SetSize(fontSize_);
    selectedFont_.SetStyle(fontStyle_);
    return &selectedFont_;
}

// Choosing an entry below the top puts its name at the top: moved there when it already is one
// of the recently used, else copied there.
void TMwFontComboBox::KeepRecentlyUsed() {
    const int selected = ItemIndex();
    if (!maintainMRUFonts_ || selected <= 0) return;
    const std::string name = Items(selected);
    const LPARAM data = ItemData(selected);
    int found = -1;
    for (int i = 0; i <= lastMRUIndex_ && found < 0; ++i)
        if (Items(i) == name) found = i;
    if (found >= 0) {
        DeleteItem(found);
    } else {
        ++lastMRUIndex_;
    }
    InsertItem(0, name, data);
    SetItemIndex(0);
}

// ---- drawing ----

void TMwFontComboBox::DrawTypeMark(HDC dc, int x, int y, BYTE pitchAndFamily) {
    HBITMAP mark = TypeMark(TypeMarkResource(pitchAndFamily, fontDevice_));
    if (!mark) return;
    HDC markDc = CreateCompatibleDC(dc);
    {
        cl::TSelectObject select(markDc, mark);
        cl::TCanvas canvas(dc);
        BlitTransparentBitmap(canvas, markDc, TRect::FromBounds(x, y, kMarkSize, kMarkSize), kOlive,
                              TRect::FromBounds(0, 0, kMarkSize, kMarkSize));
    }
    DeleteDC(markDc);
}

void TMwFontComboBox::DrawListItem(HDC dc, int index, TRect r, UINT state) {
    const bool selected = (state & ODS_SELECTED) != 0;
    const bool inEdit = (state & ODS_COMBOBOXEDIT) != 0;
    cl::TCanvas canvas(dc);
    canvas.SetBrushColor(selected ? cl::clHighlight : Color());
    canvas.FillRect(r);
    if (index >= 0) {
        const std::string name = Items(index);
        const int height = r.Height();
        DrawTypeMark(dc, r.left + kTextIndent - 20, r.top + (height - kMarkSize) / 2, static_cast<BYTE>(ItemData(index)));
        r.left += kTextIndent;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, cl::ColorToRGB(!Enabled() ? cl::clBtnShadow : selected ? cl::clHighlightText : Font()->Color()));
        cl::TFont sample;
        sample.Assign(*Font());
        sample.SetName(name);
        SIZE extent{};
        {
            const cl::TSelectObject select(dc, Font()->Handle());
            GetTextExtentPoint32A(dc, "Yy", 2, &extent);
        }
        const int top = r.top + (height - extent.cy) / 2, left = r.left + 2;
        TMwShowStyle style = showStyle_;
        if (inEdit && style == TMwShowStyle::FontNameAndSample) style = TMwShowStyle::FontName;
        switch (style) {
            case TMwShowStyle::FontName:
            case TMwShowStyle::FontPreview: DrawText(dc, Font()->Handle(), left, top, name, nullptr); break;
            case TMwShowStyle::FontSample: DrawText(dc, sample.Handle(), left, top, name, nullptr); break;
            case TMwShowStyle::FontNameAndSample: {
                const int mid = r.left + r.Width() / 2;
                const RECT nameClip{r.left, r.top, mid - 4, r.bottom};
                DrawText(dc, Font()->Handle(), left, top, name, &nameClip);
                canvas.SetPenColor(Enabled() ? cl::clWindowText : cl::clBtnShadow);
                canvas.MoveTo(mid - 2, r.top);
                canvas.LineTo(mid - 2, r.bottom);
                const RECT sampleClip{mid, r.top, r.right, r.bottom};
                DrawText(dc, sample.Handle(), mid, top, name, &sampleClip);
                break;
            }
        }
        if (showStyle_ == TMwShowStyle::FontPreview && selected && !inEdit) {
            preview_->Font()->SetName(name);
            RefreshPreviewText();
        }
        if (maintainMRUFonts_ && !inEdit && index == lastMRUIndex_) {
            canvas.SetPenColor(cl::clWindowText);
            canvas.MoveTo(0, r.bottom - 1);
            canvas.LineTo(r.right, r.bottom - 1);
        }
    }
    if (state & ODS_FOCUS) {
        const RECT focus{r.left, r.top, r.right, r.bottom};
        DrawFocusRect(dc, &focus);
    }
}

// ---- preview ----

void TMwFontComboBox::RefreshPreviewText() {
    std::string text = previewText_.empty() ? TMwPreviewFontPanel::kDefaultText : previewText_;
    preview_->SetLeftAligned(previewEdit_ != nullptr);
    if (previewEdit_) {
        DWORD start = 0, end = 0;
        SendMessageA(previewEdit_->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const std::string all = previewEdit_->Text();
        text = end > start ? all.substr(start, end - start) : all.substr(0, 10);
    } else if (!previewText_.empty()) {
        // Too wide a sample is cut down to a short one.
        SIZE extent{};
        {
            const cl::TScreenDC dc;
            const cl::TSelectObject select(dc.Handle(), preview_->Font()->Handle());
            GetTextExtentPoint32A(dc.Handle(), previewText_.c_str(), static_cast<int>(previewText_.size()), &extent);
        }
        if (extent.cx >= preview_->Width()) text = "AaBbYy";
    }
    preview_->SetCaption(text);
    preview_->Invalidate();
}

void TMwFontComboBox::ShowPreview() {
    if (ItemCount() == 0) return;
    const cl::TPoint corner = ClientToScreen({0, 0});
    const int width = DropDownWidth() ? DropDownWidth() : Width();
    preview_->ShowAt({corner.x + width - 1, corner.y});
}

void TMwFontComboBox::HidePreview() { preview_->HidePanel(); }

void TMwFontComboBox::DropDown() {
    RefreshPreviewText();
    TMwCustomComboBox::DropDown();
    if (showStyle_ == TMwShowStyle::FontPreview) ShowPreview();
}

void TMwFontComboBox::CloseUp() {
    HidePreview();
    KeepRecentlyUsed();
    TMwCustomComboBox::CloseUp();
}

void TMwFontComboBox::WndProc(cl::TMessage& m) {
    TMwCustomComboBox::WndProc(m);
    const bool otherTookTheMouse = m.msg == cl::CM_CANCELMODE && reinterpret_cast<cl::TControl*>(m.lParam) != this;
    if (m.msg == CM_HIDEFONTPREVIEW || (otherTookTheMouse && showStyle_ == TMwShowStyle::FontPreview)) HidePreview();
}

void TMwFontComboBox::FontChanged() {
    TMwCustomComboBox::FontChanged();
    Reload();
}

void TMwFontComboBox::SetPreviewEdit(cl::TControl* edit) {
    if (previewEdit_) RemoveFreeNotification(previewEdit_);
    previewEdit_ = edit;
    if (edit) FreeNotification(edit);
}

void TMwFontComboBox::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomComboBox::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == previewEdit_) previewEdit_ = nullptr;
}
