#include "controls/basic/MwURLLabel.h"

#include <shellapi.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"

const cl::TClassInfo& TMwURLLabel::StaticClass() {
    using L = TMwURLLabel;
    static const auto info = cl::TClassBuilder<L>("TMwURLLabel", TMwLabel::StaticClass())
                                 .Creatable()
                                 .Str("URL", &L::URL, &L::SetURL)
                                 .Bool("Visited", &L::Visited, &L::SetVisited)
                                 .Color("UnvisitedColor", &L::UnvisitedColor, &L::SetUnvisitedColor)
                                 .Color("VisitedColor", &L::VisitedColor, &L::SetVisitedColor)
                                 .Build();
    return *info;
}

TMwURLLabel::TMwURLLabel(cl::TComponent* owner) : TMwLabel(owner) {
    Font()->SetColor(unvisitedColor_);
    Font()->SetStyle(cl::fsUnderline);
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
    if (ShellExecuteExA(&info)) {
        if (info.hProcess) CloseHandle(info.hProcess);
        SetVisited(true);
    } else if (cl::UpperCase(cl::ExtractFileExt(target)) == ".HTM") {
        WinExec("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL);
    }
}

void TMwURLLabel::WndProc(cl::TMessage& m) {
    if (m.msg == WM_SETCURSOR) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        m.result = TRUE;
        return;
    }
    TMwLabel::WndProc(m);
}
