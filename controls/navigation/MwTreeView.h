#pragma once
// The framed tree view. This class offers what the program uses so far: the frame switch, the
// selection pen and the path helpers that turn a node into "A\B\" and back.

#include <string>

#include "classlib/win/Pen.h"
#include "classlib/win/TreeView.h"

class TMwCustomTreeView : public cl::TTreeView {
    CL_CLASS_INFO()
public:
    explicit TMwCustomTreeView(cl::TComponent* owner);

    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool visible);
    cl::TPen* SelectionPen() { return &selectionPen_; }

    // The node's path from the root, each text followed by "\"; empty for no node.
    std::string GetPathFromNode(cl::TTreeNode* node) const;
    // The node whose path equals path without regard to case ("\" at the end optional), or null.
    cl::TTreeNode* GetNodeFromPath(const std::string& path);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool frameVisible_ = false;
    cl::TPen selectionPen_;
};

class TMwTreeView : public TMwCustomTreeView {
    CL_CLASS_INFO()
public:
    explicit TMwTreeView(cl::TComponent* owner) : TMwCustomTreeView(owner) {}
};
