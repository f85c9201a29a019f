#include "game/answer_entry.h"
#include "support.h"

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

namespace velmo {
namespace {

using test::Phase;

// Plays a whole game, entering the given offset from the right answer in each
// mission (kept inside the mission's range), and checks the phase tables after
// every handler and each mission's points against 1000 (6000 in mission 10,
// never below 0) less the distance. Returns the total the window shows.
long play_game(Frmvelmo& w, const std::array<long, 10>& offset, unsigned think_ms)
{
    auto check = [&](Phase p) {
        EXPECT_EQ(test::visible_now(w), test::visible_in(p, w.state().mission)) << "mission " << w.state().mission;
        EXPECT_EQ(test::running_now(w), test::running_in(p)) << "mission " << w.state().mission;
    };
    long expected_total = 0;
    w.advance(think_ms);
    EXPECT_TRUE(w.click("Cmdstart"));
    for (int m = 1; m <= 10; ++m) {
        check(Phase::answering);
        const long right = test::right_answer_on_screen(w);
        const StepRule rule = *step_rule(m);
        test::enter(w, std::clamp(right + offset[m - 1], long{rule.low}, long{rule.high}));
        check(Phase::answering);
        const long distance = std::labs(w.state().answer - right);
        const long points = m == 10 ? std::max(0L, 6000 - distance) : 1000 - distance;
        expected_total += points;
        EXPECT_TRUE(w.click("cmdready"));
        EXPECT_EQ(w.label("Lblscore2", m - 1).caption(), number_text(points)) << "mission " << m;
        EXPECT_EQ(w.label("lblright").caption(), number_text(right)) << "mission " << m;
        if (m == 10)
            break;
        check(Phase::result);
        w.advance(think_ms);
        EXPECT_TRUE(w.click("cmdcont"));
        check(Phase::waiting);
        w.advance(3000);
    }
    check(Phase::game_over);
    EXPECT_EQ(w.label("Lblscore2", 10).caption(), number_text(expected_total));
    return std::stol(w.label("Lblscore2", 10).caption());
}

TEST(Game, ten_exact_answers_total_15000)
{
    Frmvelmo w;
    EXPECT_EQ(play_game(w, {}, 50), 15000);
    EXPECT_EQ(w.label("Lblscore2", 10).caption(), " 15000");
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(w.label("Lblscore2", i).caption(), " 1000") << i;
    EXPECT_EQ(w.label("Lblscore2", 9).caption(), " 6000");
}

TEST(Game, exact_answers_and_nothing_in_mission_10_total_9000)
{
    Frmvelmo w;
    // More than 6000 off in mission 10 scores 0, never below.
    w.set_rng_state(1234567);
    std::array<long, 10> offset{};
    play_game(w, offset, 10); // warm the sequence to a different place
    ASSERT_TRUE(w.click("Cmdnew"));
    w.advance(7);
    w.click("Cmdstart");
    for (int m = 1; m <= 10; ++m) {
        const long right = test::right_answer_on_screen(w);
        test::enter(w, m < 10 ? right : (right > 20000 ? 0 : 40000));
        w.click("cmdready");
        if (m < 10) {
            w.click("cmdcont");
            w.advance(3000);
        }
    }
    EXPECT_EQ(w.state().scores[9], 0);
    EXPECT_EQ(w.label("Lblscore2", 10).caption(), " 9000");
}

TEST(Game, a_second_game_totals_its_own_scores_alone)
{
    Frmvelmo w;
    play_game(w, {}, 30);
    ASSERT_TRUE(w.click("Cmdnew"));
    const std::array<long, 10> off{-3, 2, 5, -7, 11, 13, -17, 19, 23, -2900};
    const long total = play_game(w, off, 30);
    EXPECT_LT(total, 15000);
    EXPECT_GE(total, 5540);
}

TEST(Game, the_total_row_shows_0_until_the_tenth_ready)
{
    Frmvelmo w;
    w.click("Cmdstart");
    for (int m = 1; m <= 9; ++m) {
        w.click("cmdready");
        EXPECT_EQ(w.label("Lblscore2", 10).caption(), " 0") << m;
        w.click("cmdcont");
        w.advance(3000);
    }
    w.click("cmdready");
    EXPECT_NE(w.label("Lblscore2", 10).caption(), " 0");
    EXPECT_FALSE(w.button("cmdcont").visible());
}

} // namespace
} // namespace velmo
