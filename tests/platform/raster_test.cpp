#include "platform/raster.h"

#include <gtest/gtest.h>

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

TEST(Raster, lines_include_both_end_points)
{
    struct Case {
        int x1, y1, x2, y2;
        Pixels expected;
    };
    const std::vector<Case> cases{
        {2, 3, 5, 3, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        {5, 3, 2, 3, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        {4, 1, 4, 3, {{4, 1}, {4, 2}, {4, 3}}},
        {1, 1, 3, 3, {{1, 1}, {2, 2}, {3, 3}}},
        {7, 7, 7, 7, {{7, 7}}},
    };
    for (const Case& c : cases) {
        Raster r(10, 10, colours::black);
        r.line(c.x1, c.y1, c.x2, c.y2, colours::white);
        EXPECT_EQ(lit(r), c.expected) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST(Raster, clips_at_every_edge)
{
    Raster r(5, 4, colours::black);
    r.line(-3, 1, 8, 1, colours::white); // through left and right
    r.line(2, -5, 2, 9, colours::white); // through top and bottom
    r.pset(5, 0, colours::white);        // one past the right edge
    r.pset(0, 4, colours::white);        // one past the bottom
    r.pset(-1, -1, colours::white);
    r.circle(0, 0, 3, colours::white); // mostly outside
    Pixels expected{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {2, 0}, {2, 2}, {2, 3}};
    // The circle's visible arc: (3,0), (0,3) and its neighbours in the corner.
    for (auto p : lit(r)) {
        if (!expected.count(p)) {
            EXPECT_LE(p.first * p.first + p.second * p.second, 16) << p.first << "," << p.second;
        }
    }
    for (auto p : expected)
        EXPECT_EQ(r.pixel(p.first, p.second), colours::white);
    EXPECT_EQ(r.pixel(3, 0), colours::white);
    EXPECT_EQ(r.pixel(0, 3), colours::white);
}

TEST(Raster, resize_keeps_what_is_drawn_and_cls_clears_it)
{
    Raster r(17, 17, colours::black);
    r.pset(3, 4, colours::red);
    r.resize(521, 225);
    EXPECT_EQ(r.pixel(3, 4), colours::red);
    EXPECT_EQ(r.pixel(520, 224), colours::black);
    r.pset(520, 224, colours::blue);
    EXPECT_EQ(r.pixel(520, 224), colours::blue);
    r.cls();
    EXPECT_TRUE(lit(r).empty());
}

TEST(Raster, reports_only_the_area_that_changed)
{
    Raster r(100, 100, colours::black);
    (void)r.take_dirty();
    EXPECT_TRUE(r.take_dirty().empty());
    r.pset(10, 20, colours::white);
    r.line(30, 5, 40, 5, colours::white);
    const Rect d = r.take_dirty();
    EXPECT_EQ(d.left, 10);
    EXPECT_EQ(d.top, 5);
    EXPECT_EQ(d.right, 40);
    EXPECT_EQ(d.bottom, 20);
    EXPECT_TRUE(r.take_dirty().empty());
}

} // namespace
} // namespace velmo
