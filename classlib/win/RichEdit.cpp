#include "classlib/win/RichEdit.h"

#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Handles.h"

namespace cl {

namespace {

const TEnumNames kScrollStyleNames{{{"ssNone", 0}, {"ssHorizontal", 1}, {"ssVertical", 2}, {"ssBoth", 3}}};

// The rich edit window class lives in its own library, loaded once for the process.
void LoadRichEditLibrary() {
    static TModuleHandle library(LoadLibraryA("riched20.dll"));
    if (!library) throw Exception("Cannot load the rich edit library riched20.dll");
}

// The text handed to the rich edit by EM_STREAMIN, a piece at a time.
struct TStreamSource {
    const std::string& text;
    size_t done;
};

DWORD CALLBACK ReadStreamSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<TStreamSource*>(cookie);
    const size_t count = std::min(static_cast<size_t>(wanted), source->text.size() - source->done);
    std::memcpy(buffer, source->text.data() + source->done, count);
    source->done += count;
    *given = static_cast<LONG>(count);
    return 0;
}

// Puts text into the window, in place of the selection or of everything: as plain text, so
// that text starting "{\rtf" stays the characters it is instead of being read as RTF.
void StreamInText(HWND window, const std::string& text, bool selection) {
    TStreamSource source{text, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadStreamSource;
    SendMessageA(window, EM_STREAMIN, SF_TEXT | (selection ? SFF_SELECTION : 0), reinterpret_cast<LPARAM>(&stream));
}

// Splits text into lines at CR LF, LF or CR (a final line end starts no new line).
std::vector<std::string> SplitLines(const std::string& text) {
    TStringList lines;
    lines.SetText(text);
    return lines.ToVector();
}

}  // namespace

// ---- lines ----

std::string TRichEditStrings::AllText() const { return const_cast<TRichEdit&>(edit_).WholeText(); }

void TRichEditStrings::SetAllText(const std::string& text) { edit_.SetWholeText(text); }

int TRichEditStrings::Count() const { return static_cast<int>(SplitLines(AllText()).size()); }

std::string TRichEditStrings::Get(int index) const {
    const std::vector<std::string> lines = SplitLines(AllText());
    if (index < 0 || static_cast<size_t>(index) >= lines.size())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return lines[static_cast<size_t>(index)];
}

void TRichEditStrings::Insert(int index, const std::string& text) {
    std::vector<std::string> lines = SplitLines(AllText());
    if (index < 0 || static_cast<size_t>(index) > lines.size())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    lines.insert(lines.begin() + index, text);
    std::string all;
    for (const auto& line : lines) all.append(line).append("\r\n");
    SetAllText(all);
}

int TRichEditStrings::Add(const std::string& text) {
    if (!edit_.HandleAllocated()) {
        const int index = Count();
        Insert(index, text);
        return index;
    }
    HWND window = edit_.Handle();
    GETTEXTLENGTHEX query = {GTL_PRECISE | GTL_NUMCHARS, CP_ACP};  // positions, one per line break
    const LRESULT length = SendMessageA(window, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    // A text that does not end with a line end gets one first, so the new line stands alone.
    std::string addition = text + "\r\n";
    if (length > 0) {
        char last[2] = {};
        TEXTRANGEA range = {{static_cast<LONG>(length - 1), static_cast<LONG>(length)}, last};
        SendMessageA(window, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
        if (last[0] != '\r' && last[0] != '\n') addition = "\r\n" + addition;
    }
    CHARRANGE end = {static_cast<LONG>(length), static_cast<LONG>(length)};
    SendMessageA(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    if (edit_.PlainText()) StreamInText(window, addition, true);
    else SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(addition.c_str()));
    return static_cast<int>(SendMessageA(window, EM_GETLINECOUNT, 0, 0)) - 2;
}

void TRichEditStrings::Delete(int index) {
    std::vector<std::string> lines = SplitLines(AllText());
    if (index < 0 || static_cast<size_t>(index) >= lines.size())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    lines.erase(lines.begin() + index);
    std::string all;
    for (const auto& line : lines) all.append(line).append("\r\n");
    SetAllText(all);
}

void TRichEditStrings::Clear() { SetAllText(std::string()); }

void TRichEditStrings::BeginUpdate() {
    if (updates_++ == 0 && edit_.HandleAllocated()) SendMessageA(edit_.Handle(), WM_SETREDRAW, FALSE, 0);
}

void TRichEditStrings::EndUpdate() {
    if (updates_ == 0) return;
    if (--updates_ == 0 && edit_.HandleAllocated()) {
        SendMessageA(edit_.Handle(), WM_SETREDRAW, TRUE, 0);
        edit_.Invalidate();
    }
}

// ---- rich edit ----

const TClassInfo& TRichEdit::StaticClass() {
    static const auto info = TClassBuilder<TRichEdit>("TRichEdit", TControl::StaticClass())
                                 .Creatable()
                                 .Bool("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly)
                                 .Bool("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap)
                                 .Enum<TScrollStyle>("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars, kScrollStyleNames)
                                 .Bool("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText)
                                 .Bool("HideSelection", &TRichEdit::HideSelection, &TRichEdit::SetHideSelection)
                                 .Event("OnChange", &TRichEdit::OnChange)
                                 .Build();
    return *info;
}

TRichEdit::TRichEdit(TComponent* owner) : TControl(owner), lines_(*this) {
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
}

TRichEdit::~TRichEdit() = default;

void TRichEdit::CreateParams(TCreateParams& params) {
    LoadRichEditLibrary();
    TControl::CreateParams(params);
    params.windowClass = "RichEdit20A";
    params.standardClass = true;
    params.exStyle = WS_EX_CLIENTEDGE;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= ES_MULTILINE | ES_WANTRETURN | ES_NOOLEDRAGDROP;
    if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
    if (!hideSelection_) params.style |= ES_NOHIDESEL;
    if (scrollBars_ == TScrollStyle::Vertical || scrollBars_ == TScrollStyle::Both) params.style |= WS_VSCROLL;
    if (scrollBars_ == TScrollStyle::Horizontal || scrollBars_ == TScrollStyle::Both) params.style |= WS_HSCROLL;
}

void TRichEdit::InitializeWnd() {
    SendMessageA(Handle(), EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    if (plainText_) SendMessageA(Handle(), EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    SendMessageA(Handle(), EM_SETEVENTMASK, 0, ENM_CHANGE);
    SendMessageA(Handle(), EM_SETREADONLY, readOnly_, 0);
    SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    const std::string text = std::move(pendingText_);
    pendingText_.clear();
    if (!text.empty()) SetWholeText(text);
    SendMessageA(Handle(), EM_SETMODIFY, modified_, 0);
}

std::string TRichEdit::WholeText() {
    if (!HandleAllocated()) return pendingText_;
    GETTEXTLENGTHEX lengthQuery = {GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    const LRESULT length = SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery), 0);
    std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    GETTEXTEX query = {};
    query.cb = static_cast<DWORD>(text.size());
    query.flags = GT_USECRLF;
    query.codepage = CP_ACP;
    const LRESULT got = SendMessageA(Handle(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
    return text;
}

void TRichEdit::SetWholeText(const std::string& text) {
    if (!HandleAllocated()) {
        pendingText_ = text;
        return;
    }
    if (GetWindowTextLengthA(Handle()) > 0) {
        // Replacing a text takes the rich edit time for each of its lines, minutes for a large
        // one; a new window takes none, and gets the text as the first one did. The old one
        // goes once the user pauses: destroying it costs about as long.
        pendingText_ = text;
        RenewWindow();
        return;
    }
    if (plainText_) StreamInText(Handle(), text, false);
    else SetWindowTextA(Handle(), text.c_str());
}

void TRichEdit::AppendLoadedText(const std::string& text) {
    if (!HandleAllocated()) {
        pendingText_ += text;
        return;
    }
    HWND window = Handle();
    const bool modified = Modified();
    CHARRANGE selection = {};
    SendMessageA(window, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    POINT scroll = {};
    SendMessageA(window, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    GETTEXTLENGTHEX query = {GTL_PRECISE | GTL_NUMCHARS, CP_ACP};
    const LONG length = static_cast<LONG>(SendMessageA(window, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
    CHARRANGE end = {length, length};
    SendMessageA(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    if (plainText_) StreamInText(window, text, true);
    else SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(window, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    SendMessageA(window, EM_EMPTYUNDOBUFFER, 0, 0);
    SetModified(modified);
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

void TRichEdit::RenewWindow() {
    HWND old = Handle();
    const bool focused = GetFocus() == old;
    HWND before = GetWindow(old, GW_HWNDPREV);  // its place in the tab order
    Modified();                                 // the new window keeps the flag
    disposal_.Add(ReleaseHandle());
    HandleNeeded();
    SetWindowPos(Handle(), before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (focused) ::SetFocus(Handle());
}

void TRichEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, v, 0);
}

void TRichEdit::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    if (HandleAllocated()) {
        const std::string text = WholeText();
        RecreateWnd();
        SetWholeText(text);
    }
}

void TRichEdit::SetScrollBars(TScrollStyle v) {
    if (v == scrollBars_) return;
    scrollBars_ = v;
    if (HandleAllocated()) {
        const std::string text = WholeText();
        RecreateWnd();
        SetWholeText(text);
    }
}

void TRichEdit::SetPlainText(bool v) {
    plainText_ = v;
    if (HandleAllocated() && v) SendMessageA(Handle(), EM_SETTEXTMODE, TM_PLAINTEXT, 0);
}

void TRichEdit::SetHideSelection(bool v) {
    hideSelection_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), EM_HIDESELECTION, v, 0);
}

bool TRichEdit::Modified() {
    if (HandleAllocated()) modified_ = SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0;
    return modified_;
}

void TRichEdit::SetModified(bool v) {
    modified_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETMODIFY, v, 0);
}

int TRichEdit::SelStart() {
    CHARRANGE range = {};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMin;
}

void TRichEdit::SetSelStart(int v) {
    CHARRANGE range = {v, v};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

int TRichEdit::SelLength() {
    CHARRANGE range = {};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMax - range.cpMin;
}

void TRichEdit::SetSelLength(int v) {
    CHARRANGE range = {};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    range.cpMax = range.cpMin + v;
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void TRichEdit::Clear() { SetWholeText(std::string()); }

void TRichEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TRichEdit::CutToClipboard() { SendMessageA(Handle(), WM_CUT, 0, 0); }

void TRichEdit::CopyToClipboard() { SendMessageA(Handle(), WM_COPY, 0, 0); }

void TRichEdit::PasteFromClipboard() { SendMessageA(Handle(), WM_PASTE, 0, 0); }

int TRichEdit::FindText(const std::string& text, int start, int length, unsigned options) {
    FINDTEXTA find = {};
    find.chrg.cpMin = start;
    find.chrg.cpMax = start + length;
    find.lpstrText = text.c_str();
    WPARAM flags = FR_DOWN;
    if (options & stWholeWord) flags |= FR_WHOLEWORD;
    if (options & stMatchCase) flags |= FR_MATCHCASE;
    return static_cast<int>(SendMessageA(Handle(), EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&find)));
}

bool TRichEdit::CommandNotification(WORD code) {
    if (code != EN_CHANGE) return false;
    OnChange(this);
    return true;
}

}  // namespace cl
