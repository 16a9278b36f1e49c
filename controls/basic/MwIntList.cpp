#include "controls/basic/MwIntList.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"

const cl::TClassInfo& TMwIntegerList::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwIntegerList>("TMwIntegerList", cl::TPersistent::StaticClass()).Build();
    return *info;
}

void TMwIntegerList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw cl::EListError("List index out of bounds (" + cl::IntToStr(index) + ")");
}

void TMwIntegerList::CheckRange(int32_t value) const {
    if (min_ != max_ && (value < min_ || value > max_))
        throw EOutOfRange("Value must be within " + cl::IntToStr(min_) + ".." + cl::IntToStr(max_));
}

int32_t TMwIntegerList::Get(int index) const {
    CheckIndex(index);
    return cells_[static_cast<size_t>(index)];
}

void TMwIntegerList::Put(int index, int32_t value) {
    CheckRange(value);
    CheckIndex(index);
    cells_[static_cast<size_t>(index)] = value;
}

void TMwIntegerList::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

int TMwIntegerList::Add(int32_t value) {
    int index = Count();
    if (sorted_ && Find(value, index)) {
        switch (duplicates_) {
            case cl::TDuplicates::Ignore: return index;
            case cl::TDuplicates::Error: throw cl::EListError("Duplicates not allowed");
            case cl::TDuplicates::Accept: break;
        }
    }
    InsertCell(index, value);
    return index;
}

void TMwIntegerList::AddIntegers(const TMwIntegerList& other) {
    const std::vector<int32_t> values = other.cells_;  // the list may be this one
    for (int32_t value : values) Add(value);
}

void TMwIntegerList::Assign(const TMwIntegerList& other) {
    if (&other == this) return;
    Clear();
    AddIntegers(other);
}

void TMwIntegerList::Delete(int index) {
    CheckIndex(index);
    cells_.erase(cells_.begin() + index);
}

void TMwIntegerList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(cells_[static_cast<size_t>(index1)], cells_[static_cast<size_t>(index2)]);
}

void TMwIntegerList::Insert(int index, int32_t value) {
    if (sorted_) throw cl::EListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) throw cl::EListError("List index out of bounds (" + cl::IntToStr(index) + ")");
    InsertCell(index, value);
}

void TMwIntegerList::InsertCell(int index, int32_t value) {
    CheckRange(value);
    if (index < 0 || index > Count()) throw cl::EListError("List index out of bounds (" + cl::IntToStr(index) + ")");
    cells_.insert(cells_.begin() + index, value);
}

void TMwIntegerList::Move(int fromIndex, int toIndex) {
    if (fromIndex == toIndex) return;
    const int32_t value = Get(fromIndex);
    CheckIndex(toIndex);
    cells_.erase(cells_.begin() + fromIndex);
    cells_.insert(cells_.begin() + toIndex, value);
}

void TMwIntegerList::Sort() {
    if (!sorted_) std::sort(cells_.begin(), cells_.end());
}

bool TMwIntegerList::Find(int32_t value, int& index) const {
    bool found = false;
    int lo = 0, hi = Count() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int32_t cell = cells_[static_cast<size_t>(mid)];
        if (cell < value) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (cell == value) {
                found = true;
                if (duplicates_ != cl::TDuplicates::Accept) lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

int TMwIntegerList::IndexOf(int32_t value) const {
    if (sorted_) {
        int index = -1;
        return Find(value, index) ? index : -1;
    }
    const auto it = std::find(cells_.begin(), cells_.end(), value);
    return it == cells_.end() ? -1 : static_cast<int>(it - cells_.begin());
}

bool TMwIntegerList::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    const auto integer = [&] {
        if (value.kind != cl::TValue::Kind::Integer) throw cl::EConvertError("Invalid property value: " + name + " takes an integer");
        return static_cast<int32_t>(value.integer);
    };
    if (cl::SameText(name, "Min")) {
        min_ = integer();
    } else if (cl::SameText(name, "Max")) {
        max_ = integer();
    } else if (cl::SameText(name, "Integers")) {
        if (value.kind != cl::TValue::Kind::StringList)
            throw cl::EConvertError("Invalid property value: Integers takes a list of integers");
        Clear();
        for (const std::string& item : value.items) Add(cl::StrToInt(item));
    } else {
        return false;
    }
    return true;
}

std::vector<std::pair<std::string, cl::TValue>> TMwIntegerList::ExtraPropertiesToWrite(const cl::TPersistent* ancestor) const {
    std::vector<std::pair<std::string, cl::TValue>> properties;
    if (min_ != 0) properties.emplace_back("Min", cl::TValue::Int(min_));
    if (max_ != 0) properties.emplace_back("Max", cl::TValue::Int(max_));
    bool writeIntegers = Count() > 0;
    if (ancestor) {
        const auto* ancestorList = dynamic_cast<const TMwIntegerList*>(ancestor);
        writeIntegers = !ancestorList || !Equals(*ancestorList);
    }
    if (writeIntegers) {
        std::vector<std::string> texts;
        for (int32_t cell : cells_) texts.push_back(cl::IntToStr(cell));
        properties.emplace_back("Integers", cl::TValue::Strings(std::move(texts)));
    }
    return properties;
}
