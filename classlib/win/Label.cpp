#include "classlib/win/Label.h"

#include "classlib/core/ClassBuilder.h"

namespace cl {

const TClassInfo& TLabel::StaticClass() {
    static const auto info = TClassBuilder<TLabel>("TLabel", TControl::StaticClass())
                                 .Creatable()
                                 .Enum<TAlignment>("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, kAlignmentNames)
                                 .Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
                                 .Build();
    return *info;
}

TLabel::TLabel(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 65, 13);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    RecreateWnd();
}

void TLabel::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    RecreateWnd();
}

void TLabel::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.windowClass = "STATIC";
    params.standardClass = true;
    params.exStyle = 0;
    params.style &= ~(WS_TABSTOP | WS_CLIPCHILDREN);
    params.style |= SS_NOPREFIX | SS_NOTIFY;
    params.style |= alignment_ == TAlignment::Center ? SS_CENTER : alignment_ == TAlignment::RightJustify ? SS_RIGHT
                                                        : (wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP);
}

}  // namespace cl
