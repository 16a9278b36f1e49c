// The integer list: sorted and unsorted adds with their duplicates policy, the value range,
// index errors, and its three streamed properties, also read from a form resource.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Component.h"
#include "classlib/core/FormReader.h"
#include "controls/basic/MwIntList.h"

namespace {

std::vector<int32_t> Values(const TMwIntegerList& list) {
    std::vector<int32_t> values;
    for (int i = 0; i < list.Count(); ++i) values.push_back(list.Get(i));
    return values;
}

template <class E>
std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "(nothing raised)";
}

TEST(IntegerListTest, UnsortedAddAppendsAndSortOrdersInPlace) {
    TMwIntegerList list;
    EXPECT_EQ(list.Add(5), 0);
    EXPECT_EQ(list.Add(-2), 1);
    EXPECT_EQ(list.Add(5), 2);
    list.Add(3);
    EXPECT_EQ(list.IndexOf(5), 0);
    EXPECT_EQ(list.IndexOf(4), -1);
    list.Sort();
    EXPECT_EQ(Values(list), (std::vector<int32_t>{-2, 3, 5, 5}));
}

TEST(IntegerListTest, SortedAddFollowsTheDuplicatesPolicy) {
    struct Case {
        cl::TDuplicates duplicates;
        int expectedIndex;
        std::vector<int32_t> after;
        std::string error;
    };
    const Case cases[] = {
        {cl::TDuplicates::Ignore, 1, {2, 4, 9}, ""},
        {cl::TDuplicates::Accept, 1, {2, 4, 4, 9}, ""},
        {cl::TDuplicates::Error, -1, {2, 4, 9}, "Duplicates not allowed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error.empty() ? std::to_string(c.expectedIndex) : c.error);
        TMwIntegerList list;
        list.SetDuplicates(c.duplicates);
        list.SetSorted(true);
        for (int32_t v : {9, 2, 4}) list.Add(v);
        if (c.error.empty()) EXPECT_EQ(list.Add(4), c.expectedIndex);
        else EXPECT_EQ(MessageOf<cl::EListError>([&] { list.Add(4); }), c.error);
        EXPECT_EQ(Values(list), c.after);
    }
}

TEST(IntegerListTest, SearchesOfASortedListFindTheFirstOfEqualValues) {
    TMwIntegerList list;
    list.SetDuplicates(cl::TDuplicates::Accept);
    list.SetSorted(true);
    for (int32_t v : {5, 1, 5, 5, 8}) list.Add(v);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 5, 5, 5, 8}));
    EXPECT_EQ(list.IndexOf(5), 1);
    int index = -1;
    EXPECT_FALSE(list.Find(6, index));
    EXPECT_EQ(index, 4) << "the insertion point";
    EXPECT_EQ(list.IndexOf(0), -1);
}

TEST(IntegerListTest, SortingIsSwitchedOnWithTheFlagAndNotRepeatedWhileItIsSet) {
    TMwIntegerList list;
    for (int32_t v : {3, 1, 2}) list.Add(v);
    list.SetSorted(true);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 2, 3}));
    list.Put(0, 7);  // a list flagged sorted is left to its owner
    list.Sort();
    EXPECT_EQ(Values(list), (std::vector<int32_t>{7, 2, 3}));
}

TEST(IntegerListTest, ValuesOutsideMinMaxAreRefusedOnlyWhileTheyDiffer) {
    TMwIntegerList list;
    list.Add(-100000);  // Min = Max = 0: anything goes
    list.SetMin(1);
    list.SetMax(10);
    list.Add(10);
    EXPECT_EQ(MessageOf<EOutOfRange>([&] { list.Add(11); }), "Value must be within 1..10");
    EXPECT_EQ(MessageOf<EOutOfRange>([&] { list.Put(0, 0); }), "Value must be within 1..10");
    EXPECT_EQ(MessageOf<EOutOfRange>([&] { list.Insert(0, -5); }), "Value must be within 1..10");
    EXPECT_EQ(Values(list), (std::vector<int32_t>{-100000, 10}));
}

TEST(IntegerListTest, IndexErrorsNameTheIndex) {
    TMwIntegerList list;
    for (int32_t v : {1, 2, 3}) list.Add(v);
    list.Insert(3, 4);  // at Count: appends
    EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 2, 3, 4}));
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"List index out of bounds (5)", [&] { list.Insert(5, 0); }},
        {"List index out of bounds (-1)", [&] { list.Insert(-1, 0); }},
        {"List index out of bounds (4)", [&] { list.Get(4); }},
        {"List index out of bounds (4)", [&] { list.Delete(4); }},
        {"List index out of bounds (-1)", [&] { list.Exchange(0, -1); }},
        {"List index out of bounds (9)", [&] { list.Move(9, 0); }},
        {"List index out of bounds (4)", [&] { list.Move(0, 4); }},
    };
    for (const auto& f : failures) EXPECT_EQ(MessageOf<cl::EListError>(f.second), f.first);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 2, 3, 4})) << "failed operations change nothing";

    list.SetSorted(true);
    EXPECT_EQ(MessageOf<cl::EListError>([&] { list.Insert(0, 0); }), "Operation not allowed on sorted list");
}

