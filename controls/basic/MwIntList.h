#pragma once
// A list of 32-bit integers, optionally sorted (with a duplicates policy) and optionally held
// to a range. A component streams it as a nested object through three properties of its own:
// "Min", "Max" and "Integers" (a list of decimal texts, since form resources hold lists of
// strings).

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/Persistent.h"
#include "classlib/core/StringList.h"

CL_DECLARE_EXCEPTION(EOutOfRange, cl::Exception);

class TMwIntegerList : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    int Count() const { return static_cast<int>(cells_.size()); }
    // EListError "List index out of bounds (<index>)" outside 0..Count-1.
    int32_t Get(int index) const;
    // The range check, then the value at index.
    void Put(int index, int32_t value);

    bool Sorted() const { return sorted_; }
    // Turning sorting on sorts the list, so that searches can rely on the order.
    void SetSorted(bool sorted);
    cl::TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(cl::TDuplicates duplicates) { duplicates_ = duplicates; }
    // While Min equals Max every value is accepted; otherwise values outside Min..Max raise
    // EOutOfRange "Value must be within <Min>..<Max>".
    int32_t Min() const { return min_; }
    void SetMin(int32_t min) { min_ = min; }
    int32_t Max() const { return max_; }
    void SetMax(int32_t max) { max_ = max; }

    // Appends, or in a sorted list inserts at the sorted place following Duplicates (Ignore
    // returns the index of the value already there, Error raises EListError "Duplicates not
    // allowed"). Returns the value's index.
    int Add(int32_t value);
    void AddIntegers(const TMwIntegerList& other);
    // Clear, then the other list's values.
    void Assign(const TMwIntegerList& other);
    void Clear() { cells_.clear(); }
    void Delete(int index);
    void Exchange(int index1, int index2);
    // EListError "Operation not allowed on sorted list" on a sorted list; index may be Count.
    void Insert(int index, int32_t value);
    // Inserts at index without looking at the order (the range check still applies).
    void InsertCell(int index, int32_t value);
    void Move(int fromIndex, int toIndex);
    // Sorts ascending; a list flagged Sorted is left as it is.
    void Sort();

    // Binary search of a sorted list: true when found; index is the first equal value (with
    // Duplicates Accept; otherwise an equal one) or the insertion point.
    bool Find(int32_t value, int& index) const;
    // -1 when absent.
    int IndexOf(int32_t value) const;
    bool Equals(const TMwIntegerList& other) const { return cells_ == other.cells_; }

    // Reads "Min", "Max" and "Integers" (clears the list, then adds each value).
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;
    // The properties a form resource would hold for this list: "Min" and "Max" when not 0,
    // "Integers" when the list differs from an ancestor list, when the ancestor is something
    // else, or, without an ancestor, when it has values.
    std::vector<std::pair<std::string, cl::TValue>> ExtraPropertiesToWrite(const cl::TPersistent* ancestor) const;

private:
    void CheckIndex(int index) const;
    void CheckRange(int32_t value) const;

    std::vector<int32_t> cells_;
    bool sorted_ = false;
    cl::TDuplicates duplicates_ = cl::TDuplicates::Ignore;
    int32_t min_ = 0;
    int32_t max_ = 0;
};
