#include "controls/basic/MwURLLabel.h"

#include <shellapi.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"

namespace {

// The hand cursor made from the image that the program carries as data ("MWCOMMON_HANDCURSOR":
// the hot spot, then the bitmap), or null without it.
HCURSOR LoadHandCursor() {
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, "MWCOMMON_HANDCURSOR", MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!found) return nullptr;
    auto* bits = static_cast<BYTE*>(LockResource(LoadResource(program, found)));
    if (!bits) return nullptr;
    return reinterpret_cast<HCURSOR>(
        CreateIconFromResourceEx(bits, SizeofResource(program, found), FALSE, 0x00030000, 0, 0, LR_DEFAULTCOLOR));
}

// Registered once as screen cursor crMwHandPoint and kept until the program ends; the system's
// hand when the program does not carry the library's resources.
void RegisterHandCursor() {
    static const bool registered = [] {
        HCURSOR hand = LoadHandCursor();
        if (!hand) hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
        cl::Screen().RegisterCursor(crMwHandPoint, hand);
        return true;
    }();
    (void)registered;
}

}  // namespace

const cl::TClassInfo& TMwURLLabel::StaticClass() {
    using L = TMwURLLabel;
    static const auto info = cl::TClassBuilder<L>("TMwURLLabel", TMwLabel::StaticClass())
                                 .Creatable()
                                 .Int("Cursor", &L::Cursor, &L::SetCursor)
                                 .Color("UnvisitedColor", &L::UnvisitedColor, &L::SetUnvisitedColor)
                                 .Str("URL", &L::URL, &L::SetURL)
                                 .Bool("Visited", &L::Visited, &L::SetVisited)
                                 .Color("VisitedColor", &L::VisitedColor, &L::SetVisitedColor)
                                 .Build();
    return *info;
}

TMwURLLabel::TShellOpen& TMwURLLabel::ShellOpen() {
    static TShellOpen open = [](SHELLEXECUTEINFOA& info) {
        if (!ShellExecuteExA(&info)) return false;
        if (info.hProcess) CloseHandle(info.hProcess);
        return true;
    };
    return open;
}

TMwURLLabel::TMwURLLabel(cl::TComponent* owner) : TMwLabel(owner) {
    RegisterHandCursor();
    Font()->SetColor(unvisitedColor_);
    Font()->SetStyle(cl::fsUnderline);
    SetTextStyle(TTextStyle::Normal);
}

void TMwURLLabel::SetVisited(bool v) {
    visited_ = v;
    UpdateLinkColor();
}

void TMwURLLabel::SetUnvisitedColor(cl::TColor v) {
    unvisitedColor_ = v;
    UpdateLinkColor();
}

void TMwURLLabel::SetVisitedColor(cl::TColor v) {
    visitedColor_ = v;
    UpdateLinkColor();
}

void TMwURLLabel::UpdateLinkColor() {
    Font()->SetColor(visited_ ? visitedColor_ : unvisitedColor_);
    Invalidate();
}

void TMwURLLabel::Click() {
    TMwLabel::Click();
    const std::string target = cl::Trim(cl::Trim(url_).empty() ? Caption() : url_);
    if (target.empty()) return;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "Open";
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellOpen()(info)) SetVisited(true);
    else if (cl::UpperCase(cl::ExtractFileExt(target)) == ".HTM")
        WinExec("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL);
}

void TMwURLLabel::WndProc(cl::TMessage& m) {
    if (m.msg == WM_SETCURSOR && LOWORD(m.lParam) == HTCLIENT && cl::Screen().Cursor() == cl::crDefault) {
        ::SetCursor(cl::Screen().CursorHandle(cursor_));
        m.result = TRUE;
        return;
    }
    TMwLabel::WndProc(m);
}
