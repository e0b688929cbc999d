#include "progress/pacelightticker.h"

#include <gtest/gtest.h>

namespace {

TEST(PacelightTicker, BarSweepsEveryTenTicksAndQuitsOnTick201)
{
    const struct {
        int tick;
        int value;
        bool quit;
    } expected[] = {
        {1, 10, false},  {2, 20, false},  {9, 90, false},   {10, 100, false}, {11, 10, false},
        {20, 100, false}, {21, 10, false}, {200, 100, false}, {201, 10, true},  {202, 20, true},
    };
    PacelightTicker ticker;
    EXPECT_EQ(ticker.value(), 0);
    int done = 0;
    for (const auto &e : expected) {
        PacelightTicker::Tick tick;
        while (done < e.tick) {
            tick = ticker.tick();
            ++done;
            // Nothing before tick 201 may ask to quit.
            if (done <= PacelightTicker::LastTick) {
                ASSERT_FALSE(tick.quit) << "tick " << done;
            }
        }
        EXPECT_EQ(tick.value, e.value) << "tick " << e.tick;
        EXPECT_EQ(tick.quit, e.quit) << "tick " << e.tick;
        EXPECT_EQ(ticker.ticks(), e.tick);
    }
}

} // namespace
