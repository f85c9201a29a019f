#pragma once

#include "support.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velmo::test {

// floor(R * n) for the value a state s gives, as the runtime defines it.
inline int floor_r(std::uint32_t s, int n) { return static_cast<int>(static_cast<std::uint64_t>(s) * n >> 24); }
// The smallest state whose value gives floor(R * n) == k.
inline std::uint32_t state_for(int k, int n)
{
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(k) * 16777216 + n - 1) / n);
}

struct MissionFixture : ::testing::Test {
    Frmvelmo w;

    // Brings the window to the wait before mission n and starts mission n with
    // its first draw taken from the state after `start` (Tmr1 takes nothing).
    void begin(int n, std::uint32_t start)
    {
        w.click("Cmdstart");
        w.click("cmdready");
        w.click("cmdcont");
        w.game().state.mission = static_cast<Integer>(n - 1);
        w.set_rng_state(start);
        ASSERT_TRUE(w.tick("Tmr2"));
        ASSERT_EQ(w.state().mission, n);
    }
    // The same, choosing the state that the first draw produces.
    void begin_with_first(int n, std::uint32_t first_draw_state) { begin(n, state_before(first_draw_state)); }
};

} // namespace velmo::test
