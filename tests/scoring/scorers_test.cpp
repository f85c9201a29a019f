#include "app/frmvelmo.h"
#include "scoring/scorers.h"

#include <gtest/gtest.h>
#include <ostream>

namespace velmo {
namespace {

struct ScoreCase {
    int mission;
    long right; // what the mission left: rightanswer, the asked count or rightarea
    long answer;
    int points;
    std::string shown_right;
};

[[maybe_unused]] void PrintTo(const ScoreCase& c, std::ostream* os)
{
    *os << "mission " << c.mission << ", right " << c.right << ", answer " << c.answer;
}

// Sets up what the mission's generator would have left, then runs its scorer.
void score(Frmvelmo& w, const ScoreCase& c)
{
    GameState& s = w.game().state;
    s.mission = static_cast<Integer>(c.mission);
    s.answer = c.answer;
    s.colour = 2;
    s.rightanswer = c.right;
    s.colourcount = {1, 2, 3, 4, 5};
    if (c.mission == 2 || c.mission == 5 || c.mission == 7) {
        s.rightanswer = 77; // must not be what is compared
        s.colourcount[2] = static_cast<Long>(c.right);
    }
    s.rightarea = static_cast<Long>(c.right);
    procedures_of(w.game(), c.mission)->tulos(w.game());
}

class Scorers : public ::testing::TestWithParam<ScoreCase> { };

TEST_P(Scorers, turn_the_distance_into_points_and_show_them)
{
    const ScoreCase c = GetParam();
    Frmvelmo w;
    score(w, c);
    const int slot = c.mission - 1;
    EXPECT_EQ(w.state().scores[slot], c.points);
    EXPECT_EQ(w.label("Lblscore2", slot).caption(), number_text(c.points));
    EXPECT_EQ(w.label("lblright").caption(), c.shown_right);
    EXPECT_TRUE(w.label("lblright").visible());
    EXPECT_TRUE(w.label("lblrightots").visible());
    EXPECT_EQ(w.button("cmdcont").visible(), c.mission != 10);
    EXPECT_EQ(w.button("Cmdnew").visible(), c.mission == 10);
    // Only this mission's row is written.
    for (int i = 0; i <= 9; ++i) {
        if (i != slot) {
            EXPECT_EQ(w.label("Lblscore2", i).caption(), " 0") << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Scorers,
    ::testing::Values(ScoreCase{1, 200, 200, 1000, " 200"}, ScoreCase{1, 200, 250, 950, " 200"},
        ScoreCase{1, 200, 150, 950, " 200"}, ScoreCase{3, 300, 100, 800, " 300"}, ScoreCase{4, 200, 800, 400, " 200"},
        ScoreCase{6, 629, 100, 471, " 629"}, ScoreCase{9, 100, 500, 600, " 100"},
        // Mission 2: the right answer is the asked colour's share in percent.
        ScoreCase{2, 58986, 50, 1000, " 50"}, ScoreCase{2, 58986, 40, 990, " 50"}, ScoreCase{2, 0, 0, 1000, " 0"},
        ScoreCase{2, 117972, 0, 900, " 100"}, ScoreCase{2, 59575, 50, 1000, " 50"}, // 50.4992 %
        ScoreCase{2, 59576, 50, 999, " 51"},                                        // 50.5001 %
        // Missions 5 and 7: the asked colour's count.
        ScoreCase{5, 412, 250, 838, " 412"}, ScoreCase{7, 0, 500, 500, " 0"},
        // Mission 10: 6000 less the distance, never below 0.
        ScoreCase{10, 20000, 20000, 6000, " 20000"}, ScoreCase{10, 20000, 25000, 1000, " 20000"},
        ScoreCase{10, 20000, 15000, 1000, " 20000"}, ScoreCase{10, 20000, 26000, 0, " 20000"},
        ScoreCase{10, 40000, 0, 0, " 40000"}, ScoreCase{10, 2500, 8499, 1, " 2500"}),
    [](const auto& row) { return "mission_" + std::to_string(row.param.mission) + "_" + std::to_string(row.index); });

TEST(Scorers, mission_8_shows_the_drawn_length_as_a_number)
{
    Frmvelmo w;
    score(w, {8, 340, 460, 880, " 340"});
    EXPECT_TRUE(w.label("Lblcount1").visible());
    EXPECT_EQ(w.label("Lblcount1").caption(), " 460");
}

TEST(Scorers, hide_exactly_the_buttons_their_mission_showed)
{
    for (int m = 1; m <= 10; ++m) {
        Frmvelmo w;
        for (auto& b : w.form().buttons())
            if (b.name() == "cmdchange" || b.name() == "cmdready")
                b.set_visible(true);
        score(w, {m, 200, 200, 0, ""});
        const int shown = m == 2 ? 4 : m == 10 ? 8 : 6;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(w.button("cmdchange", i).visible(), i >= shown) << "mission " << m << " button " << i;
        EXPECT_FALSE(w.button("cmdready").visible());
    }
}

TEST(Scorers, no_scorer_outside_missions_1_to_10)
{
    Frmvelmo w;
    EXPECT_EQ(procedures_of(w.game(), 0), nullptr);
    EXPECT_EQ(procedures_of(w.game(), 11), nullptr);
}

} // namespace
} // namespace velmo
