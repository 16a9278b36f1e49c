#include "controls/basic/MwFontComboBox.h"

#include <cstring>
#include <set>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"

using namespace mw;

namespace {

const cl::TEnumNames kComboStyleNames{{{"csDropDown", 0}, {"csSimple", 1}, {"csDropDownList", 2}, {"csOwnerDrawFixed", 3},
                                       {"csOwnerDrawVariable", 4}}};
const cl::TEnumNames kFontDeviceNames{{{"fdScreen", 0}, {"fdPrinter", 1}}};
const cl::TEnumNames kFontTypeNames{{{"ftAll", 0}, {"ftTrueType", 1}, {"ftFixedPitch", 2}, {"ftPrinter", 3}}};
const cl::TEnumNames kShowStyleNames{{{"ssFontName", 0}, {"ssFontSample", 1}, {"ssFontNameAndSample", 2}, {"ssFontPreview", 3}}};
const cl::TEnumNames kFontStyleNames{{{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}}};

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

}  // namespace

// ---- TMwCustomComboBox ----

const cl::TClassInfo& TMwCustomComboBox::StaticClass() {
    using C = TMwCustomComboBox;
    static const auto info = cl::TClassBuilder<C>("TMwCustomComboBox", cl::TControl::StaticClass())
                                 .Bool("BeepOnInvalidKey", &C::BeepOnInvalidKey, &C::SetBeepOnInvalidKey)
                                 .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
                                 .Bool("TabOnEnter", &C::TabOnEnter, &C::SetTabOnEnter)
                                 .Int("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth)
                                 .Bool("FlatButtons", &C::FlatButtons, &C::SetFlatButtons)
                                 .Color("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor)
                                 .Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor)
                                 .Color("FocusColor", &C::FocusColor, &C::SetFocusColor)
                                 .Bool("FrameVisible", &C::FrameVisible, &C::SetFrameVisible)
                                 .Enum<TFrameStyle>("FrameStyle", &C::FrameStyle, &C::SetFrameStyle, kFrameStyleNames)
                                 .Set("FrameSides", &C::FrameSides, &C::SetFrameSides, kSideNames)
                                 .Color("FrameColor", &C::FrameColor, &C::SetFrameColor)
                                 .Bool("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack)
                                 .Enum<TFrameStyle>("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle, kFrameStyleNames)
                                 .Color("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor)
                                 .Enum<TFramingPreference>("FramingPreference", &C::FramingPreference, &C::SetFramingPreference,
                                                           kFramingPreferenceNames)
                                 .Bool("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown)
                                 .Int("DropDownCount", &C::DropDownCount, &C::SetDropDownCount)
                                 .Bool("Sorted", &C::Sorted, &C::SetSorted)
                                 .Enum<TComboBoxStyle>("Style", &C::Style, &C::SetStyle, kComboStyleNames)
                                 .Int("ItemHeight", &C::ItemHeight, &C::SetItemHeight)
                                 .Event("OnChange", &C::OnChange)
                                 .Event("OnDropDown", &C::OnDropDown)
                                 .Event("OnCloseUp", &C::OnCloseUp)
                                 .Event("OnMouseEnter", &C::OnMouseEnter)
                                 .Event("OnMouseLeave", &C::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwCustomComboBox::TMwCustomComboBox(cl::TComponent* owner) : cl::TControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(cl::clWindow);
}

void TMwCustomComboBox::CreateParams(TCreateParams& params) {
    cl::TControl::CreateParams(params);
    params.windowClass = "COMBOBOX";
    params.standardClass = true;
    params.exStyle = 0;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    params.style |= (style_ == TComboBoxStyle::DropDown || style_ == TComboBoxStyle::Simple) ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
    if (sorted_) params.style |= CBS_SORT;
}

void TMwCustomComboBox::InitializeWnd() {
    FillItems();
    ApplyListHeight();
    if (dropDownWidth_ > 0) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropDownWidth_), 0);
}

void TMwCustomComboBox::ApplyListHeight() {
    if (!HandleAllocated()) return;
    SetWindowPos(Handle(), nullptr, 0, 0, Width(), Height() + dropDownCount_ * itemHeight_ + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMwCustomComboBox::SetBounds(int left, int top, int width, int height) {
    cl::TControl::SetBounds(left, top, width, height);
    ApplyListHeight();
}

void TMwCustomComboBox::SetDropDownCount(int v) {
    dropDownCount_ = v;
    ApplyListHeight();
}

void TMwCustomComboBox::SetDropDownWidth(int v) {
    if (v == dropDownWidth_) return;
    dropDownWidth_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(v), 0);
}

void TMwCustomComboBox::SetFrameHotTrack(bool v) {
    frameHotTrack_ = v;
    if (!v) return;
    frameVisible_ = true;
    if (!IsLoading()) frameSides_ = sdAll;
}

bool TMwCustomComboBox::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (cl::SameText(name, "FrameFlat") && value.kind == cl::TValue::Kind::Boolean) {
        if (value.boolean) {
            SetFrameHotTrack(true);
            frameStyle_ = TFrameStyle::Status;
            frameHotStyle_ = TFrameStyle::Lowered;
        }
        return true;
    }
    if (cl::SameText(name, "FrameFocusStyle") && value.kind == cl::TValue::Kind::Identifier) {
        int style = 0;
        if (!kFrameStyleNames.Find(value.text, style)) throw cl::EConvertError("Invalid frame style " + value.text);
        frameHotStyle_ = static_cast<TFrameStyle>(style);
        return true;
    }
    return cl::SameText(name, "FrameFlatStyle");
}

int TMwCustomComboBox::ItemCount() { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string TMwCustomComboBox::Items(int index) {
    const LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) throw cl::EListError("List index out of bounds (" + std::to_string(index) + ")");
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int TMwCustomComboBox::ItemIndex() { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void TMwCustomComboBox::SetItemIndex(int index) { SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

bool TMwCustomComboBox::CommandNotification(WORD code) {
    switch (code) {
        case CBN_SELCHANGE: OnChange(this); return true;
        case CBN_DROPDOWN: OnDropDown(this); return true;
        case CBN_CLOSEUP: OnCloseUp(this); return true;
        default: return false;
    }
}

void TMwCustomComboBox::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: OnMouseEnter(this); break;
        case TMouseTracking::TChange::Left: OnMouseLeave(this); break;
        case TMouseTracking::TChange::None: break;
    }
    // A read-only combo box does not open.
    if (readOnly_ && (m.msg == WM_LBUTTONDOWN || m.msg == WM_LBUTTONDBLCLK)) return;
    cl::TControl::WndProc(m);
}

// ---- TMwFontComboBox ----

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

TMwFontComboBox::TMwFontComboBox(cl::TComponent* owner) : TMwCustomComboBox(owner) {
    SetStyle(TComboBoxStyle::OwnerDrawFixed);
    SetSorted(true);
    SetDropDownCount(14);
}

void TMwFontComboBox::FillItems() {
    TFontFilter filter{fontType_, showSymbolFonts_, {}, {}};
    HDC dc = GetDC(nullptr);
    LOGFONTA any{};
    any.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(dc, &any, reinterpret_cast<FONTENUMPROCA>(&CollectFont), reinterpret_cast<LPARAM>(&filter), 0);
    ReleaseDC(nullptr, dc);
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    for (const auto& font : filter.fonts) {
        const LRESULT index = SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font.first.c_str()));
        if (index >= 0) SendMessageA(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), font.second);
    }
    SetFontName(pendingFontName_);
}

void TMwFontComboBox::Reload() {
    if (!HandleAllocated()) return;
    pendingFontName_ = FontName();
    FillItems();
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
    if (!HandleAllocated()) return;
    const LRESULT index = name.empty() ? CB_ERR
                                       : SendMessageA(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(name.c_str()));
    // CB_FINDSTRINGEXACT ignores case; the entry must have exactly this name.
    SetItemIndex(index != CB_ERR && Items(static_cast<int>(index)) == name ? static_cast<int>(index) : -1);
}

cl::TFont* TMwFontComboBox::SelectedFont() {
    const std::string name = FontName();
    if (name.empty()) return nullptr;
    selectedFont_.SetName(name);
    selectedFont_.SetSize(fontSize_);
    selectedFont_.SetStyle(fontStyle_);
    return &selectedFont_;
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
