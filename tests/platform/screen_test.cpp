#include "platform/screen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velmo {
namespace {

// The screens a window meets: whole scales, laptops at 125 % to 175 %,
// phones, and windows shrunk below one screen pixel a pixel.
constexpr double scales[] = {1, 2, 3, 1.25, 1.5, 1.75, 2.625, 1.84, 0.9, 0.54};

struct Shown {
    int width, height;
    std::vector<std::uint32_t> pixels;
};

Shown show(const std::vector<std::uint32_t>& argb, int width, int height, ScreenScale s)
{
    Shown out{s.edge(width), s.edge(height), {}};
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
    resample(argb, width, height, out.width, out.height, {0, out.width}, {0, out.height}, out.pixels, out.width);
    return out;
}

double light(const Shown& s)
{
    double sum = 0;
    for (std::uint32_t p : s.pixels)
        sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    return sum / (3 * 255);
}

class OnEveryScreen : public ::testing::TestWithParam<double> { };

// Judging sizes and counts needs every dot alike: a lone white pixel lights
// the same screen area, a scale squared, at each of its places.
TEST_P(OnEveryScreen, a_lone_pixel_keeps_its_light_wherever_it_falls)
{
    const ScreenScale s = ScreenScale::nearest(GetParam());
    constexpr int size = 24;
    for (int at = 0; at < 8; ++at) {
        std::vector<std::uint32_t> argb(size * size, 0xFF000000u);
        argb[at * size + at + 8] = 0xFFFFFFFFu;
        const Shown shown = show(argb, size, size, s);
        const double expected = double(shown.width) / size * shown.height / size;
        // Less the rounding of the (at most four) screen pixels it shares to whole levels.
        EXPECT_NEAR(light(shown), expected, 0.01 * expected + 2.0 / 255) << "pixel at " << at;
    }
}

// A view redraws only the screen pixels a change can reach; none outside them may change.
TEST_P(OnEveryScreen, a_change_reaches_only_its_affected_screen_pixels)
{
    const ScreenScale s = ScreenScale::nearest(GetParam());
    constexpr int width = 31, height = 7;
    std::vector<std::uint32_t> argb(width * height, 0xFF000000u);
    const Shown before = show(argb, width, height, s);
    for (int x : {0, 1, 13, 30}) {
        std::vector<std::uint32_t> changed = argb;
        changed[3 * width + x] = 0xFFFFFFFFu;
        const Shown after = show(changed, width, height, s);
        const Span columns = affected({x, x + 1}, width, after.width), rows = affected({3, 4}, height, after.height);
        for (int v = 0; v < after.height; ++v)
            for (int u = 0; u < after.width; ++u) {
                if (after.pixels[v * after.width + u] != before.pixels[v * after.width + u]) {
                    ASSERT_TRUE(u >= columns.first && u < columns.end && v >= rows.first && v < rows.end)
                        << "pixel " << x << " changed screen pixel " << u << "," << v;
                }
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, OnEveryScreen, ::testing::ValuesIn(scales));

// Where a pixel is a whole number of screen pixels, it is exactly a block of them.
TEST(ScreenScale, a_whole_scale_shows_blocks)
{
    std::vector<std::uint32_t> argb(5 * 3);
    for (std::size_t i = 0; i < argb.size(); ++i)
        argb[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x0B1D2F);
    for (int k : {1, 2, 3}) {
        const Shown shown = show(argb, 5, 3, ScreenScale(k * ScreenScale::one));
        for (int v = 0; v < shown.height; ++v)
            for (int u = 0; u < shown.width; ++u)
                ASSERT_EQ(shown.pixels[v * shown.width + u], argb[(v / k) * 5 + u / k]) << k << ": " << u << "," << v;
    }
}

// Edges round half up, as CSS's round() does, so that the page's boxes and
// its canvases agree; strokes are one width everywhere.
TEST(ScreenScale, edges_fall_on_whole_pixels_and_strokes_keep_one_width)
{
    struct Case {
        double scale;
        int window_px, edge, stroke_of_1, stroke_of_2;
    };
    for (const Case c : {Case{1.5, 41, 62, 2, 3}, {1.5, 40, 60, 2, 3}, {1.25, 2, 3, 1, 3}, {1.25, 392, 490, 1, 3},
             {2.625, 16, 42, 3, 5}, {0.54, 7, 4, 1, 1}, {1, 760, 760, 1, 2}}) {
        const ScreenScale s = ScreenScale::nearest(c.scale);
        EXPECT_EQ(s.edge(c.window_px), c.edge) << c.scale << " at " << c.window_px;
        EXPECT_EQ(s.stroke(1), c.stroke_of_1);
        EXPECT_EQ(s.stroke(2), c.stroke_of_2);
    }
}

} // namespace
} // namespace velmo
