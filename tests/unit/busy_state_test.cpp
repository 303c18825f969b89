#include "app/busy_state.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using app::BusyState;
using Input = BusyState::Input;
using Outcome = BusyState::Outcome;

TEST(BusyState, CommandsAreDroppedAndACloseWaitsForTheOutermostHandler) {
    int closes = 0;
    BusyState state([&] { ++closes; });
    EXPECT_EQ(state.Admit(Input::Command), Outcome::Allowed);
    EXPECT_EQ(state.Admit(Input::Close), Outcome::Allowed);
    {
        const auto command = state.BeginCommand();
        ASSERT_TRUE(command);
        {
            const BusyState::Hold nested(state);
            EXPECT_FALSE(state.BeginCommand());
            EXPECT_EQ(state.Admit(Input::Close), Outcome::Deferred);
        }
        EXPECT_EQ(closes, 0);
        EXPECT_EQ(state.Admit(Input::Command), Outcome::Dropped);
        EXPECT_EQ(state.Admit(Input::Close), Outcome::Deferred);
    }
    // Two closes asked for while busy are one.
    EXPECT_EQ(closes, 1);
    {
        const auto command = state.BeginCommand();
        EXPECT_TRUE(command);
    }
    EXPECT_EQ(closes, 1);
}

} // namespace
} // namespace kesto
