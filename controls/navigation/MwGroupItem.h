#pragma once
// The entries of a group: clickable items with a caption, images, enabled and visible states,
// an indent level and a lasting selection. An item linked to an action follows the action's
// caption, enabled and visible states, hint and image, and runs the action when clicked.

#include <string>

#include "classlib/core/StoreIfChanged.h"
#include "classlib/core/Collection.h"
#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Actions.h"
#include "controls/basic/ActionLinkValues.h"

class TMwGroup;

using TMwItemPopupClickEvent = cl::TEvent<cl::TObject*, int, int, int>;

class TMwGroupItem : public cl::TCollectionItem, public cl::TActionClient {
    CL_CLASS_INFO()
public:
    TMwGroupItem() = default;
    ~TMwGroupItem() override;

    cl::TAction* Action() const { return action_; }
    // Takes the new action's values; while the form is read, values the form resource gave
    // the item stay.
    virtual void SetAction(cl::TAction* action);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { StoreAndChange(enabled_, v); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { StoreAndChange(visible_, v); }
    int ImageIndex() const { return imageIndex_; }
    virtual void SetImageIndex(int v) { StoreAndChange(imageIndex_, v); }
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int v) { StoreAndChange(disabledIndex_, v); }
    int IndentLevel() const { return indentLevel_; }
    void SetIndentLevel(int v) { StoreAndChange(indentLevel_, v & 0xFF); }
    bool Selected() const { return selected_; }
    // Selecting an item deselects the other items of its group.
    void SetSelected(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }

    TMwGroup* Group() const;
    // Runs OnClick when the item has its own handler, else the action.
    virtual void Click();
    void PopupClick(int x, int y) { OnPopupClick(this, Index(), x, y); }

    // Where the last painting put the text and the image (for hit tests).
    cl::TRect textRect;
    cl::TRect imageRect;

    cl::TNotifyEvent OnClick;
    TMwItemPopupClickEvent OnPopupClick;

    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;
    // Copies the action's values (with onlyDefaults, only into values the item still has at
    // their defaults) and its execute handler as OnClick.
    void TakeActionValues(const cl::TAction& action, bool onlyDefaults);

private:
    template <class T>
    void StoreAndChange(T& field, const T& value) {
        if (cl::StoreIfChanged(field, value)) Changed();
    }

    cl::TAction* action_ = nullptr;
    mw::TActionLinkValues linked_;
    std::string caption_;
    bool captionSet_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    int indentLevel_ = 0;
    bool selected_ = false;
    std::string hint_;
    int tag_ = 0;
};

// The collection of a group's items; every change re-lays out and repaints the group.
class TMwGroupItems : public cl::TCollection {
    CL_CLASS_INFO()
public:
    explicit TMwGroupItems(TMwGroup* group);
    TMwGroup* Group() const { return group_; }
    TMwGroupItem* Items(int index) const { return Item<TMwGroupItem>(index); }
    TMwGroupItem* Add() { return static_cast<TMwGroupItem*>(cl::TCollection::Add()); }

private:
    TMwGroup* group_;
};
