#include <gtest/gtest.h>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Exception.h"
#include "classlib/tests/TestClasses.h"

using namespace cltest;

namespace {

TEST(Component, OwnerFreesItsComponentsLastFirst) {
    g_log.clear();
    {
        TTestForm form;
        auto* a = new TWidget(&form);
        a->SetName("A");
        auto* b = new TWidget(&form);
        b->SetName("B");
        auto* c = new TWidget(a);  // owned by A, freed with it
        c->SetName("C");
        EXPECT_EQ(form.ComponentCount(), 2);
        EXPECT_EQ(form.FindComponent("b"), b);  // names compare without case
    }
    EXPECT_EQ(g_log, (std::vector<std::string>{"Destroy:B", "Destroy:A", "Destroy:C"}));
}

TEST(Component, DeletingAComponentRemovesItFromItsOwner) {
    TTestForm form;
    auto* a = new TWidget(&form);
    a->SetName("A");
    delete a;
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_EQ(form.FindComponent("A"), nullptr);
}

TEST(Component, LinksAreClearedWhenTheOtherComponentDies) {
    // Same owner: the owner passes the removal on to its components.
    TTestForm form;
    auto* a = new TWidget(&form);
    auto* b = new TWidget(&form);
    a->SetBuddy(b);
    delete b;
    EXPECT_EQ(a->Buddy(), nullptr);

    // Different owners: only free notification reaches the other side.
    TTestForm otherForm;
    auto* far = new TWidget(&otherForm);
    a->SetBuddy(far);
    delete far;
    EXPECT_EQ(a->Buddy(), nullptr);

    // The link holder dying first leaves the other side with no dangling registration.
    auto* holder = new TWidget(&otherForm);
    auto* target = new TWidget(&form);
    holder->SetBuddy(target);
    delete holder;
    delete target;  // would touch freed memory if holder were still registered
}

TEST(Component, NamesMustBeIdentifiersAndUniquePerOwner) {
    TTestForm form;
    auto* a = new TWidget(&form);
    auto* b = new TWidget(&form);
    a->SetName("Button1");
    EXPECT_THROW(b->SetName("BUTTON1"), cl::EComponentError);
    EXPECT_THROW(b->SetName("1st"), cl::EComponentError);
    EXPECT_THROW(b->SetName("has space"), cl::EComponentError);
    b->SetName("_ok2");
    EXPECT_EQ(b->Name(), "_ok2");
    TTestForm other;
    auto* c = new TWidget(&other);
    c->SetName("Button1");  // another owner may reuse the name
}

TEST(Event, ComparesEqualToTheSameHandlerOnly) {
    TTestForm form1, form2;
    const cl::TNotifyEvent a(&form1, &TTestForm::WidgetClick);
    EXPECT_EQ(a, cl::TNotifyEvent(&form1, &TTestForm::WidgetClick));
    EXPECT_NE(a, cl::TNotifyEvent(&form1, &TTestForm::OtherClick));
    EXPECT_NE(a, cl::TNotifyEvent(&form2, &TTestForm::WidgetClick));
    EXPECT_NE(a, cl::TNotifyEvent());
    EXPECT_FALSE(cl::TNotifyEvent());
    cl::TNotifyEvent()(nullptr);  // an unassigned event does nothing

    int calls = 0;
    const auto f = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++calls; });
    const auto copy = f;
    EXPECT_EQ(f, copy);
    EXPECT_NE(f, cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++calls; }));
    copy(nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(Event, AFunctionHandlerMayFreeTheObjectHoldingTheEvent) {
    auto* holder = new TWidget(nullptr);
    int calls = 0;
    holder->OnClick = cl::TNotifyEvent::FromFunction([&calls, holder](cl::TObject*) {
        delete holder;  // frees the event that is calling us
        ++calls;        // the closure must still be alive here
    });
    holder->OnClick(nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(Properties, SetByNameWhereTheClassHasIt) {
    RegisterTestClasses();
    TTestForm form;
    TWidget w(nullptr);
    EXPECT_TRUE(cl::SetPropertyByName(w, "Caption", cl::TValue::Str("Hi")));
    EXPECT_TRUE(cl::SetPropertyByName(w, "font.height", cl::TValue::Int(-13)));
    EXPECT_TRUE(cl::SetPropertyByName(w, "Shade", cl::TValue::Ident("shMedium")));
    EXPECT_TRUE(cl::SetPropertyByName(w, "Color", cl::TValue::Ident("clBtnFace")));
    EXPECT_FALSE(cl::SetPropertyByName(w, "NoSuch", cl::TValue::Int(1)));
    EXPECT_FALSE(cl::SetPropertyByName(w, "Caption.Inner", cl::TValue::Int(1)));
    EXPECT_FALSE(cl::SetPropertyByName(form, "Caption", cl::TValue::Str("x")));  // TTestForm has none
    EXPECT_THROW(cl::SetPropertyByName(w, "Count", cl::TValue::Str("x")), cl::EConvertError);
    EXPECT_EQ(w.Caption(), "Hi");
    EXPECT_EQ(w.Font()->Height(), -13);
    EXPECT_EQ(w.Shade(), TShade::Medium);
    EXPECT_EQ(cl::GetPropertyByName(w, "Font.Height").integer, -13);
    EXPECT_EQ(static_cast<uint32_t>(w.Color()), 0xFF00000Fu);
}

}  // namespace
