#pragma once
// The link between a group item and its action. The item follows a change of the action only
// for the values it still shares with it (the action's values when the item last took them),
// so a value the item was given on its own survives later changes of the action.

#include <string>

#include "classlib/win/Actions.h"
#include "controls/basic/ActionLinkValues.h"

class TMwGroupItem;

class TMwGroupItemActionLink {
public:
    explicit TMwGroupItemActionLink(TMwGroupItem& client) : client_(client) {}
    ~TMwGroupItemActionLink();
    TMwGroupItemActionLink(const TMwGroupItemActionLink&) = delete;
    TMwGroupItemActionLink& operator=(const TMwGroupItemActionLink&) = delete;

    cl::TAction* Action() const { return action_; }
    // Registers the item with the new action and forgets the old one.
    void SetAction(cl::TAction* action);
    // The action's values are now the item's (after the item took them all or some of them).
    void Remember() { shown_ = mw::TActionLinkValues::Of(*action_); }

    // Which of the item's values still follow the action.
    bool IsCaptionLinked() const;
    bool IsEnabledLinked() const;
    bool IsHintLinked() const;
    bool IsImageIndexLinked() const;
    bool IsVisibleLinked() const;
    // Only where the item's group shows selections.
    bool IsCheckedLinked() const;
    bool IsOnExecuteLinked() const;

    // Writes the action's changed values into the item where the item still showed the old
    // ones.
    void ActionChanged();
    // Runs the action; false when it did not run (disabled or without a handler).
    bool Execute() const { return action_ && action_->Execute(); }
    // The hint as shown: with the action's shortcut in brackets when shortcuts go into hints.
    std::string HintText(const std::string& hint, bool withShortCut) const;

private:
    TMwGroupItem& client_;
    cl::TAction* action_ = nullptr;
    mw::TActionLinkValues shown_;
};

// "Ctrl+O", "Shift+Alt+F4": a shortcut as menus and hints show it.
std::string ShortCutToText(cl::TShortCut shortCut);
