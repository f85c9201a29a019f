#include "mission_fixture.h"
#include <ostream>

namespace velmo::test {
namespace {

struct BoxAt {
    int left;
    void expect(Frmvelmo& w) const
    {
        EXPECT_EQ(w.line("Line4", 0).from(), (Point{left, 352}));
        EXPECT_EQ(w.line("Line4", 0).to(), (Point{left, 544}));
        EXPECT_EQ(w.line("Line4", 1).from(), (Point{left + 152, 352}));
        EXPECT_EQ(w.line("Line4", 1).to(), (Point{left + 152, 544}));
        EXPECT_EQ(w.line("Line4", 2).from(), (Point{left, 352}));
        EXPECT_EQ(w.line("Line4", 2).to(), (Point{left + 152, 352}));
        EXPECT_EQ(w.line("Line4", 3).from(), (Point{left, 544}));
        EXPECT_EQ(w.line("Line4", 3).to(), (Point{left + 152, 544}));
    }
};

struct Mission6Case {
    std::uint32_t first; // state of the box's draw
    int boxleft;
};

[[maybe_unused]] void PrintTo(const Mission6Case& c, std::ostream* os) { *os << "boxleft " << c.boxleft; }

class Mission6 : public MissionFixture, public ::testing::WithParamInterface<Mission6Case> { };

TEST_P(Mission6, places_the_model_box_and_a_line_of_the_drawn_length)
{
    const auto [first, boxleft] = GetParam();
    begin_with_first(6, first);
    const int length = floor_r(next_state(first), 530) + 100;
    BoxAt{boxleft}.expect(w);
    EXPECT_EQ(w.line("Line1").from().x, boxleft + 24);
    EXPECT_EQ(w.line("Line1").to().x, boxleft + 74);
    EXPECT_EQ(w.label("Lblmodel").bounds().left, boxleft + 8);
    EXPECT_EQ(w.line("Line3").from(), (Point{16, 344}));
    EXPECT_EQ(w.line("Line3").to(), (Point{16 + length, 344}));
    EXPECT_EQ(w.state().rightanswer, length);
    EXPECT_EQ(w.rng_state(), next_state(first));
}

INSTANTIATE_TEST_SUITE_P(Extremes, Mission6,
    ::testing::Values(Mission6Case{0, 16}, Mission6Case{16777215, 391}, Mission6Case{state_for(100, 376), 116}));

struct Mission8Case {
    std::uint32_t first;
    int boxleft;
    int scale;        // length of the scale line, 50 to 119
    long rightanswer; // the line of the same scale: 170 * scale / 50
};

[[maybe_unused]] void PrintTo(const Mission8Case& c, std::ostream* os)
{
    *os << "boxleft " << c.boxleft << ", scale " << c.scale;
}

class Mission8 : public MissionFixture, public ::testing::WithParamInterface<Mission8Case> { };

TEST_P(Mission8, asks_for_the_line_that_keeps_the_scale)
{
    const Mission8Case c = GetParam();
    begin_with_first(8, c.first);
    ASSERT_EQ(floor_r(next_state(c.first), 70) + 50, c.scale) << "the case's states are off";
    BoxAt{c.boxleft}.expect(w);
    EXPECT_EQ(w.line("Line1").from().x, c.boxleft + 24);
    EXPECT_EQ(w.line("Line1").to().x, c.boxleft + 24 + c.scale);
    EXPECT_EQ(w.line("Line2").from().x, c.boxleft + 16);
    EXPECT_EQ(w.label("Lblscale").bounds().left, c.boxleft + 48);
    EXPECT_EQ(w.line("Line3").from(), (Point{24, 344}));
    EXPECT_EQ(w.line("Line3").to(), (Point{384, 344}));
    EXPECT_EQ(w.line("Line5").from(), (Point{16, 352}));
    EXPECT_EQ(w.state().answer, 360);
    EXPECT_EQ(w.state().rightanswer, c.rightanswer);
    EXPECT_FALSE(w.label("Lblcount1").visible());

    // Drawing the right line exactly scores 1000, and Ready shows its length.
    enter(w, c.rightanswer);
    EXPECT_EQ(w.line("Line3").to().x - w.line("Line3").from().x, c.rightanswer);
    w.click("cmdready");
    EXPECT_EQ(w.state().scores[7], 1000);
    EXPECT_TRUE(w.label("Lblcount1").visible());
    EXPECT_EQ(w.label("Lblcount1").caption(), number_text(c.rightanswer));
}

// The second draw follows from the first, so each case searches a first
// state whose successor gives the wanted scale.
Mission8Case mission8_case(int boxleft_draw, int scale, long rightanswer)
{
    for (std::uint32_t s = state_for(boxleft_draw, 360);; ++s)
        if (floor_r(next_state(s), 70) + 50 == scale)
            return {s, floor_r(s, 360) + 32, scale, rightanswer};
}

INSTANTIATE_TEST_SUITE_P(Scales, Mission8,
    ::testing::Values(mission8_case(0, 50, 170), mission8_case(0, 74, 252), mission8_case(359, 75, 255),
        mission8_case(180, 119, 405)));

struct AreaCase {
    int width, height;
};

[[maybe_unused]] void PrintTo(const AreaCase& c, std::ostream* os) { *os << c.width << " x " << c.height; }

class Mission10 : public MissionFixture, public ::testing::WithParamInterface<AreaCase> { };

TEST_P(Mission10, shows_a_yellow_area_of_exactly_its_right_answer)
{
    const auto [width, height] = GetParam();
    std::uint32_t first = 0;
    for (std::uint32_t s = state_for(width - 50, 151);; ++s)
        if (floor_r(s, 151) + 50 == width && floor_r(next_state(s), 151) + 50 == height) {
            first = s;
            break;
        }
    begin_with_first(10, first);
    EXPECT_EQ(w.state().rightarea, width * height);
    EXPECT_EQ(w.picture("Pic3").bounds(), (Bounds{16, 320, width, height}));
    const Raster& area = w.picture("Pic3").raster();
    long yellow = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            yellow += area.pixel(x, y) == colours::yellow;
    EXPECT_EQ(yellow, width * height);
    BoxAt{392}.expect(w);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, Mission10, ::testing::Values(AreaCase{50, 50}, AreaCase{200, 200}, AreaCase{200, 50}, AreaCase{77, 123}));

} // namespace
} // namespace velmo::test
