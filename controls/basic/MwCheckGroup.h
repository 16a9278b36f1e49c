#pragma once
// A group of check boxes made from a string list, one independent check state per item.

#include <vector>

#include "classlib/core/Event.h"
#include "controls/basic/GroupItemInput.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwCustomButtonGroup.h"

// Sender, the item's index and its new state.
using TStateChangeEvent = cl::TEvent<cl::TObject*, int, TCheckBoxState>;

// An item of a check group.
class TMwGroupCheck : public TMwCheckBox {
    CL_CLASS_INFO()
public:
    TMwGroupCheck(TMwCustomButtonGroup& group);

protected:
    void WndProc(cl::TMessage& message) override;

private:
    mw::TGroupItemInput input_;
};

class TMwCustomCheckGroup : public TMwCustomButtonGroup {
    CL_CLASS_INFO()
public:
    explicit TMwCustomCheckGroup(cl::TComponent* owner);

    // Forwarded to every item.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { StoreAndArrange(allowGrayed_, v); }

    TMwCheckBox* Item(int index) const { return static_cast<TMwCheckBox*>(GetButton(index)); }
    bool ItemChecked(int index) const { return Item(index)->Checked(); }
    void SetItemChecked(int index, bool checked) { Item(index)->SetChecked(checked); }
    bool ItemEnabled(int index) const { return Item(index)->Enabled(); }
    void SetItemEnabled(int index, bool enabled) { Item(index)->SetEnabled(enabled); }
    TCheckBoxState ItemState(int index) const { return Item(index)->State(); }
    void SetItemState(int index, TCheckBoxState state) { Item(index)->SetState(state); }

    // After an item's state changed (by the user or by a setter).
    TStateChangeEvent OnChange;

    // "CheckStates": one TCheckBoxState value per item, applied after loading.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;
    void Loaded() override;

protected:
    TMwCustomGlyphButton* CreateButton() override;
    void ApplyItemLook(TMwCustomGlyphButton& button) override;

private:
    void ItemClicked(cl::TObject* sender);

    bool allowGrayed_ = false;
    std::vector<int> streamedStates_;
};

class TMwCheckGroup : public TMwCustomCheckGroup {
    CL_CLASS_INFO()
public:
    explicit TMwCheckGroup(cl::TComponent* owner) : TMwCustomCheckGroup(owner) {}
};
