#include "classlib/core/StringList.h"

#include <algorithm>
#include <cstring>

#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"

namespace cl {

// ---- TStrings ----

void TStrings::Put(int index, const std::string& text) {
    TObject* object = GetObject(index);
    Delete(index);
    Insert(index, text);
    PutObject(index, object);
}

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Get(i), text)) return i;
    return -1;
}

int TStrings::Add(const std::string& text) {
    const int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::AddObject(const std::string& text, TObject* object) {
    const int index = Add(text);
    PutObject(index, object);
    return index;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) text.append(Get(i)).append("\r\n");
    return text;
}

void TStrings::SetText(const std::string& text) {
    BeginUpdate();
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        Add(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    EndUpdate();
}

void TStrings::Assign(const std::vector<std::string>& lines) {
    BeginUpdate();
    Clear();
    for (const auto& line : lines) Add(line);
    EndUpdate();
}

void TStrings::Assign(const TStrings& other) {
    if (&other == this) return;
    BeginUpdate();
    Clear();
    for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
    EndUpdate();
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i) lines.push_back(Get(i));
    return lines;
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TMemoryStream stream;
    stream.LoadFromFile(fileName);
    const auto& bytes = stream.Bytes();
    SetText(std::string(bytes.begin(), bytes.end()));
}

void TStrings::SaveToFile(const std::string& fileName) const {
    const std::string text = Text();
    TFileStream file(fileName, FileMode::Create);
    file.WriteBuffer(text.data(), text.size());
}

// ---- TStringList ----

const TStringList::Item& TStringList::At(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

TStringList::Item& TStringList::At(int index) {
    return const_cast<Item&>(static_cast<const TStringList&>(*this).At(index));
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
    if (caseSensitive_) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    return CompareText(a, b);
}

void TStringList::Changed() {
    if (Updating()) changedWhileUpdating_ = true;
    else OnChange(this);
}

void TStringList::EndUpdate() {
    TStrings::EndUpdate();
    if (!Updating() && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        OnChange(this);
    }
}

void TStringList::Put(int index, const std::string& text) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    At(index).text = text;
    Changed();
}

void TStringList::PutObject(int index, TObject* object) {
    At(index).object = object;
    Changed();
}

void TStringList::SetIntegers(int index, intptr_t value) {
    At(index).integer = value;
    Changed();
}

int TStringList::InsertItem(int index, Item item) {
    if (sorted_) {
        int at = 0;
        if (Find(item.text, at)) {
            if (duplicates_ == TDuplicates::Ignore) return at;
            if (duplicates_ == TDuplicates::Error) throw EListError("String list does not allow duplicates");
        }
        index = at;
    } else if (index < 0 || index > Count()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    items_.insert(items_.begin() + index, std::move(item));
    Changed();
    return index;
}

void TStringList::Insert(int index, const std::string& text) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    InsertItem(index, Item{text, nullptr, 0});
}

int TStringList::AddInteger(const std::string& text, intptr_t value) {
    return InsertItem(Count(), Item{text, nullptr, value});
}

void TStringList::Delete(int index) {
    At(index);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

int TStringList::IndexOf(const std::string& text) const {
    if (!sorted_) {
        for (int i = 0; i < Count(); ++i)
            if (CompareStrings(items_[static_cast<size_t>(i)].text, text) == 0) return i;
        return -1;
    }
    int index = 0;
    return Find(text, index) ? index : -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].object == object) return i;
    return -1;
}

bool TStringList::Find(const std::string& text, int& index) const {
    // Lower bound, so that with duplicates the first equal string is found.
    int low = 0, high = Count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (CompareStrings(items_[static_cast<size_t>(mid)].text, text) < 0) low = mid + 1;
        else high = mid;
    }
    index = low;
    return low < Count() && CompareStrings(items_[static_cast<size_t>(low)].text, text) == 0;
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive == caseSensitive_) return;
    caseSensitive_ = caseSensitive;
    if (sorted_) Sort();
}

void TStringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return CompareStrings(a.text, b.text) < 0; });
    Changed();
}

void TStringList::CustomSort(const TCompare& compare) {
    // Sort a permutation so that the compare function can look at the list by index.
    std::vector<int> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order) sorted.push_back(std::move(items_[static_cast<size_t>(i)]));
    items_ = std::move(sorted);
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    std::swap(At(index1), At(index2));
    Changed();
}

}  // namespace cl
