#include "core/panel/timer_gate.h"

#include <gtest/gtest.h>

namespace {

TEST(TimerGate, OpensOnlyWhenTheLastInteractionHasEnded)
{
    TimerGate gate;
    EXPECT_TRUE(gate.IsOpen());
    {
        ScopedTimerGate dialog(gate);
        EXPECT_FALSE(gate.IsOpen());
        {
            ScopedTimerGate menu(gate);  // a menu opened over the dialog
        }
        EXPECT_FALSE(gate.IsOpen()) << "the menu closed while the dialog is still open";
    }
    EXPECT_TRUE(gate.IsOpen());
    // An open with nothing closed is not saved up for later.
    gate.Move(true);
    gate.Move(false);
    EXPECT_FALSE(gate.IsOpen());
    gate.Move(true);
    EXPECT_TRUE(gate.IsOpen());
}

}  // namespace
