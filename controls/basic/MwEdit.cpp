#include "controls/basic/MwEdit.h"

#include "classlib/core/ClassBuilder.h"

using namespace mw;

namespace {

const cl::TEnumNames kEditAlignmentNames{{{"taLeftJustify", 0}, {"taRightJustify", 1}}};

}  // namespace

const cl::TClassInfo& TMwCustomEdit::StaticClass() {
    using E = TMwCustomEdit;
    static const auto info = [] {
        cl::TClassBuilder<E> builder("TMwCustomEdit", cl::TEdit::StaticClass());
        AddFrameProperties(builder)
            .Enum<TMwAboutInfo>("About", &E::About, &E::SetAbout, kAboutInfoNames)
            .Enum<TEditAlignment>("Alignment", &E::Alignment, &E::SetAlignment, kEditAlignmentNames)
            .Bool("TabOnEnter", &E::TabOnEnter, &E::SetTabOnEnter)
            .Bool("AutoSelect", &E::AutoSelect, &E::SetAutoSelect);
        return builder.Build();
    }();
    return *info;
}

const cl::TClassInfo& TMwEdit::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwEdit>("TMwEdit", TMwCustomEdit::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomEdit::TMwCustomEdit(cl::TComponent* owner) : TMwFramedControl<cl::TEdit>(owner) {}

void TMwCustomEdit::SetAlignment(TEditAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TMwCustomEdit::CreateParams(TCreateParams& params) {
    TMwFramedControl<cl::TEdit>::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    params.style &= ~ES_MULTILINE;
    if (alignment_ == TEditAlignment::RightJustify) params.style |= ES_RIGHT;
}

void TMwCustomEdit::WndProc(cl::TMessage& m) {
    if (tabOnEnter_) {
        // The dialog manager would press the default button; Enter moves on instead.
        if (m.msg == WM_GETDLGCODE) {
            TMwFramedControl<cl::TEdit>::WndProc(m);
            const MSG* key = reinterpret_cast<const MSG*>(m.lParam);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) m.result |= DLGC_WANTALLKEYS;
            return;
        }
        if (m.msg == WM_CHAR && m.wParam == VK_RETURN) {
            PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
            return;
        }
    }
    TMwFramedControl<cl::TEdit>::WndProc(m);
}
