#include "mission_fixture.h"
#include "missions/drawing.h"

#include <map>
#include <numeric>
#include <ostream>

namespace velmo::test {
namespace {

const std::array<std::string, 4> names{"red", "green", "blue", "white"};
const std::array<Colour, 4> values{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};

long sum4(const std::array<Long, 5>& c) { return c[0] + c[1] + c[2] + c[3]; }

class Mission2 : public MissionFixture, public ::testing::WithParamInterface<std::uint32_t> { };

TEST_P(Mission2, paints_and_counts_every_point_of_the_522_by_226_grid)
{
    w.game().state.colourcount = {9, 9, 9, 9, 77}; // an earlier game's counts
    begin_with_first(2, GetParam());
    const int extradraws = floor_r(GetParam(), 4);
    const int colour = floor_r(next_state(GetParam()), 4);
    const GameState& s = w.state();
    EXPECT_EQ(s.colour, colour);
    EXPECT_EQ(sum4(s.colourcount), 117972);
    EXPECT_EQ(s.colourcount[4], 77);
    EXPECT_EQ(w.rng_state(), advance_state(GetParam(), 1 + 117972LL * (extradraws + 2)));
    EXPECT_EQ(w.label("Lblask").caption(),
        "Mission 2: How much there is " + names[colour] + " colour in the box (in percent)?");
    EXPECT_EQ(w.label("Lblask").fore(), values[colour]);

    // The visible 521 x 225 holds every point but the last column and row.
    std::map<Colour, long> seen;
    for (int y = 0; y < 225; ++y)
        for (int x = 0; x < 521; ++x)
            ++seen[w.pixel("Pic1", x, y)];
    long hidden = 0;
    for (int c = 0; c < 4; ++c) {
        EXPECT_LE(seen[values[c]], s.colourcount[c]) << names[c];
        hidden += s.colourcount[c] - seen[values[c]];
    }
    EXPECT_EQ(hidden, 522 + 226 - 1);
    EXPECT_EQ(seen.size(), 4u);
    // The bias: the asked colour is the most common.
    for (int c = 0; c < 4; ++c) {
        if (c != colour) {
            EXPECT_GT(s.colourcount[colour], s.colourcount[c]);
        }
    }
}

// First draw picks extradraws 0 and 3, second the colour.
INSTANTIATE_TEST_SUITE_P(
    KnownStates, Mission2, ::testing::Values(0u, 16777215u, 327680u, state_for(1, 4), state_for(2, 4)));

// Missions 5 and 7: a colour, then per shape its place, size, colour index,
// the number of coins less one and the coins.
struct ShapeMission {
    int mission;
    int place_draws;
    std::string noun;
};

[[maybe_unused]] void PrintTo(const ShapeMission& c, std::ostream* os) { *os << "mission " << c.mission; }

class ColouredShapes : public MissionFixture,
                       public ::testing::WithParamInterface<std::tuple<ShapeMission, std::uint32_t>> { };

TEST_P(ColouredShapes, count_500_shapes_by_colour_with_their_exact_draws)
{
    const auto& [m, start] = GetParam();
    w.game().state.colourcount = {400, 400, 400, 400, 5};
    begin_with_first(m.mission, start);
    const int colour = floor_r(start, 4);
    std::uint32_t s = start;
    std::array<long, 4> expect_count{};
    for (int i = 0; i < 500; ++i) {
        s = advance_state(s, m.place_draws + 1);
        int shapecolour = floor_r(s, 4);
        s = next_state(s);
        const int coins = floor_r(s, 4) + 1;
        for (int c = 0; c < coins; ++c) {
            s = next_state(s);
            if (floor_r(s, 2) == 1)
                shapecolour = colour;
        }
        ++expect_count[shapecolour];
    }
    const GameState& st = w.state();
    EXPECT_EQ(w.rng_state(), s);
    EXPECT_EQ(st.colour, colour);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(st.colourcount[c], expect_count[c]) << names[c];
    EXPECT_EQ(st.colourcount[4], 5);
    EXPECT_EQ(sum4(st.colourcount), 500);
    EXPECT_EQ(w.label("Lblask").caption(),
        "Mission " + std::to_string(m.mission) + ": How many of these 500 " + m.noun + " is " + names[colour] +
            " (0-500)?");
    EXPECT_EQ(w.label("Lblask").fore(), values[colour]);
    EXPECT_EQ(w.label("Lblcount1").caption(), " 250");
    const Extent e = lit_extent();
    EXPECT_GE(e.left, m.mission == 5 ? 1 : 0);
    EXPECT_LE(e.right, 518);
    EXPECT_LE(e.bottom, 218);

    // Ready takes the asked colour's count as the right answer.
    w.click("cmdready");
    EXPECT_EQ(st.rightanswer, expect_count[colour]);
    EXPECT_EQ(w.label("lblright").caption(), number_text(expect_count[colour]));
}

INSTANTIATE_TEST_SUITE_P(KnownStates, ColouredShapes,
    ::testing::Combine(::testing::Values(ShapeMission{5, 3, "circles"}, ShapeMission{7, 4, "boxes"}),
        ::testing::Values(0u, 16777215u, 327680u, state_for(1, 4), state_for(2, 4))),
    [](const auto& row) {
        return "mission_" + std::to_string(std::get<0>(row.param).mission) + "_" + std::to_string(row.index);
    });

} // namespace
} // namespace velmo::test
