#pragma once
// The framed tree view: the tree view of the class library with the library's framing model
// (a non-client frame, colours that follow focus and the enabled state, a frame controller), a
// selection outline that stays visible when the tree loses focus, node context menus raised
// for the node under the mouse (or the selected node from the keyboard), wheel scrolling by
// whole scroll positions, and two path helpers that turn a node into "Data\Maps\" and back.

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Pen.h"
#include "classlib/win/TreeView.h"
#include "controls/basic/MwFramedControl.h"

// (Sender, Node, Pos, Menu): the handler may move the menu (client coordinates), swap it, or
// suppress it by setting it to none.
using TMwTvOnNodeContextMenuEvent = cl::TEvent<cl::TObject*, cl::TTreeNode*, cl::TPoint&, cl::TPopupMenu*&>;

class TMwCustomTreeView : public TMwFramedControl<cl::TTreeView> {
    CL_CLASS_INFO()
public:
    explicit TMwCustomTreeView(cl::TComponent* owner);

    cl::TPen* SelectionPen() { return &selectionPen_; }
    void SetSelectionPen(const cl::TPen& pen);
    bool AutoSelect() const { return autoSelect_; }
    // Expanding or collapsing a node selects it; switches AutoExpand off.
    void SetAutoSelect(bool v);
    bool AutoExpand() const { return autoExpand_; }
    // Selecting a node expands it and collapses the others; switches AutoSelect off.
    void SetAutoExpand(bool v);
    bool RightClickSelect() const { return rightClickSelect_; }
    // While a right click is handled, Selected is the node that was clicked.
    void SetRightClickSelect(bool v) { rightClickSelect_ = v; }

    // Null before the window exists; the right-clicked node while its context menu is handled
    // with RightClickSelect; else the tree's selection.
    cl::TTreeNode* Selected() const;
    void SetSelected(cl::TTreeNode* node) { cl::TTreeView::SetSelected(node); }

    // The node's path from the root, each text followed by "\"; empty for no node.
    std::string GetPathFromNode(cl::TTreeNode* node) const;
    // The node whose path equals path without regard to case ("\" at the end optional), or
    // null; also null for an empty path. Shows the hourglass while it searches.
    cl::TTreeNode* GetNodeFromPath(const std::string& path);

    TMwTvOnNodeContextMenuEvent OnNodeContextMenu;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void WndProc(cl::TMessage& message) override;
    void ApplyBackgroundColor() override;

    // The context menu for the selected node (at the centre of its text) or, without one,
    // the tree's popup menu at its top-left corner.
    virtual void KeyboardContextMenu();
    virtual void NodeContextMenu(cl::TTreeNode* node, cl::TPoint pos);
    virtual void DoNodeContextMenu(cl::TTreeNode* node, cl::TPoint& pos, cl::TPopupMenu*& menu);

private:
    void RightClick();
    void PopupAt(cl::TPopupMenu& menu, cl::TPoint clientPos);
    void PaintSelectionOutline(HDC dc);
    void WheelStep(bool down);
    cl::TRect NodeTextRect(cl::TTreeNode* node);
    void ApplyAutoExpand();

    cl::TPen selectionPen_;
    bool autoSelect_ = false;
    bool autoExpand_ = false;
    bool rightClickSelect_ = false;
    cl::TTreeNode* heldNode_ = nullptr;  // the node a right click is being handled for
    bool menuShown_ = false;             // a node menu was shown; the next right-button release clears it
    int wheelDelta_ = 0;                 // wheel movement short of a whole notch
};

class TMwTreeView : public TMwCustomTreeView {
    CL_CLASS_INFO()
public:
    explicit TMwTreeView(cl::TComponent* owner) : TMwCustomTreeView(owner) {}
};
