// Thousands of games of random input: clicks on every control, visible or
// not, access keys, timer ticks and clock jumps. After every event the window
// must be in exactly one phase of the phase tables, the estimate in range and
// shown, and the scores within the points each mission can give.
//
// A failure names its seed and event; rerun that seed alone with
// --gtest_filter='*RandomInput*seed_<seed>*' to replay it.

#include "game/answer_entry.h"
#include "support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <random>
#include <sstream>

namespace velmo::test {
namespace {

struct Range {
    long low, high;
};

// Points each mission can give, from the ranges of estimates and right answers.
constexpr std::array<Range, 10> point_ranges{{
    {800, 1000},
    {900, 1000},
    {800, 1000},
    {400, 1000},
    {500, 1000},
    {470, 1000},
    {500, 1000},
    {570, 1000},
    {600, 1000},
    {0, 6000},
}};

struct Match {
    Phase phase;
    int mission;
};

// The phase the window is in; several missions share a picture, so the
// current mission is tried first.
std::optional<Match> phase_of(Frmvelmo& w)
{
    const auto visible = visible_now(w);
    const auto running = running_now(w);
    std::vector<int> missions{w.state().mission};
    for (int m = 1; m <= 10; ++m)
        missions.push_back(m);
    for (int m : missions)
        for (Phase p : {Phase::title, Phase::answering, Phase::result, Phase::waiting, Phase::game_over})
            if (running == running_in(p) && visible == visible_in(p, m))
                return Match{p, m};
    return std::nullopt;
}

class RandomInput : public ::testing::TestWithParam<unsigned> { };

TEST_P(RandomInput, never_leaves_the_phase_tables)
{
    const unsigned seed = GetParam();
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

    Frmvelmo w;
    std::vector<std::pair<std::string, int>> every_control;
    for (const auto& c : w.form().buttons())
        every_control.emplace_back(std::string(c.name()), c.index());
    for (const auto& c : w.form().labels())
        every_control.emplace_back(std::string(c.name()), c.index());
    for (const auto& c : w.form().pictures())
        every_control.emplace_back(std::string(c.name()), c.index());
    for (const auto& c : w.form().lines())
        every_control.emplace_back(std::string(c.name()), c.index());
    every_control.emplace_back("cmdchange", 8);  // no such element
    every_control.emplace_back("cmdchange", -1); // the array itself

    constexpr long min_games = 500, min_events = 25000, max_events = 400000;
    long games = 0, events = 0;
    std::string last;
    for (; events < max_events && (games < min_games || events < min_events); ++events) {
        std::ostringstream what;
        const int kind = pick(100);
        if (kind < 30) {
            const auto& [name, index] =
                every_control[static_cast<std::size_t>(pick(static_cast<int>(every_control.size())))];
            what << "click " << name << "(" << index << ")";
            w.click(name, index);
        } else if (kind < 60) {
            std::vector<const CommandButton*> shown;
            for (const auto& b : w.form().buttons())
                if (b.visible())
                    shown.push_back(&b);
            if (!shown.empty()) {
                const CommandButton& b = *shown[static_cast<std::size_t>(pick(static_cast<int>(shown.size())))];
                what << "click visible " << display_name(b);
                if (b.name() == "Cmdnew")
                    ++games;
                w.click(b.name(), b.index());
            }
        } else if (kind < 70) {
            const char key = "srcnqx"[pick(6)];
            what << "Alt+" << key;
            if (key == 'n' && w.button("Cmdnew").visible())
                ++games;
            w.access_key(key);
        } else if (kind < 80) {
            const char* timer = pick(2) ? "Tmr1" : "Tmr2";
            what << "tick " << timer;
            w.tick(timer);
        } else {
            const int ms = pick(5001);
            what << "advance " << ms << " ms";
            w.advance(ms);
        }
        last = what.str();
        const std::string where = "seed " + std::to_string(seed) + ", event " + std::to_string(events) + ": " + last;

        const auto match = phase_of(w);
        ASSERT_TRUE(match) << where << " left no phase's controls";
        const GameState& s = w.state();
        const bool with_mission =
            match->phase == Phase::answering || match->phase == Phase::result || match->phase == Phase::game_over;
        if (!with_mission)
            continue;
        ASSERT_EQ(match->mission, s.mission) << where;
        const StepRule rule = *step_rule(s.mission);
        ASSERT_GE(s.answer, rule.low) << where;
        ASSERT_LE(s.answer, rule.high) << where;
        if (s.mission != 8 || match->phase != Phase::answering)
            ASSERT_EQ(w.label("Lblcount1").caption(), number_text(s.answer)) << where;
        else
            ASSERT_EQ(w.line("Line3").to().x - w.line("Line3").from().x, s.answer) << where;
        const int scored = match->phase == Phase::answering ? s.mission - 1 : s.mission;
        for (int k = 0; k < 10; ++k) {
            if (k < scored) {
                ASSERT_GE(s.scores[k], point_ranges[k].low) << where << " mission " << k + 1;
                ASSERT_LE(s.scores[k], point_ranges[k].high) << where << " mission " << k + 1;
            } else {
                ASSERT_EQ(s.scores[k], 0) << where << " mission " << k + 1;
            }
        }
        if (match->phase == Phase::game_over) {
            long sum = 0;
            for (int k = 0; k < 10; ++k)
                sum += s.scores[k];
            ASSERT_EQ(w.label("Lblscore2", 10).caption(), number_text(sum)) << where;
            ASSERT_GE(sum, 5540) << where;
            ASSERT_LE(sum, 15000) << where;
        }
    }
    std::printf("seed %u: %ld games, %ld events\n", seed, games, events);
    EXPECT_GE(games, min_games) << "seed " << seed << " finished too few games in " << events << " events";
    EXPECT_GE(events, min_events);
}

// Four seeds of at least 500 games and 25,000 events each.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomInput, ::testing::Values(1u, 2u, 3u, 20261207u),
    [](const auto& seed) { return "seed_" + std::to_string(seed.param); });

} // namespace
} // namespace velmo::test