TEST(IntegerListTest, CellsMoveExchangeAndGo) {
    TMwIntegerList list;
    for (int32_t v : {10, 20, 30, 40}) list.Add(v);
    list.Move(0, 2);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{20, 30, 10, 40}));
    list.Exchange(0, 3);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{40, 30, 10, 20}));
    list.Delete(1);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{40, 10, 20}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(IntegerListTest, AssignAndAddIntegersCopyValuesEvenFromTheListItself) {
    TMwIntegerList list, other;
    for (int32_t v : {1, 2}) list.Add(v);
    for (int32_t v : {7, 8, 9}) other.Add(v);
    EXPECT_FALSE(list.Equals(other));
    list.Assign(other);
    EXPECT_TRUE(list.Equals(other));
    list.Assign(list);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{7, 8, 9}));
    list.AddIntegers(list);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{7, 8, 9, 7, 8, 9}));

    // Adding goes through the target's own rules.
    TMwIntegerList sorted;
    sorted.SetSorted(true);
    sorted.AddIntegers(list);
    EXPECT_EQ(Values(sorted), (std::vector<int32_t>{7, 8, 9}));
}

TEST(IntegerListTest, StreamedPropertiesAreWrittenOnlyWhenTheyCarrySomething) {
    TMwIntegerList list;
    EXPECT_TRUE(list.ExtraPropertiesToWrite(nullptr).empty());
    list.SetMax(50);
    list.Add(3);
    list.Add(40);

    TMwIntegerList same, different;
    same.Assign(list);
    different.Add(3);
    cl::TPersistent notAList;
    struct Case {
        const char* name;
        const cl::TPersistent* ancestor;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"no ancestor", nullptr, {"Max", "Integers"}},
        {"equal ancestor", &same, {"Max"}},
        {"different ancestor", &different, {"Max", "Integers"}},
        {"ancestor of another class", &notAList, {"Max", "Integers"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names;
        for (const auto& property : list.ExtraPropertiesToWrite(c.ancestor)) names.push_back(property.first);
        EXPECT_EQ(names, c.names) << c.name;
    }

    // What is written reads back into an equal list.
    TMwIntegerList copy;
    for (const auto& property : list.ExtraPropertiesToWrite(nullptr)) EXPECT_TRUE(copy.ReadExtraProperty(property.first, property.second));
    EXPECT_TRUE(copy.Equals(list));
    EXPECT_EQ(copy.Max(), 50);
    EXPECT_EQ(copy.Min(), 0);
    EXPECT_FALSE(copy.ReadExtraProperty("Count", cl::TValue::Int(1)));
}

// A component that holds an integer list, as a form resource would set it.
class THolder : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit THolder(cl::TComponent* owner) : cl::TComponent(owner) {}
    TMwIntegerList* Values() { return &values_; }

private:
    TMwIntegerList values_;
};

const cl::TClassInfo& THolder::StaticClass() {
    static const auto info = cl::TClassBuilder<THolder>("THolder", cl::TComponent::StaticClass()).Object("Values", &THolder::Values).Build();
    return *info;
}

TEST(IntegerListTest, FormResourceFillsTheListThroughItsOwnProperties) {
    THolder holder(nullptr);
    holder.Values()->Add(99);  // replaced by what the resource holds
    cl::ReadFormResource(holder,
                         "object Holder: THolder\n"
                         "  Values.Min = -5\n"
                         "  Values.Max = 5\n"
                         "  Values.Integers = (\"3\" \"-5\" \"0\")\n"
                         "end\n",
                         "THOLDER");
    EXPECT_EQ(Values(*holder.Values()), (std::vector<int32_t>{3, -5, 0}));
    EXPECT_EQ(holder.Values()->Min(), -5);

    const std::pair<const char*, const char*> bad[] = {
        {"  Values.Max = 2\n  Values.Min = 1\n  Values.Integers = (\"3\")\n", "Value must be within 1..2"},
        {"  Values.Integers = (\"x\")\n", "'x' is not a valid integer value"},
        {"  Values.Min = \"1\"\n", "Min takes an integer"},
    };
    for (const auto& b : bad) {
        THolder other(nullptr);
        const std::string message = MessageOf<cl::EFormReadError>(
            [&] { cl::ReadFormResource(other, std::string("object Holder: THolder\n") + b.first + "end\n", "THOLDER"); });
        EXPECT_NE(message.find(b.second), std::string::npos) << message;
    }
}

}  // namespace
