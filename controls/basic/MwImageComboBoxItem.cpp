#include "controls/basic/MwImageComboBoxItem.h"

#include "classlib/core/Exception.h"
#include "controls/basic/MwComboBox.h"

TMwImageComboBoxItem* GetImageComboItem(TMwCustomComboBox& combo, int index) {
    const LPARAM data = combo.ItemData(index);
    auto* item = data == 0 || data == CB_ERR ? nullptr : dynamic_cast<TMwImageComboBoxItem*>(reinterpret_cast<cl::TObject*>(data));
    if (!item) throw cl::EInvalidCast("Invalid class typecast");
    return item;
}
