// The writer thread's help: it runs while the target's open still waits, and again after a
// nudge once it had found nothing to do.

#include <gtest/gtest.h>

#include <future>

#include "app/archive/BlockWriter.h"
#include "app/archive/tests/TestFiles.h"
#include "classlib/core/Stream.h"

namespace quillon::test {
namespace {

TEST(BlockWriter, HelpsWhileTheOpenWaitsAndAfterANudge) {
    // The open goes on only once help has run after the nudge; were help to wait for the open,
    // or a nudge not to wake the writer, this would never finish.
    std::promise<void> firstHelp, helpAfterNudge;
    std::shared_future<void> released = helpAfterNudge.get_future().share();
    cl::TMemoryStream target;
    int calls = 0;  // help's, on the writer thread
    TBlockWriter writer([&]() -> cl::TStream& {
        released.wait();
        return target;
    });
    writer.Start([&] {
        ++calls;
        if (calls == 1) firstHelp.set_value();
        if (calls == 2) helpAfterNudge.set_value();
        return false;
    });
    firstHelp.get_future().wait();
    writer.Nudge();
    const std::vector<uint8_t> bytes = Pattern(100);
    writer.Finish(bytes.data(), bytes.size());
    EXPECT_EQ(target.Bytes(), bytes);
}

}  // namespace
}  // namespace quillon::test
