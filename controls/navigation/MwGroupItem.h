#pragma once
// The entries of a group: clickable items with a caption, images, enabled and visible states,
// an indent level and a lasting selection. An item linked to an action follows the action's
// caption, enabled and visible states, hint, image and checked state, and runs the action when
// clicked.

#include <windows.h>

#include <memory>
#include <string>

#include "classlib/core/Collection.h"
#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/StoreIfChanged.h"
#include "classlib/win/Actions.h"
#include "classlib/win/HintWindow.h"
#include "controls/navigation/GroupBarLayout.h"
#include "controls/navigation/MwGroupItemActionLink.h"

class TMwGroup;

// Sent to a group when one of its items became selected (lParam: the item); the group passes it
// to its items. A group bar that receives it passes it to the groups that show selections.
constexpr UINT CM_ITEMSELECTED = 0xB3EE;

// Sender, the item's index, the pointer's screen position.
using TMwItemPopupClickEvent = cl::TEvent<cl::TObject*, int, int, int>;

enum class TMwItemState { Normal, Hot, Pressed };

class TMwGroupItem : public cl::TCollectionItem, public cl::TActionClient {
    CL_CLASS_INFO()
public:
    TMwGroupItem() = default;
    ~TMwGroupItem() override;

    cl::TAction* Action() const { return link_ ? link_->Action() : nullptr; }
    // Takes every value of the new action; while the action is still being read from the form
    // resource, only the values the item still has at their defaults.
    virtual void SetAction(cl::TAction* action);
    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& v);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v) { StoreAndChange(enabled_, v); }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v) { StoreAndChange(visible_, v); }
    int ImageIndex() const { return imageIndex_; }
    virtual void SetImageIndex(int v) { StoreAndChange(imageIndex_, v); }
    // The image shown while the item is disabled (-1: the normal image, greyed).
    int DisabledIndex() const { return disabledIndex_; }
    virtual void SetDisabledIndex(int v) { StoreAndChange(disabledIndex_, v); }
    int IndentLevel() const { return indentLevel_; }
    virtual void SetIndentLevel(int v) { StoreAndChange(indentLevel_, v & 0xFF); }
    bool Selected() const { return selected_; }
    // Selecting an item deselects the other items of its group.
    virtual void SetSelected(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    // The short hint as shown, with the action's shortcut when shortcuts go into hints.
    std::string HintText(bool withShortCut) const {
        return link_ ? link_->HintText(cl::ShortHint(hint_), withShortCut) : cl::ShortHint(hint_);
    }
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }

    TMwGroup* Group() const;
    // The item's own OnClick when it differs from the action's handler, else the action, else
    // OnClick.
    virtual void Click();
    virtual void PopupClick(int index, int x, int y) { OnPopupClick(this, index, x, y); }
    // Runs the action's update handler.
    void InitiateAction();

    // Copies the other item's action, texts, states, images and handlers.
    void Assign(const TMwGroupItem& other);
    // Gives an action this item's caption, states, hint, image and click handler.
    void AssignTo(cl::TAction& action) const;
    // The caption, or the class name when there is none.
    std::string DisplayName() const;

    // Takes the action's values: all of them, or with checkDefaults only those the item still
    // has at their defaults.
    void ActionChange(const cl::TAction& action, bool checkDefaults);
    // Another item of the group was selected (CM_ITEMSELECTED): this one lets go of its selection.
    void ItemSelected(const TMwGroupItem* selected);

    // ---- kept by the group ----
    TMwItemState State() const { return state_; }
    void SetState(TMwItemState state) { state_ = state; }
    // The left or right button went down on the item and has not come up yet.
    bool PressedMark() const { return pressedMark_; }
    void SetPressedMark(bool v) { pressedMark_ = v; }
    // Where the last layout put the text and the image, for hit tests.
    const cl::TRect& TextRect() const { return textRect_; }
    const cl::TRect& ImageRect() const { return imageRect_; }
    void SetHitRects(const cl::TRect& text, const cl::TRect& image) {
        textRect_ = text;
        imageRect_ = image;
    }
    bool Hit(cl::TPoint p) const { return textRect_.Contains(p) || imageRect_.Contains(p); }
    // Visible and with something to run.
    bool Clickable() const { return visible_ && (OnClick || Action()); }

    cl::TNotifyEvent OnClick;
    TMwItemPopupClickEvent OnPopupClick;

    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;

private:
    friend class TMwGroupItemActionLink;
    template <class T>
    void StoreAndChange(T& field, const T& value) {
        if (cl::StoreIfChanged(field, value)) Changed();
    }

    std::unique_ptr<TMwGroupItemActionLink> link_;
    std::string caption_;
    bool captionSet_ = false;  // the caption went through its writer
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    int indentLevel_ = 0;
    bool selected_ = false;
    std::string hint_;
    int tag_ = 0;

    TMwItemState state_ = TMwItemState::Normal;
    bool pressedMark_ = false;
    cl::TRect textRect_ = mw::kNoHitRect;
    cl::TRect imageRect_ = mw::kNoHitRect;
};

// The collection of a group's items; every change lays the group out again and repaints it.
class TMwGroupItems : public cl::TCollection {
    CL_CLASS_INFO()
public:
    explicit TMwGroupItems(TMwGroup* group);
    TMwGroup* Group() const { return group_; }
    TMwGroupItem* Items(int index) const { return Item<TMwGroupItem>(index); }
    TMwGroupItem* Add() { return static_cast<TMwGroupItem*>(cl::TCollection::Add()); }
    // Also keeps the group's clicked item in step.
    void Delete(int index);
    void Clear();

private:
    TMwGroup* group_;
};
