// Tmr1's ticks taken when something next reads them leave the game exactly as
// ticks fired one by one in time: over many random schedules of waits, clock
// jumps and clicks, two windows, one of each kind, stay the same.

#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

namespace velmo::test {
namespace {

// What a player could see or a later handler could read, without taking
// pending ticks: a click has just taken them.
void expect_same(Frmvelmo& quiet, Frmvelmo& each, const std::string& where)
{
    const GameState &a = quiet.game().state, &b = each.game().state;
    ASSERT_EQ(a.rnd.state(), b.rnd.state()) << where;
    ASSERT_EQ(a.rightanswer, b.rightanswer) << where;
    ASSERT_EQ(a.count_drawn, b.count_drawn) << where;
    ASSERT_EQ(a.mission, b.mission) << where;
    ASSERT_EQ(a.answer, b.answer) << where;
    ASSERT_EQ(a.scores, b.scores) << where;
    ASSERT_EQ(visible_now(quiet), visible_now(each)) << where;
    ASSERT_EQ(running_now(quiet), running_now(each)) << where;
    for (const char* label : {"Lblask", "Lblcount1", "lblright"})
        ASSERT_EQ(quiet.label(label).caption(), each.label(label).caption()) << where << " " << label;
    for (const char* pic : {"Pic1", "Pic3"}) {
        const auto &p = quiet.picture(pic).raster().argb(), &q = each.picture(pic).raster().argb();
        ASSERT_TRUE(p.size() == q.size() && std::memcmp(p.data(), q.data(), p.size_bytes()) == 0)
            << where << " " << pic;
    }
}

// Four seeds of 250 schedules, so that ctest can spread them over the cores.
class QuietTicks : public ::testing::TestWithParam<unsigned> { };

TEST_P(QuietTicks, leave_the_game_as_ticks_fired_each_in_time)
{
    std::mt19937 rng(GetParam());
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (int schedule = 0; schedule < 250; ++schedule) {
        // From the title screen, or from the answering phase of a mission
        // past 2, whose picture alone costs as much as a hundred schedules.
        Frmvelmo quiet, each(Tmr1Ticks::each_in_time);
        const int first = pick(4) == 0 ? 0 : 3 + pick(8);
        const auto start = static_cast<std::uint32_t>(pick(1 << 24));
        for (Frmvelmo* w : {&quiet, &each}) {
            if (first > 0) {
                w->click("Cmdstart");
                w->click("cmdready");
                w->click("cmdcont");
                w->game().state.mission = static_cast<Integer>(first - 1);
                w->advance(3000);
            }
            w->set_rng_state(start);
        }
        std::ostringstream log;
        log << "seed " << GetParam() << ", schedule " << schedule << ", mission " << first << ", state " << start;
        for (int event = 0; event < 14; ++event) {
            std::vector<const CommandButton*> shown;
            for (const auto& b : each.form().buttons())
                if (b.visible())
                    shown.push_back(&b);
            if (shown.empty() || pick(2) == 0) {
                // Mostly short waits, some across a whole wait, a few long jumps.
                const int kind = pick(50);
                const int ms = kind == 0 ? pick(120000) : kind < 15 ? pick(4000) : pick(12);
                log << ", wait " << ms;
                quiet.advance(ms);
                each.advance(ms);
                continue;
            }
            const CommandButton& b = *shown[static_cast<std::size_t>(pick(static_cast<int>(shown.size())))];
            log << ", " << display_name(b);
            ASSERT_EQ(quiet.click(b.name(), b.index()), each.click(b.name(), b.index())) << log.str();
            expect_same(quiet, each, log.str());
        }
        (void)quiet.state(); // takes what is still pending
        expect_same(quiet, each, log.str() + ", read");
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, QuietTicks, ::testing::Values(1u, 2u, 3u, 20261207u),
    [](const auto& seed) { return "seed_" + std::to_string(seed.param); });

} // namespace
} // namespace velmo::test
