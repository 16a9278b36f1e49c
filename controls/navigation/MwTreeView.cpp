#include "controls/navigation/MwTreeView.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Screen.h"

const cl::TClassInfo& TMwCustomTreeView::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwCustomTreeView>("TMwCustomTreeView", cl::TTreeView::StaticClass())
                                 .Bool("FrameVisible", &TMwCustomTreeView::FrameVisible, &TMwCustomTreeView::SetFrameVisible)
                                 .Object("SelectionPen", &TMwCustomTreeView::SelectionPen)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TMwTreeView::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwTreeView>("TMwTreeView", TMwCustomTreeView::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomTreeView::TMwCustomTreeView(cl::TComponent* owner) : cl::TTreeView(owner) {
    selectionPen_.SetColor(cl::clBtnShadow);
    selectionPen_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { Invalidate(); });
}

void TMwCustomTreeView::SetFrameVisible(bool visible) {
    if (visible == frameVisible_) return;
    frameVisible_ = visible;
    RecreateWnd();
}

void TMwCustomTreeView::CreateParams(TCreateParams& params) {
    cl::TTreeView::CreateParams(params);
    if (frameVisible_) {
        params.exStyle &= ~WS_EX_CLIENTEDGE;
        params.style |= WS_BORDER;
    }
}

std::string TMwCustomTreeView::GetPathFromNode(cl::TTreeNode* node) const {
    std::string path;
    for (cl::TTreeNode* n = node; n; n = n->Parent()) path = n->Text() + "\\" + path;
    return path;
}

cl::TTreeNode* TMwCustomTreeView::GetNodeFromPath(const std::string& path) {
    if (path.empty()) return nullptr;
    const cl::TCursor saved = cl::Screen().Cursor();
    cl::Screen().SetCursor(cl::crHourGlass);
    cl::TTreeNode* match = nullptr;
    try {
        // One level per "\"-ended component: the first sibling whose text matches, without case.
        cl::TTreeNode* candidate = GetFirstNode();
        size_t start = 0;
        while (start < path.size()) {
            size_t end = path.find('\\', start);
            if (end == std::string::npos) end = path.size();
            const std::string component = path.substr(start, end - start);
            while (candidate && !cl::SameText(candidate->Text(), component)) candidate = candidate->GetNextSibling();
            match = candidate;
            if (!match) break;
            candidate = match->GetFirstChild();
            start = end + 1;
        }
    } catch (...) {
        cl::Screen().SetCursor(saved);
        throw;
    }
    cl::Screen().SetCursor(saved);
    return match;
}
