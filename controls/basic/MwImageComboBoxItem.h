#pragma once
// The object behind each entry of an image combo box: its indentation level and a data object
// of the user's (not owned).

#include "classlib/core/Object.h"

class TMwCustomComboBox;

class TMwImageComboBoxItem : public cl::TObject {
public:
    int Indent() const { return indent_; }
    void SetIndent(int v) { indent_ = v; }
    cl::TObject* Data() const { return data_; }
    void SetData(cl::TObject* v) { data_ = v; }

private:
    int indent_ = 0;
    cl::TObject* data_ = nullptr;
};

// The object of entry index as an image combo item; EInvalidCast when the entry holds none, or
// holds data or an object of another class. Entries get their items through AddObject.
TMwImageComboBoxItem* GetImageComboItem(TMwCustomComboBox& combo, int index);
