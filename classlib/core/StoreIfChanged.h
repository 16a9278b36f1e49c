#pragma once

namespace cl {

// Stores value in field when they differ; true when it did. Property writers compare with the
// stored value first, so that an unchanged value costs no repaint or layout.
template <class T, class U>
bool StoreIfChanged(T& field, const U& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace cl
