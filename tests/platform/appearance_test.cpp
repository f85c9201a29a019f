// The rules by which every view draws what the model only names.
#include "platform/appearance.h"
#include "platform/screen.h"

#include <gtest/gtest.h>

#include <array>

namespace velmo {
namespace {

using namespace colours;

// A raised button as the desktop's toolkit draws one: edges half as bright
// again (paler where the value cannot grow) and half as bright, and a black
// caption on a face whose luma is above half, white on one at or below.
TEST(ButtonLook, lights_shades_and_inks_each_face)
{
    struct Case {
        Colour face, lit, shade, ink;
    };
    for (const Case& c : std::array<Case, 7>{{
             {yellow, 0x7FFFFF, 0x007F7F, black},
             {green, 0x7FFF7F, 0x007F00, black},
             {blue, 0xFF7F7F, 0x7F0000, white},
             {red, 0x7F7FFF, 0x00007F, white},
             {magenta, 0xFF7FFF, 0x7F007F, white},
             {orange, 0x7FC0FF, 0x00407F, black},
             {grey, 0xC0C0C0, 0x404040, white}, // luma exactly half
         }}) {
        const ButtonLook look = button_look(c.face);
        EXPECT_EQ((std::array{look.face, look.lit, look.shade, look.ink}), (std::array{c.face, c.lit, c.shade, c.ink}))
            << std::hex << c.face;
    }
}

// Every third pixel of the path two pixels inside the edge, clockwise from
// the top-left corner, starting with the second; the corner itself where the
// count comes round to it.
TEST(FocusRing, dots_every_third_pixel_of_its_path)
{
    struct Case {
        int width, height;
        std::size_t dots;
        Point first, last;
    };
    for (const Case& c : std::array<Case, 3>{{
             {97, 25, 75, {3, 2}, {2, 3}}, // the flow buttons: a path of 224 pixels
             {25, 17, 22, {3, 2}, {2, 2}}, // "-1": 64 pixels, so the corner closes it
             {353, 17, 240, {3, 2}, {2, 4}}, // Ready: 720 pixels
         }}) {
        const std::vector<Point> ring = focus_ring(c.width, c.height);
        ASSERT_EQ(ring.size(), c.dots) << c.width << "x" << c.height;
        EXPECT_EQ(ring.front(), c.first);
        EXPECT_EQ(ring.back(), c.last);
        for (const Point& p : ring)
            EXPECT_TRUE(p.x == 2 || p.y == 2 || p.x == c.width - 3 || p.y == c.height - 3);
    }
    EXPECT_TRUE(focus_ring(5, 5).empty());
}

// From the first end up to, not including, the second; as wide as the line.
TEST(LineArea, runs_from_the_first_end_to_the_second_across_or_down)
{
    struct Case {
        const char* what;
        Point from, to;
        int width;
        Bounds area;
    };
    for (const Case& c : std::array<Case, 7>{{
             {"across, rightwards", {16, 344}, {746, 344}, 2, {16, 344, 730, 2}},
             {"across, leftwards", {746, 344}, {16, 344}, 2, {17, 344, 730, 2}},
             {"down", {392, 352}, {392, 544}, 1, {392, 352, 1, 192}},
             {"up", {392, 544}, {392, 352}, 1, {392, 353, 1, 192}},
             {"no width is one pixel", {0, 0}, {5, 0}, 0, {0, 0, 5, 1}},
             {"a point", {7, 7}, {7, 7}, 2, {}},
             {"sloped", {0, 0}, {9, 4}, 2, {}},
         }}) {
        LineShape line("Line", -1, {white, c.width, c.from, c.to});
        EXPECT_EQ(line_area(line), c.area) << c.what;
    }
}

TEST(FittedPixelSize, shrinks_only_a_text_too_wide_for_its_label)
{
    struct Case {
        int size, text_width, label_width, fitted;
    };
    for (const Case& c : std::array<Case, 5>{{
             {96, 300, 305, 96},
             {96, 305, 305, 96},
             {96, 380, 305, 76}, // 96 x 305 / 380 = 77.05, less a pixel to spare
             {96, 0, 305, 96},
             {96, 100000, 305, 8}, // never below 8 pixels
         }})
        EXPECT_EQ(fitted_pixel_size(c.size, c.text_width, c.label_width), c.fitted) << c.text_width;
}

// The screen pixels a view resamples after a draw on a picture.
TEST(Affected, an_area_of_a_picture_reaches_the_screen_pixels_it_covers)
{
    struct Case {
        Bounds changed;
        int to;
        Bounds screen;
    };
    for (const Case& c : std::array<Case, 4>{{
             {{3, 4, 2, 1}, 10, {3, 4, 2, 1}},
             {{3, 4, 2, 1}, 20, {6, 8, 4, 2}},
             {{3, 4, 2, 1}, 15, {4, 6, 4, 2}}, // 4.5 to 7.5 across, 6 to 7.5 down
             {{}, 15, {}},
         }})
        EXPECT_EQ(affected(c.changed, 10, 10, c.to, c.to), c.screen) << c.to;
}

} // namespace
} // namespace velmo
