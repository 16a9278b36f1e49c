#pragma once
// A group box of radio buttons made from a string list: one item at most is selected
// (ItemIndex). A user's choice may be refused by OnChanging, which puts the previous choice
// back.
//
// This class offers the items, their arrangement in columns below the caption and borders,
// ItemIndex with OnChanging and OnClick, and the items' hot-track look and frame colour; the
// item font and the rest of the item appearance come later.

#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/StringList.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwRadioButton.h"

// Sender, the index about to be selected, and whether to allow it (true when asked).
using TMwIndexChangingEvent = cl::TEvent<cl::TObject*, int, bool&>;

class TMwRadioGroup : public TMwCustomGroupBox {
    CL_CLASS_INFO()
public:
    explicit TMwRadioGroup(cl::TComponent* owner);

    // A change rebuilds the items (once after loading while the form resource is read).
    cl::TStringList* Items() { return &items_; }
    // -1 (none) .. the item count - 1; setting it runs no events.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    int Columns() const { return columns_; }
    // 1 to 16.
    void SetColumns(int v);
    bool SpaceEvenly() const { return spaceEvenly_; }
    void SetSpaceEvenly(bool v);
    int StartXPos() const { return startX_; }
    void SetStartXPos(int v);
    int StartYPos() const { return startY_; }
    void SetStartYPos(int v);
    int VerticalSpacing() const { return verticalSpacing_; }
    void SetVerticalSpacing(int v);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    bool ItemHotTrack() const { return itemHotTrack_; }
    void SetItemHotTrack(bool v);
    cl::TColor ItemFrameColor() const { return itemFrameColor_; }
    void SetItemFrameColor(cl::TColor v);

    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    TMwRadioButton* Item(int index) const { return buttons_.at(static_cast<size_t>(index)); }

    // The items follow the group.
    void SetEnabled(bool enabled) override;

    TMwIndexChangingEvent OnChanging;

    void Loaded() override;
    // Older form resources carry "Flat", which is ItemHotTrack now.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

protected:
    void Resize() override;
    void FontChanged() override;

private:
    void UpdateButtons();
    void ArrangeButtons();
    // An item became checked by the user.
    void ItemClicked(cl::TObject* sender);

    cl::TStringList items_;
    std::vector<TMwRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool spaceEvenly_ = false;
    int startX_ = 8;
    int startY_ = 2;
    int verticalSpacing_ = 3;
    int itemHeight_ = 17;
    bool itemHotTrack_ = false;
    cl::TColor itemFrameColor_ = cl::clBtnShadow;
    bool settingIndex_ = false;  // the group checks an item itself: no events
};
