#include "engine/TableGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TEST(TableGuard, RunsAtOnceWhenFreeAndQueuesWhileHeld) {
    engine::TableGuard guard;
    std::string order;
    guard.runExclusive([&] {
        order += "run<";
        EXPECT_TRUE(guard.isBusy());
        guard.runExclusive([&] { order += "tool1 "; });
        guard.runExclusive([&] {
            order += "tool2 ";
            guard.runExclusive([&] { order += "tool3 "; });
        });
        EXPECT_EQ(guard.waitingCount(), 2u);
        order += ">run ";
    });
    EXPECT_EQ(order, "run<>run tool1 tool2 tool3 ");
    EXPECT_FALSE(guard.isBusy());
    EXPECT_EQ(guard.waitingCount(), 0u);
}

TEST(TableGuard, AFailingOperationFreesTheTable) {
    engine::TableGuard guard;
    EXPECT_THROW(guard.runExclusive([] { throw std::runtime_error("x"); }), std::runtime_error);
    EXPECT_FALSE(guard.isBusy());
    bool ran = false;
    guard.runExclusive([&] { ran = true; });
    EXPECT_TRUE(ran);
}

}  // namespace
