#include "app/frmvelmo.h"
#include "game/answer_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>

namespace velmo {
namespace {

// The guards as the rule table gives them, by mission and button Index 0..7:
// a decrement passes when answer > guard, an increment when answer < guard.
struct GuardRow {
    int mission;
    std::array<std::optional<long>, 8> guard;
};

[[maybe_unused]] void PrintTo(const GuardRow& c, std::ostream* os) { *os << "mission " << c.mission; }

constexpr auto none = std::nullopt;
const std::array<GuardRow, 10> guard_table{{
    {1, {100, 300, 109, 291, 199, 201, none, none}},
    {2, {0, 100, 9, 91, none, none, none, none}},
    {3, {100, 300, 109, 291, 199, 201, none, none}},
    {4, {200, 800, 209, 791, 299, 701, none, none}},
    {5, {0, 500, 9, 491, 99, 401, none, none}},
    {6, {100, 630, 109, 621, 199, 531, none, none}},
    {7, {0, 500, 9, 491, 99, 401, none, none}},
    {8, {100, 600, 109, 591, 199, 501, none, none}},
    {9, {100, 500, 109, 491, 199, 401, none, none}},
    {10, {0, 40000, 9, 39991, 99, 39901, 999, 39001}},
}};

constexpr std::array<long, 8> steps{-1, 1, -10, 10, -100, 100, -1000, 1000};

class StepGuards : public ::testing::TestWithParam<GuardRow> {
protected:
    Frmvelmo w;
    long click_at(int mission, long answer, int index)
    {
        w.game().state.mission = static_cast<Integer>(mission);
        w.game().state.answer = answer;
        cmdchange_Click(w.game(), index);
        return w.state().answer;
    }
};

TEST_P(StepGuards, apply_a_step_exactly_when_the_guard_passes)
{
    const GuardRow row = GetParam();
    for (int index = 0; index < 8; ++index) {
        SCOPED_TRACE("mission " + std::to_string(row.mission) + " button " + std::to_string(index));
        const long s = steps[index];
        if (!row.guard[index]) {
            const long start = step_rule(row.mission)->start;
            EXPECT_EQ(click_at(row.mission, start, index), start) << "no rule, no step";
            continue;
        }
        const long g = *row.guard[index];
        const long passing = s < 0 ? g + 1 : g - 1;
        EXPECT_EQ(click_at(row.mission, g, index), g) << "at the guard itself";
        EXPECT_EQ(click_at(row.mission, passing, index), passing + s) << "one inside the guard";
    }
}

INSTANTIATE_TEST_SUITE_P(AllMissions, StepGuards, ::testing::ValuesIn(guard_table),
    [](const auto& row) { return "mission_" + std::to_string(row.param.mission); });

TEST(StepRules, start_values_and_buttons_match_the_table)
{
    constexpr std::array<long, 10> start{200, 50, 200, 500, 250, 365, 250, 360, 300, 20000};
    constexpr std::array<int, 10> buttons{6, 4, 6, 6, 6, 6, 6, 6, 6, 8};
    for (int m = 1; m <= 10; ++m) {
        EXPECT_EQ(step_rule(m)->start, start[m - 1]) << m;
        EXPECT_EQ(step_rule(m)->buttons, buttons[m - 1]) << m;
    }
    EXPECT_FALSE(step_rule(0));
    EXPECT_FALSE(step_rule(11));
}

struct AnswerEntry : ::testing::Test {
    Frmvelmo w;
    void at(int mission, long answer)
    {
        w.game().state.mission = static_cast<Integer>(mission);
        w.game().state.answer = answer;
    }
    void press(int index) { cmdchange_Click(w.game(), index); }
};

TEST_F(AnswerEntry, mission_1_minus_100_from_200_reaches_100_and_then_stops)
{
    at(1, 200);
    press(4);
    EXPECT_EQ(w.state().answer, 100);
    EXPECT_EQ(w.label("Lblcount1").caption(), " 100");
    press(4);
    EXPECT_EQ(w.state().answer, 100);
}

TEST_F(AnswerEntry, mission_10_reaches_0_by_twenty_minus_1000s_and_40000_without_overflow)
{
    at(10, 20000);
    for (int i = 0; i < 21; ++i)
        press(6);
    EXPECT_EQ(w.state().answer, 0);
    at(10, 39000);
    press(7);
    EXPECT_EQ(w.state().answer, 40000);
    EXPECT_EQ(w.label("Lblcount1").caption(), " 40000");
    at(10, 39500);
    press(7);
    EXPECT_EQ(w.state().answer, 39500);
    press(5);
    EXPECT_EQ(w.state().answer, 39600);
}

TEST_F(AnswerEntry, mission_8_moves_the_line_end_and_leaves_the_label_alone)
{
    at(8, 360);
    const std::string before = w.label("Lblcount1").caption();
    press(5);
    EXPECT_EQ(w.state().answer, 460);
    EXPECT_EQ(w.line("Line3").to().x, 484);
    EXPECT_EQ(w.label("Lblcount1").caption(), before);
    EXPECT_FALSE(w.label("Lblcount1").visible());
}

TEST_F(AnswerEntry, a_refused_click_does_not_rewrite_the_estimate)
{
    at(2, 95);
    press(1);
    const auto revision = w.label("Lblcount1").revision();
    press(3); // 95 + 10 leaves the range
    EXPECT_EQ(w.state().answer, 96);
    EXPECT_EQ(w.label("Lblcount1").revision(), revision);
}

TEST_F(AnswerEntry, no_rule_outside_missions_1_to_10)
{
    for (int m : {0, 11}) {
        at(m, 200);
        for (int i = 0; i < 8; ++i)
            press(i);
        EXPECT_EQ(w.state().answer, 200);
    }
}

} // namespace
} // namespace velmo
