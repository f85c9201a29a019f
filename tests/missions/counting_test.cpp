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
TEST_P(Mission1, draws_the_count_of_the_last_tick_inside_the_surface)
{
    const auto [start, ticks] = GetParam();
    w.set_rng_state(start);
    w.advance(2 * ticks);
    const std::uint32_t last_tick = advance_state(start, ticks);
    const int count = floor_r(last_tick, 201) + 100;
    ASSERT_TRUE(w.click("Cmdstart"));
    EXPECT_EQ(w.state().rightanswer, count);
    EXPECT_EQ(w.rng_state(), advance_state(last_tick, 3 * count));
    const Extent e = lit_extent();
    EXPECT_GE(e.left, 1);
    EXPECT_LE(e.right, 518);
    EXPECT_GE(e.top, 1);
    EXPECT_LE(e.bottom, 218);
    EXPECT_GT(e.lit, 0);
    EXPECT_EQ(w.label("Lblask").caption(), "Mission 1: How many circles is in the box (100-300)?");
    EXPECT_EQ(w.label("Lblask").fore(), colours::cyan);
}

INSTANTIATE_TEST_SUITE_P(KnownStates, Mission1,
    ::testing::Values(TickCase{327680, 1}, TickCase{327680, 37}, TickCase{9999, 500},
        TickCase{state_before(0), 1},          // the least count, 100
        TickCase{state_before(16777215), 1})); // the most, 300

TEST_F(MissionFixture, mission_1_counts_100_and_300_at_the_extremes)
{
    w.set_rng_state(state_before(16777215));
    w.advance(2);
    w.click("Cmdstart");
    EXPECT_EQ(w.state().rightanswer, 300);
    w.click("cmdready");
    EXPECT_EQ(w.label("lblright").caption(), " 300");
}

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
    expect_drawn_within(0, 518, 218);
    EXPECT_EQ(w.label("Lblask").caption(), "Mission 3: How many boxes there is (100-300)?");
}

INSTANTIATE_TEST_SUITE_P(KnownStates, Mission3, ::testing::Values(327680u, 1u, 16777215u, 5555555u));

class Mission4 : public MissionFixture, public ::testing::WithParamInterface<std::uint32_t> { };

// Its own count first, overwriting Tmr1's; then x and y per dot.
TEST_P(Mission4, draws_its_own_count_of_dots_two_draws_each)
{
    begin_with_first(4, GetParam());
    const int count = floor_r(GetParam(), 601) + 200;
    EXPECT_EQ(w.state().rightanswer, count);
    EXPECT_EQ(w.rng_state(), advance_state(GetParam(), 2 * count));
    expect_drawn_within(0, 519, 224);
    EXPECT_LE(lit_extent().lit, count); // coinciding dots light one pixel
    EXPECT_EQ(w.label("Lblcount1").caption(), " 500");
}

INSTANTIATE_TEST_SUITE_P(KnownStates, Mission4, ::testing::Values(0u, 16777215u, 327680u, 8388608u));

class Mission9 : public MissionFixture, public ::testing::WithParamInterface<std::uint32_t> { };

// A coin per shape, then four draws for a box or three for a circle.
TEST_P(Mission9, draws_its_count_of_boxes_and_circles)
{
    begin_with_first(9, GetParam());
    const int count = floor_r(GetParam(), 401) + 100;
    std::uint32_t s = GetParam();
    for (int i = 0; i < count; ++i) {
        s = next_state(s);
        s = advance_state(s, floor_r(s, 2) == 0 ? 4 : 3);
    }
    EXPECT_EQ(w.state().rightanswer, count);
    EXPECT_EQ(w.rng_state(), s);
    expect_drawn_within(0, 518, 218);
    EXPECT_EQ(w.label("Lblcount1").caption(), " 300");
    EXPECT_EQ(w.label("Lblask").caption(), "Mission 9: How many boxes and circles there is (100-500)?");
}

INSTANTIATE_TEST_SUITE_P(KnownStates, Mission9, ::testing::Values(0u, 16777215u, 327680u, 12345678u));

} // namespace
} // namespace velmo::test
