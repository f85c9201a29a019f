#include "mission_fixture.h"
#include <ostream>

namespace velmo::test {
namespace {

struct TickCase {
    std::uint32_t start;
    int ticks;
};

[[maybe_unused]] void PrintTo(const TickCase& c, std::ostream* os)
{
    *os << "state " << c.start << ", ticks " << c.ticks;
}

class Mission1 : public MissionFixture, public ::testing::WithParamInterface<TickCase> { };

// The count is what the last tick left; each circle takes x, y and radius.
TEST_P(Mission1, draws_the_count_of_the_last_tick)
{
    const auto [start, ticks] = GetParam();
    w.set_rng_state(start);
    w.advance(2 * ticks);
    const std::uint32_t last_tick = advance_state(start, ticks);
    const int count = floor_r(last_tick, 201) + 100;
    ASSERT_TRUE(w.click("Cmdstart"));
    EXPECT_EQ(w.state().rightanswer, count);
    EXPECT_EQ(w.rng_state(), advance_state(last_tick, 3 * count));
}

INSTANTIATE_TEST_SUITE_P(KnownStates, Mission1,
    ::testing::Values(TickCase{327680, 1}, TickCase{327680, 37}, TickCase{9999, 500},
        TickCase{state_before(0), 1},          // the least count, 100
        TickCase{state_before(16777215), 1})); // the most, 300

class Mission3 : public MissionFixture, public ::testing::WithParamInterface<std::uint32_t> { };

TEST_P(Mission3, draws_the_tmr1_count_of_boxes_four_draws_each)
{
    w.click("Cmdstart");
    w.click("cmdready");
    w.click("cmdcont");
    w.game().state.mission = 2;
    w.set_rng_state(GetParam());
    w.advance(2); // the one Tmr1 tick before the wait ends
    const std::uint32_t tick = next_state(GetParam());
    ASSERT_TRUE(w.tick("Tmr2"));
    const int count = floor_r(tick, 201) + 100;
    EXPECT_EQ(w.state().rightanswer, count);
    EXPECT_EQ(w.rng_state(), advance_state(tick, 4 * count));
}

INSTANTIATE_TEST_SUITE_P(KnownStates, Mission3, ::testing::Values(327680u, 1u, 16777215u, 5555555u));

} // namespace
} // namespace velmo::test
