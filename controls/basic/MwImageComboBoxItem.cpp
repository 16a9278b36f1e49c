#include "controls/basic/MwImageComboBoxItem.h"

#include "classlib/core/Exception.h"
#include "controls/basic/MwComboBox.h"

TMwImageComboBoxItem* GetImageComboItem(TMwCustomComboBox& combo, int index) {
    auto* item = dynamic_cast<TMwImageComboBoxItem*>(combo.Objects(index));
    if (!item) throw cl::EInvalidCast("Invalid class typecast");
    return item;
}
