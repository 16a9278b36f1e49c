#pragma once
// A group box of check boxes made from a string list, one independent check state per item.
//
// This class offers what the program uses so far: the items, their arrangement in columns
// below the caption and borders, the streamed "CheckStates" and the checked state by index;
// the item font and the forwarding of the item appearance come later.

#include <vector>

#include "classlib/core/StringList.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwGroupBox.h"

class TMwCheckGroup : public TMwCustomGroupBox {
    CL_CLASS_INFO()
public:
    explicit TMwCheckGroup(cl::TComponent* owner);

    // A change rebuilds the items (once after loading while the form resource is read).
    cl::TStringList* Items() { return &items_; }
    int Columns() const { return columns_; }
    // 1 to 16.
    void SetColumns(int v);
    int StartXPos() const { return startX_; }
    void SetStartXPos(int v);
    int StartYPos() const { return startY_; }
    void SetStartYPos(int v);
    int VerticalSpacing() const { return verticalSpacing_; }
    void SetVerticalSpacing(int v);
    // Columns share the width equally instead of each taking its widest caption.
    bool SpaceEvenly() const { return spaceEvenly_; }
    void SetSpaceEvenly(bool v);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);

    int ItemCount() const { return static_cast<int>(checks_.size()); }
    TMwCheckBox* Item(int index) const { return checks_.at(static_cast<size_t>(index)); }
    bool ItemChecked(int index) const { return Item(index)->Checked(); }
    void SetItemChecked(int index, bool checked) { Item(index)->SetChecked(checked); }

    // "CheckStates": one TCheckBoxState value per item, applied after loading.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;
    void Loaded() override;

protected:
    void Resize() override;

private:
    void UpdateButtons();
    void ArrangeButtons();

    cl::TStringList items_;
    std::vector<TMwCheckBox*> checks_;
    std::vector<int> streamedStates_;
    int columns_ = 1;
    bool spaceEvenly_ = false;
    int startX_ = 8;
    int startY_ = 2;
    int verticalSpacing_ = 3;
    int itemHeight_ = 17;
};
