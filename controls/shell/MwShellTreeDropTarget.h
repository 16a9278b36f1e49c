#pragma once
// The drop target a shell tree registers for its window: it hands every drag event to the
// tree. The tree detaches it when it revokes it, so that a drag still holding it meanwhile
// gets "no drop" instead of reaching a tree that is gone.

#include <windows.h>
#include <ole2.h>

#include "controls/shell/ShellComObject.h"

class TMwCustomShellTree;

class TMwShellTreeDropTarget : public mw::TShellComObject<IDropTarget> {
public:
    // A new target with one reference, owned by the caller.
    static TMwShellTreeDropTarget* Create(TMwCustomShellTree* tree);
    void Detach() { tree_ = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    explicit TMwShellTreeDropTarget(TMwCustomShellTree* tree) : tree_(tree) {}
    ~TMwShellTreeDropTarget() override = default;
    // Runs the tree's step; with no tree, or when the step raises (the exception goes to the
    // application's handler), the effect is none.
    template <class Step>
    HRESULT Forward(DWORD* effect, Step step);

    TMwCustomShellTree* tree_;
};
