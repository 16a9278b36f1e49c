#pragma once
// String lists: TStrings is the interface every list of lines shares (a control's lines or
// items included); TStringList keeps its strings itself, sorted or in insertion order, each
// with an attached object or integer.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Object.h"

namespace cl {

class TStrings : public TObject {
public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& text);
    virtual TObject* GetObject(int index) const { return nullptr; }
    virtual void PutObject(int index, TObject* object) {}
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int IndexOf(const std::string& text) const;  // without case
    virtual void BeginUpdate() { ++updateCount_; }
    virtual void EndUpdate() { if (updateCount_ > 0) --updateCount_; }

    std::string operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }
    virtual int Add(const std::string& text);
    virtual int AddObject(const std::string& text, TObject* object);

    // The lines, each ended by CR LF. Setting splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);

    void Assign(const std::vector<std::string>& lines);
    void Assign(const TStrings& other);
    std::vector<std::string> ToVector() const;

    // EFOpenError / EFCreateError / EReadError when the file cannot be read or written.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

protected:
    bool Updating() const { return updateCount_ > 0; }

private:
    int updateCount_ = 0;
};

enum class TDuplicates { Accept, Ignore, Error };

class TStringList : public TStrings {
public:
    using TCompare = std::function<int(const TStringList& list, int index1, int index2)>;

    TStringList() = default;

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override { return At(index).text; }
    void Put(int index, const std::string& text) override;
    TObject* GetObject(int index) const override { return At(index).object; }
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    int IndexOf(const std::string& text) const override;
    void EndUpdate() override;
    // In a sorted list these insert at the sorted place (and follow Duplicates).
    int Add(const std::string& text) override { return InsertItem(Count(), Item{text, nullptr, 0}); }
    int AddObject(const std::string& text, TObject* object) override {
        return InsertItem(Count(), Item{text, object, 0});
    }

    // The integer attached instead of an object.
    intptr_t Integers(int index) const { return At(index).integer; }
    void SetIntegers(int index, intptr_t value);
    int AddInteger(const std::string& text, intptr_t value);
    int IndexOfObject(const TObject* object) const;

    // In a sorted list, finds text (or where it would go) by binary search.
    bool Find(const std::string& text, int& index) const;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);

    void Sort();
    void CustomSort(const TCompare& compare);
    void Exchange(int index1, int index2);

    TNotifyEvent OnChange;

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
        intptr_t integer = 0;
    };

    const Item& At(int index) const;
    Item& At(int index);
    int CompareStrings(const std::string& a, const std::string& b) const;
    int InsertItem(int index, Item item);
    void Changed();

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = TDuplicates::Ignore;
    bool changedWhileUpdating_ = false;
};

}  // namespace cl
