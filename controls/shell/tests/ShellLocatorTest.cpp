// The shell locator: change events, assignment between lists and special folders, and its
// "Pidl" property in streams and form resources.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Component.h"
#include "classlib/core/Exception.h"
#include "classlib/core/FormReader.h"
#include "classlib/core/TextUtils.h"
#include "controls/shell/MwShellLocator.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/tests/PidlBytes.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

// A component holding a locator as its "Root", as the shell tree does.
class TLocatorHolder : public cl::TComponent {
    CL_CLASS_INFO()
public:
    TLocatorHolder() : cl::TComponent(nullptr) {}
    TMwShellLocator* Root() { return &root_; }

private:
    TMwShellLocator root_;
};

const cl::TClassInfo& TLocatorHolder::StaticClass() {
    static const auto info = cl::TClassBuilder<TLocatorHolder>("TLocatorHolder", cl::TComponent::StaticClass())
                                 .Object("Root", &TLocatorHolder::Root)
                                 .Build();
    return *info;
}

class ShellLocatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ut_test::MakeFolder(first);
        ut_test::MakeFolder(second);
        locator.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ++changes; });
    }

    static std::unique_ptr<TMwShellLocator> Special(uint8_t folderId) {
        auto special = std::make_unique<TMwShellLocator>();
        cl::TMemoryStream stream(std::vector<uint8_t>{1, folderId});
        special->ReadPidl(stream);
        return special;
    }
    static std::vector<uint8_t> Written(const TMwShellLocator& source) {
        cl::TMemoryStream stream;
        source.WritePidl(stream);
        return stream.Bytes();
    }

    ut_test::ScratchFolder scratch;
    const std::string first = scratch / "first";
    const std::string second = scratch / "second";
    TMwShellLocator locator;
    int changes = 0;
};

TEST_F(ShellLocatorTest, SettingAListFiresOnlyOnAChange) {
    locator.SetIdList(test::PidlOfPath(first).get());
    EXPECT_EQ(changes, 1);
    locator.SetIdList(test::PidlOfPath(first).get());  // an equal list, parsed again
    EXPECT_EQ(changes, 1);
    locator.SetIdList(locator.GetIdList());  // its own list
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(cl::SameText(locator.PathName(), first));
    locator.SetIdList(test::PidlOfPath(second).get());
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(cl::SameText(locator.PathName(), second));

    locator.ClearIdList();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(locator.GetIdList(), nullptr);
    locator.SetIdList(mw::EmptyPidl().get());  // the desktop again
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(locator.GetIdList(), nullptr);
    EXPECT_EQ(locator.FolderId(), mw::kNoSpecialFolder);
}

TEST_F(ShellLocatorTest, AssigningSpecialFolders) {
    const auto drives = Special(CSIDL_DRIVES);
    const auto documents = Special(CSIDL_PERSONAL);
    locator.Assign(drives.get());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(locator.Kind(), TMwLocatorKind::lkSpecialFolder);
    locator.Assign(Special(CSIDL_DRIVES).get());  // the same folder
    EXPECT_EQ(changes, 1);
    locator.Assign(documents.get());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(locator.FolderId(), CSIDL_PERSONAL);

    // Located when first asked for.
    locator.Assign(drives.get());
    mw::TPidlPtr expected;
    ASSERT_HRESULT_SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_DRIVES, expected));
    EXPECT_EQ(mw::ComparePidls(locator.GetIdList(), expected.get()), 0);
    EXPECT_EQ(locator.PathName(), "");

    // A list replaces the special folder; nothing stands for the desktop.
    locator.SetIdList(test::PidlOfPath(first).get());
    EXPECT_EQ(locator.Kind(), TMwLocatorKind::lkIdList);
    const int before = changes;
    locator.Assign(drives.get());
    locator.Assign(nullptr);
    EXPECT_EQ(changes, before + 2);
    EXPECT_EQ(locator.Kind(), TMwLocatorKind::lkIdList);
    EXPECT_EQ(locator.GetIdList(), nullptr);
}

TEST_F(ShellLocatorTest, AssigningListsCopiesThem) {
    auto source = std::make_unique<TMwShellLocator>();
    source->SetIdList(test::PidlOfPath(first).get());
    locator.Assign(source.get());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(locator.IsSameLocation(*source));
    locator.Assign(source.get());
    EXPECT_EQ(changes, 1);
    source.reset();
    EXPECT_TRUE(cl::SameText(locator.PathName(), first));
    EXPECT_TRUE(locator.IsSameLocation(locator));
    EXPECT_FALSE(locator.IsSameLocation(*Special(CSIDL_DRIVES)));
}

TEST_F(ShellLocatorTest, PidlPropertyRoundTrips) {
    EXPECT_FALSE(locator.StoresPidl());  // the desktop is not stored
    EXPECT_TRUE(Special(5)->StoresPidl());
    EXPECT_EQ(Written(*Special(5)), (std::vector<uint8_t>{1, 5}));

    locator.SetIdList(test::PidlOfPath(second).get());
    ASSERT_TRUE(locator.StoresPidl());
    TMwShellLocator copy;
    cl::TMemoryStream stream(Written(locator));
    copy.ReadPidl(stream);
    EXPECT_TRUE(copy.IsSameLocation(locator));
    EXPECT_TRUE(cl::SameText(copy.PathName(), second));

    // A damaged record changes nothing.
    std::vector<uint8_t> damaged = Written(locator);
    damaged.pop_back();
    cl::TMemoryStream cut(damaged);
    EXPECT_THROW(copy.ReadPidl(cut), cl::EReadError);
    EXPECT_TRUE(cl::SameText(copy.PathName(), second));
}

TEST_F(ShellLocatorTest, FormResourcesSetThePidlProperty) {
    TLocatorHolder holder;
    cl::ReadFormResource(holder, "object Holder: TLocatorHolder\n  Root.Pidl = {0111}\nend\n", "Holder");
    EXPECT_EQ(holder.Root()->Kind(), TMwLocatorKind::lkSpecialFolder);
    EXPECT_EQ(holder.Root()->FolderId(), 0x11);

    TLocatorHolder broken;
    EXPECT_THROW(cl::ReadFormResource(broken, "object Holder: TLocatorHolder\n  Root.Pidl = {00 09000000 0500}\nend\n", "Holder"),
                 cl::EFormReadError);
    EXPECT_THROW(cl::ReadFormResource(broken, "object Holder: TLocatorHolder\n  Root.Pidl = 3\nend\n", "Holder"),
                 cl::EFormReadError);
}

}  // namespace
