#include "classlib/win/ScrollBox.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"

namespace cl {

const TClassInfo& TScrollBox::StaticClass() {
    static const auto info = TClassBuilder<TScrollBox>("TScrollBox", TCustomControl::StaticClass()).Creatable().Build();
    return *info;
}

TScrollBox::TScrollBox(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

void TScrollBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.style |= WS_HSCROLL | WS_VSCROLL;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::AlignControls() {
    TCustomControl::AlignControls();
    UpdateScrollBars();
}

// A picture loaded into an image, for one, makes it larger than the box.
void TScrollBox::ControlBoundsChanged(TControl&) { UpdateScrollBars(); }

void TScrollBox::UpdateScrollBars() {
    if (!HandleAllocated() || updatingBars_) return;
    updatingBars_ = true;
    // The content reaches as far as the furthest child, measured from the unscrolled origin.
    int width = 0, height = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        width = std::max(width, c->Left() + c->Width() + position_.x);
        height = std::max(height, c->Top() + c->Height() + position_.y);
    }
    RECT client;
    GetClientRect(Handle(), &client);
    for (int bar : {SB_HORZ, SB_VERT}) {
        const int content = bar == SB_HORZ ? width : height;
        const int page = bar == SB_HORZ ? client.right : client.bottom;
        SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, content - 1), static_cast<UINT>(std::max(0, page)), 0, 0};
        int& pos = bar == SB_HORZ ? position_.x : position_.y;
        const int limit = std::max(0, content - page);
        if (pos > limit) {
            const int delta = pos - limit;
            pos = limit;
            ScrollWindowEx(Handle(), bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr, nullptr, nullptr, nullptr,
                           SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
        }
        info.nPos = pos;
        SetScrollInfo(Handle(), bar, &info, TRUE);
    }
    updatingBars_ = false;
}

void TScrollBox::ScrollTo(int x, int y) {
    const int dx = position_.x - std::max(0, x), dy = position_.y - std::max(0, y);
    if (dx == 0 && dy == 0) return;
    position_ = {std::max(0, x), std::max(0, y)};
    if (HandleAllocated()) {
        ScrollWindowEx(Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
        UpdateScrollBars();
    }
}

void TScrollBox::Scroll(int bar, WORD code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int pos = info.nPos;
    const int page = static_cast<int>(info.nPage);
    switch (code) {
        case SB_LINEUP: pos -= 16; break;
        case SB_LINEDOWN: pos += 16; break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = info.nTrackPos; break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = info.nMax; break;
        default: return;
    }
    pos = std::max(0, std::min(pos, info.nMax - page + 1));
    if (bar == SB_HORZ) ScrollTo(pos, position_.y);
    else ScrollTo(position_.x, pos);
}

void TScrollBox::WndProc(TMessage& m) {
    switch (m.msg) {
        case WM_HSCROLL:
            Scroll(SB_HORZ, LOWORD(m.wParam));
            return;
        case WM_VSCROLL:
            Scroll(SB_VERT, LOWORD(m.wParam));
            return;
        case WM_SIZE:
            TCustomControl::WndProc(m);
            UpdateScrollBars();
            return;
        default:
            TCustomControl::WndProc(m);
    }
}

}  // namespace cl
