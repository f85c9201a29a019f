#include "support.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

using test::Phase;

#define EXPECT_PHASE(w, phase, mission)                                                                                \
    do {                                                                                                               \
        EXPECT_EQ(test::visible_now(w), test::visible_in(phase, mission));                                             \
        EXPECT_EQ(test::running_now(w), test::running_in(phase));                                                      \
    } while (0)

TEST(Phases, start_up_shows_the_title_with_tmr1_running)
{
    Frmvelmo w;
    EXPECT_PHASE(w, Phase::title, 0);
    EXPECT_EQ(w.state().mission, 0);
    EXPECT_EQ(w.timer("Tmr1").interval_ms(), 2);
    EXPECT_EQ(w.timer("Tmr2").interval_ms(), 3000);
}

// One round, step by step: title, Start, steps, Ready, Continue, the wait,
// and the tick that begins mission 2.
TEST(Phases, one_round_follows_the_phase_tables_after_every_handler)
{
    Frmvelmo w;
    w.advance(40);
    EXPECT_PHASE(w, Phase::title, 0);

    ASSERT_TRUE(w.click("Cmdstart"));
    EXPECT_PHASE(w, Phase::answering, 1);
    EXPECT_EQ(w.picture("Pic1").bounds(), (Bounds{16, 320, 521, 225}));
    EXPECT_EQ(w.state().mission, 1);
    EXPECT_EQ(w.label("Lblcount1").caption(), " 200");

    w.advance(1000); // Tmr1 is stopped: nothing changes the count
    const auto count = w.state().rightanswer;
    // +1, +10, then +100 refused at 211 (its guard is < 201), then -1.
    for (int i : {1, 3, 5, 0})
        ASSERT_TRUE(w.click("cmdchange", i));
    EXPECT_EQ(w.state().answer, 210);
    EXPECT_EQ(w.label("Lblcount1").caption(), " 210");
    EXPECT_EQ(w.state().rightanswer, count);
    EXPECT_PHASE(w, Phase::answering, 1);

    ASSERT_TRUE(w.click("cmdready"));
    EXPECT_PHASE(w, Phase::result, 1);
    EXPECT_EQ(w.label("Lblscore2", 10).caption(), " 0");
    EXPECT_EQ(w.label("lblright").caption(), number_text(count));

    ASSERT_TRUE(w.click("cmdcont"));
    EXPECT_PHASE(w, Phase::waiting, 1);
    w.advance(2999);
    EXPECT_PHASE(w, Phase::waiting, 1);
    EXPECT_EQ(w.state().mission, 1);
    w.advance(1);
    EXPECT_PHASE(w, Phase::answering, 2);
    EXPECT_EQ(w.state().mission, 2);
}

TEST(Phases, flow_buttons_take_one_click_per_phase_and_arrays_only_by_index)
{
    Frmvelmo w;
    EXPECT_TRUE(w.access_key('S')); // Alt+Shift+S as well as Alt+S
    EXPECT_EQ(w.state().mission, 1);
    EXPECT_FALSE(w.click("Cmdstart"));
    EXPECT_FALSE(w.click("cmdchange")); // an array takes clicks by Index only
    EXPECT_EQ(w.state().answer, 200);
    EXPECT_FALSE(w.click("cmdcont"));
    EXPECT_FALSE(w.click("Cmdnew"));
    EXPECT_TRUE(w.click("cmdready"));
    EXPECT_FALSE(w.click("cmdready"));
    EXPECT_FALSE(w.click("cmdchange", 0));
    EXPECT_TRUE(w.click("cmdcont"));
    EXPECT_FALSE(w.click("cmdcont"));
    w.game().state.mission = 9; // on to mission 10, where all eight steps show
    w.advance(3000);
    EXPECT_FALSE(w.click("cmdchange"));
    EXPECT_EQ(w.state().answer, 20000);
}

// Start before Tmr1 has ticked even once takes one draw as the tick would,
// so mission 1 still has a count of 100 to 300 and draws exactly that many.
TEST(Phases, start_before_the_first_tick_still_draws_a_proper_count)
{
    Frmvelmo w;
    ASSERT_TRUE(w.click("Cmdstart"));
    // The first value of the sequence gives 241 (the published 0.7055475).
    EXPECT_EQ(w.state().rightanswer, 241);
    EXPECT_EQ(w.rng_state(), test::advance_state(RandomGenerator::start_state, 1 + 3 * 241));
    ASSERT_TRUE(w.click("cmdready"));
    EXPECT_EQ(w.label("lblright").caption(), " 241");
}

// Mission 9 leaves its own count of up to 500 in rightanswer. A New game and
// Start before Tmr1 ticks again must not draw that many circles in a mission
// whose answers stop at 300: a fresh count is drawn as a tick would.
TEST(Phases, start_right_after_a_game_draws_a_fresh_count)
{
    Frmvelmo w;
    w.click("Cmdstart");
    for (int m = 1; m <= 7; ++m) {
        w.click("cmdready");
        w.click("cmdcont");
        w.advance(3000);
    }
    w.click("cmdready");
    w.click("cmdcont");
    w.advance(2999);
    w.set_rng_state(test::state_before(16777215)); // mission 9 draws 500 shapes
    ASSERT_TRUE(w.tick("Tmr2"));
    ASSERT_EQ(w.state().rightanswer, 500);
    w.click("cmdready");
    w.click("cmdcont");
    w.advance(3000);
    w.click("cmdready");
    w.click("Cmdnew");
    const auto before = w.rng_state();
    ASSERT_TRUE(w.click("Cmdstart")); // no time has passed since Ready
    const Long count = w.state().rightanswer;
    EXPECT_EQ(count, (static_cast<std::uint64_t>(test::next_state(before)) * 201 >> 24) + 100);
    EXPECT_EQ(w.rng_state(), test::advance_state(before, 1 + 3 * count));
}

TEST(Phases, new_game_restores_the_start_up_screen_and_clears_the_scores)
{
    Frmvelmo w;
    w.advance(10);
    w.click("Cmdstart");
    for (int m = 1; m <= 10; ++m) {
        w.click("cmdchange", 1);
        w.click("cmdready");
        if (m < 10) {
            w.click("cmdcont");
            w.advance(3000);
        }
    }
    EXPECT_PHASE(w, Phase::game_over, 10);
    ASSERT_TRUE(w.click("Cmdnew"));
    EXPECT_PHASE(w, Phase::title, 10);
    EXPECT_EQ(w.state().mission, 10);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(w.label("Lblscore2", i).caption(), " 0") << i;
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(w.state().scores[i], 0) << i;

    // New game leaves Tmr1 and the sequence running: the next game differs.
    const auto before = w.rng_state();
    w.advance(10);
    EXPECT_NE(w.rng_state(), before);
    ASSERT_TRUE(w.click("Cmdstart"));
    EXPECT_PHASE(w, Phase::answering, 1);
}

} // namespace
} // namespace velmo
