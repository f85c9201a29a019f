// What each mission puts in front of the player, replayed from the random
// sequence on its own: the question, the right answer, and where every shape
// lands on the drawing surface, in which colour.
#include "game/answer_entry.h"
#include "mission_fixture.h"

#include <optional>
#include <ostream>
#include <vector>

namespace velmo::test {
namespace {

constexpr int pic_w = 521, pic_h = 225;
// The colour missions' colours by index: red, green, blue, white.
constexpr std::array<Colour, 4> hues{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
constexpr std::array<std::string_view, 4> hue_names{"red", "green", "blue", "white"};

// The sequence as published, turned into whole numbers as floor(R * n) + a.
struct Replay {
    std::uint32_t s;
    int draw(int n, int a = 0)
    {
        s = next_state(s);
        return floor_r(s, n) + a;
    }
};

// A circle or a box: its bounding box, and the pixels it must light in its
// colour unless a later shape's bounding box covers them.
struct Outline {
    int left, top, right, bottom;
    Colour colour;
    std::vector<std::pair<int, int>> keys;
};

struct Expected {
    std::optional<long> right;    // rightanswer (rightarea in mission 10) once the picture is drawn
    int colour = -1;              // the colour asked about; -1 for a cyan question
    std::array<long, 4> counts{}; // shapes or points per colour, missions 2, 5, 7
    std::vector<Colour> image;    // every pixel of Pic1, where the mission paints points or nothing
    std::vector<Outline> shapes;  // otherwise the shapes in drawing order
    std::optional<Bounds> area;   // mission 10's yellow area
    std::optional<int> line_end;  // mission 6's line ends at this x
};

std::vector<Colour> blank() { return std::vector<Colour>(pic_w * pic_h, colours::black); }
void paint(std::vector<Colour>& image, int x, int y, Colour c)
{
    if (x < pic_w && y < pic_h)
        image[static_cast<std::size_t>(y * pic_w + x)] = c;
}

// The four extreme points of the outline.
Outline circle(Replay& r, Colour c)
{
    const int x = r.draw(480, 20), y = r.draw(180, 20), w = r.draw(20);
    return {x - w, y - w, x + w, y + w, c, {{x - w, y}, {x + w, y}, {x, y - w}, {x, y + w}}};
}

// Four corners and the middle of each edge.
Outline box(Replay& r, Colour c)
{
    const int x = r.draw(500), y = r.draw(200), w = r.draw(20), h = r.draw(20);
    return {x, y, x + w, y + h, c,
        {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x + w / 2, y}, {x + w, y + h / 2}, {x + w / 2, y + h},
            {x, y + h / 2}}};
}

// A shape's colour, then 1 to 4 coins, any of which turns it to the asked one.
int biased(Replay& r, int asked)
{
    int c = r.draw(4);
    const int coins = r.draw(4);
    for (int i = 0; i <= coins; ++i)
        if (r.draw(2) == 1)
            c = asked;
    return c;
}

Expected shapes_in_colour(Replay& r, Outline (*shape)(Replay&, Colour))
{
    Expected e;
    e.right = 500;
    e.colour = r.draw(4);
    for (int i = 0; i < 500; ++i) {
        Outline o = shape(r, 0);
        const int c = biased(r, e.colour);
        o.colour = hues[static_cast<std::size_t>(c)];
        e.shapes.push_back(o);
        ++e.counts[static_cast<std::size_t>(c)];
    }
    return e;
}

// Missions 1 and 3: white shapes, as many as the tick that Start or the end
// of the wait takes draws.
Expected shapes_of_tick_count(Replay& r, Outline (*shape)(Replay&, Colour))
{
    Expected e;
    e.right = r.draw(201, 100);
    for (long i = 0; i < *e.right; ++i)
        e.shapes.push_back(shape(r, colours::white));
    return e;
}

struct Row {
    int mission;
    std::string_view question; // "{}" stands for the asked colour's name
    Expected (*replay)(Replay&);
};

[[maybe_unused]] void PrintTo(const Row& row, std::ostream* os) { *os << "mission " << row.mission; }

const std::array<Row, 10> missions{{
    {1, "Mission 1: How many circles is in the box (100-300)?",
        [](Replay& r) { return shapes_of_tick_count(r, circle); }},
    {2, "Mission 2: How much there is {} colour in the box (in percent)?",
        [](Replay& r) {
            Expected e;
            e.image = blank();
            const int extradraws = r.draw(4);
            e.colour = r.draw(4);
            // 522 x 226 points: the last column and row are counted but not seen.
            for (int j = 0; j <= 225; ++j)
                for (int i = 0; i <= 521; ++i) {
                    int c = r.draw(4);
                    for (int k = 0; k <= extradraws; ++k)
                        if (r.draw(4) == 0)
                            c = e.colour;
                    ++e.counts[static_cast<std::size_t>(c)];
                    paint(e.image, i, j, hues[static_cast<std::size_t>(c)]);
                }
            return e;
        }},
    {3, "Mission 3: How many boxes there is (100-300)?", [](Replay& r) { return shapes_of_tick_count(r, box); }},
    {4, "Mission 4: How many dots there is (200-800)?",
        [](Replay& r) {
            Expected e;
            e.right = r.draw(601, 200);
            e.image = blank();
            for (long i = 0; i < *e.right; ++i) {
                const int x = r.draw(520), y = r.draw(225);
                paint(e.image, x, y, colours::white);
            }
            return e;
        }},
    {5, "Mission 5: How many of these 500 circles is {} (0-500)?",
        [](Replay& r) { return shapes_in_colour(r, circle); }},
    {6, "Mission 6: How long is the line (100-630)?",
        [](Replay& r) {
            r.draw(376, 16); // the model box
            const int length = r.draw(530, 100);
            Expected e;
            e.right = length;
            e.image = blank();
            e.line_end = 16 + length;
            return e;
        }},
    {7, "Mission 7: How many of these 500 boxes is {} (0-500)?", [](Replay& r) { return shapes_in_colour(r, box); }},
    {8, "Mission 8: Draw the horisontal line with same scale?",
        [](Replay& r) {
            r.draw(360, 32); // the model box
            const long scale = r.draw(70, 50);
            // 170 * scale / 50 never falls on a half.
            Expected e;
            e.right = (170 * scale + 25) / 50;
            e.image = blank();
            return e;
        }},
    {9, "Mission 9: How many boxes and circles there is (100-500)?",
        [](Replay& r) {
            Expected e;
            e.right = r.draw(401, 100);
            for (long i = 0; i < *e.right; ++i)
                e.shapes.push_back(r.draw(2) == 0 ? box(r, colours::white) : circle(r, colours::white));
            return e;
        }},
    {10, "Mission 10: How many pixels is on that yellow area (0-40000?",
        [](Replay& r) {
            const int x = r.draw(151, 50), y = r.draw(151, 50);
            Expected e;
            e.right = x * y;
            e.image = blank();
            e.area = Bounds{16, 320, x, y};
            return e;
        }},
}};

class Pictures : public MissionFixture, public ::testing::WithParamInterface<std::tuple<Row, std::uint32_t>> { };

TEST_P(Pictures, show_exactly_what_the_draws_make)
{
    const auto& [row, start] = GetParam();
    const int m = row.mission;
    w.game().state.colourcount = {9, 9, 9, 9, 77}; // an earlier game's counts
    begin(m, start);
    Replay r{start};
    const Expected e = row.replay(r);
    EXPECT_EQ(w.rng_state(), r.s) << "every draw taken, and no more";

    std::string question(row.question);
    if (const auto at = question.find("{}"); at != std::string::npos)
        question.replace(at, 2, hue_names[static_cast<std::size_t>(e.colour)]);
    EXPECT_EQ(w.label("Lblask").caption(), question);
    EXPECT_EQ(w.label("Lblask").fore(), e.colour < 0 ? colours::cyan : hues[static_cast<std::size_t>(e.colour)]);
    if (m != 8) { // mission 8 shows its estimate as a line
        EXPECT_EQ(w.label("Lblcount1").caption(), number_text(step_rule(m)->start));
    }
    if (e.right) {
        EXPECT_EQ(m == 10 ? w.state().rightarea : w.state().rightanswer, *e.right);
    }
    if (e.colour >= 0) {
        EXPECT_EQ(w.state().colour, e.colour);
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_EQ(w.state().colourcount[c], e.counts[c]) << hue_names[c];
        EXPECT_EQ(w.state().colourcount[4], 77);
    }

    const Raster& pic = w.picture("Pic1").raster();
    ASSERT_EQ(pic.width(), pic_w);
    ASSERT_EQ(pic.height(), pic_h);
    if (!e.image.empty()) {
        long wrong = 0;
        for (int y = 0; y < pic_h; ++y)
            for (int x = 0; x < pic_w; ++x)
                if (pic.pixel(x, y) != e.image[static_cast<std::size_t>(y * pic_w + x)] && wrong++ == 0)
                    ADD_FAILURE() << "first wrong pixel at " << x << "," << y;
        EXPECT_EQ(wrong, 0);
    } else {
        // From the last shape back: a key pixel counts only where no later
        // shape's bounding box may have drawn over it.
        std::vector<bool> covered(pic_w * pic_h);
        for (auto it = e.shapes.rbegin(); it != e.shapes.rend(); ++it) {
            for (auto [x, y] : it->keys)
                if (x < pic_w && y < pic_h && !covered[static_cast<std::size_t>(y * pic_w + x)]) {
                    EXPECT_EQ(pic.pixel(x, y), it->colour)
                        << "shape " << e.shapes.rend() - it << " at " << x << "," << y;
                }
            for (int y = std::max(it->top, 0); y <= std::min(it->bottom, pic_h - 1); ++y)
                for (int x = std::max(it->left, 0); x <= std::min(it->right, pic_w - 1); ++x)
                    covered[static_cast<std::size_t>(y * pic_w + x)] = true;
        }
        long stray = 0;
        for (int y = 0; y < pic_h; ++y)
            for (int x = 0; x < pic_w; ++x)
                stray += pic.pixel(x, y) != colours::black && !covered[static_cast<std::size_t>(y * pic_w + x)];
        EXPECT_EQ(stray, 0) << "lit pixels outside every shape";
    }
    if (e.area) {
        EXPECT_EQ(w.picture("Pic3").bounds(), *e.area);
        const Raster& yellow = w.picture("Pic3").raster();
        long lit = 0;
        for (int y = 0; y < yellow.height(); ++y)
            for (int x = 0; x < yellow.width(); ++x)
                lit += yellow.pixel(x, y) == colours::yellow;
        EXPECT_EQ(lit, e.area->width * e.area->height);
    }
    if (e.line_end) {
        EXPECT_EQ(w.line("Line3").to(), (Point{*e.line_end, 344}));
    }
}

INSTANTIATE_TEST_SUITE_P(KnownStates, Pictures,
    ::testing::Combine(::testing::ValuesIn(missions), ::testing::Values(0u, 16777215u, 327680u, 12345678u)),
    [](const auto& row) {
        return "mission_" + std::to_string(std::get<0>(row.param).mission) + "_state_" +
            std::to_string(std::get<1>(row.param));
    });

} // namespace
} // namespace velmo::test
