#pragma once
// A group of radio buttons made from a string list: one item at most is selected (ItemIndex).
// A user's choice may be refused by OnChanging, which puts the previous choice back.

#include "classlib/core/Event.h"
#include "controls/basic/GroupItemInput.h"
#include "controls/basic/MwCustomButtonGroup.h"
#include "controls/basic/MwRadioButton.h"

// Sender, the index about to be selected, and whether to allow it (true when asked).
using TMwIndexChangingEvent = cl::TEvent<cl::TObject*, int, bool&>;

// An item of a radio group.
class TMwGroupButton : public TMwRadioButton {
    CL_CLASS_INFO()
public:
    TMwGroupButton(TMwCustomButtonGroup& group);

protected:
    void WndProc(cl::TMessage& message) override;

private:
    mw::TGroupItemInput input_;
};

class TMwCustomRadioGroup : public TMwCustomButtonGroup {
    CL_CLASS_INFO()
public:
    explicit TMwCustomRadioGroup(cl::TComponent* owner);

    // -1 (none) .. the item count - 1; setting it runs no events.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    TMwRadioButton* Item(int index) const { return static_cast<TMwRadioButton*>(GetButton(index)); }

    TMwIndexChangingEvent OnChanging;

    void Loaded() override;

protected:
    TMwCustomGlyphButton* CreateButton() override;
    void ItemsChanged() override;
    void UpdateButtons() override;

private:
    // An item became checked by the user.
    void ItemClicked(cl::TObject* sender);

    int itemIndex_ = -1;
    bool settingIndex_ = false;  // the group checks an item itself: no events
};

class TMwRadioGroup : public TMwCustomRadioGroup {
    CL_CLASS_INFO()
public:
    explicit TMwRadioGroup(cl::TComponent* owner) : TMwCustomRadioGroup(owner) {}
};
