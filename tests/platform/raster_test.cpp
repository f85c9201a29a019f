#include "platform/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include <ostream>
#include <set>
#include <utility>
#include <vector>

namespace velmo {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels lit(const Raster& r)
{
    Pixels out;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (r.pixel(x, y) != colours::black)
                out.insert({x, y});
    return out;
}

struct CircleCase {
    int radius;
    Pixels expected; // relative to the centre
};

[[maybe_unused]] void PrintTo(const CircleCase& c, std::ostream* os) { *os << "radius " << c.radius; }

class SmallCircles : public ::testing::TestWithParam<CircleCase> { };

TEST_P(SmallCircles, are_one_pixel_outlines_reaching_exactly_the_radius)
{
    const auto& [radius, expected] = GetParam();
    Raster r(20, 20, colours::black);
    r.circle(10, 10, radius, colours::white);
    Pixels relative;
    for (auto [x, y] : lit(r))
        relative.insert({x - 10, y - 10});
    EXPECT_EQ(relative, expected);
}

INSTANTIATE_TEST_SUITE_P(Radius, SmallCircles,
    ::testing::Values(CircleCase{0, {{0, 0}}}, CircleCase{1, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
        CircleCase{2,
            {{2, 0}, {-2, 0}, {0, 2}, {0, -2}, {2, 1}, {2, -1}, {-2, 1}, {-2, -1}, {1, 2}, {-1, 2}, {1, -2},
                {-1, -2}}}));

TEST(Raster, circle_of_radius_19_touches_its_bounding_box_and_is_not_filled)
{
    Raster r(60, 60, colours::black);
    r.circle(30, 30, 19, colours::white);
    int left = 99, right = -1, top = 99, bottom = -1;
    for (auto [x, y] : lit(r)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    EXPECT_EQ(left, 11);
    EXPECT_EQ(right, 49);
    EXPECT_EQ(top, 11);
    EXPECT_EQ(bottom, 49);
    EXPECT_EQ(r.pixel(30, 30), colours::black);
}

// The pixels nearest the ideal segment, one per step along its longer axis;
// the cases below have no ties, so there is exactly one right answer.
Pixels ideal_line(int x1, int y1, int x2, int y2)
{
    const int dx = x2 - x1, dy = y2 - y1, n = std::max({std::abs(dx), std::abs(dy), 1});
    Pixels out;
    for (int k = 0; k <= n; ++k)
        out.insert({x1 + static_cast<int>(std::lround(1.0 * dx * k / n)),
            y1 + static_cast<int>(std::lround(1.0 * dy * k / n))});
    return out;
}

TEST(Raster, lines_light_the_nearest_pixels_from_end_to_end_in_every_direction)
{
    // Shallow, steep, diagonal, axis-aligned and a single point, into all
    // four quadrants, drawn from either end.
    const std::vector<std::pair<int, int>> spans{
        {5, 2}, {7, 3}, {9, 4}, {2, 5}, {3, 7}, {4, 4}, {6, 0}, {0, 3}, {0, 0}};
    for (auto [dx, dy] : spans)
        for (int sx : {1, -1})
            for (int sy : {1, -1})
                for (bool reverse : {false, true}) {
                    int x1 = 10, y1 = 10, x2 = 10 + sx * dx, y2 = 10 + sy * dy;
                    if (reverse) {
                        std::swap(x1, x2);
                        std::swap(y1, y2);
                    }
                    Raster r(21, 21, colours::black);
                    r.line(x1, y1, x2, y2, colours::white);
                    EXPECT_EQ(lit(r), ideal_line(x1, y1, x2, y2)) << x1 << "," << y1 << " to " << x2 << "," << y2;
                }
}

// A shape cut at the edges lights exactly the part of it that falls inside:
// the same shape drawn well inside a larger surface, cropped.
TEST(Raster, clips_exactly_at_every_edge)
{
    static constexpr int w = 9, h = 7, margin = 20;
    using Draw = void (*)(Raster&, int);
    const std::vector<std::pair<const char*, Draw>> shapes{
        {"across left and right", [](Raster& r, int o) { r.line(o - 3, o + 1, o + 12, o + 1, colours::white); }},
        {"across top and bottom", [](Raster& r, int o) { r.line(o + 2, o - 5, o + 2, o + 12, colours::white); }},
        {"sloped through two corners", [](Raster& r, int o) { r.line(o - 4, o - 2, o + 12, o + 9, colours::white); }},
        {"circle on the top-left corner", [](Raster& r, int o) { r.circle(o, o, 3, colours::white); }},
        {"circle on the bottom-right corner",
            [](Raster& r, int o) { r.circle(o + w - 1, o + h - 1, 3, colours::white); }},
        {"circle past the right edge", [](Raster& r, int o) { r.circle(o + w + 1, o + 3, 4, colours::white); }},
        {"circle past the bottom edge", [](Raster& r, int o) { r.circle(o + 4, o + h + 1, 4, colours::white); }},
        {"points one past each edge and in the last corner",
            [](Raster& r, int o) {
                for (auto [x, y] : Pixels{{w, 0}, {0, h}, {-1, 3}, {3, -1}, {w - 1, h - 1}})
                    r.pset(o + x, o + y, colours::white);
            }},
    };
    for (const auto& [name, draw] : shapes) {
        Raster small(w, h, colours::black), big(w + 2 * margin, h + 2 * margin, colours::black);
        draw(small, 0);
        draw(big, margin);
        Pixels inside;
        for (auto [x, y] : lit(big))
            if (x >= margin && x < margin + w && y >= margin && y < margin + h)
                inside.insert({x - margin, y - margin});
        EXPECT_FALSE(inside.empty()) << name;
        EXPECT_EQ(lit(small), inside) << name;
    }
}

TEST(Raster, resize_keeps_what_is_drawn_to_the_last_row_and_cls_clears_it)
{
    Raster r(17, 17, colours::black);
    r.pset(3, 4, colours::red);
    r.pset(16, 16, colours::green); // the last column of the last row
    r.resize(521, 225);
    EXPECT_EQ(r.pixel(3, 4), colours::red);
    EXPECT_EQ(r.pixel(16, 16), colours::green);
    EXPECT_EQ(lit(r).size(), 2u);
    r.pset(520, 224, colours::blue);
    EXPECT_EQ(r.pixel(520, 224), colours::blue);
    r.cls();
    EXPECT_TRUE(lit(r).empty());
}

// The area a view must repaint after each operation, from a clean start.
TEST(Raster, reports_exactly_the_area_that_changed)
{
    struct Case {
        const char* what;
        void (*op)(Raster&);
        std::array<int, 4> dirty; // left, top, right, bottom; right < left for none
    };
    constexpr std::array<int, 4> none{0, 0, -1, -1};
    const std::vector<Case> cases{
        {"nothing", [](Raster&) {}, none},
        {"a point and a line",
            [](Raster& r) {
                r.pset(10, 20, colours::white);
                r.line(30, 5, 40, 5, colours::white);
            },
            {10, 5, 40, 20}},
        {"points outside only",
            [](Raster& r) {
                r.pset(100, 3, colours::white);
                r.pset(-1, 0, colours::white);
            },
            none},
        {"a circle cut at the corner", [](Raster& r) { r.circle(98, 97, 5, colours::white); }, {93, 92, 99, 99}},
        {"Cls", [](Raster& r) { r.cls(); }, {0, 0, 99, 99}},
        {"a resize to the same size", [](Raster& r) { r.resize(100, 100); }, none},
        {"a resize", [](Raster& r) { r.resize(120, 80); }, {0, 0, 119, 79}},
    };
    for (const Case& c : cases) {
        Raster r(100, 100, colours::black);
        (void)r.take_dirty();
        c.op(r);
        const Bounds d = r.take_dirty();
        EXPECT_EQ((d.empty() ? none : std::array{d.left, d.top, d.right() - 1, d.bottom() - 1}), c.dirty) << c.what;
        EXPECT_TRUE(r.take_dirty().empty()) << c.what << ": taken once";
    }
}

} // namespace
} // namespace velmo
