// The real program in a real X window (run under xvfb-run): it starts, its
// window appears with the yellow Start button at its place, and closing the
// window in any phase, or destroying it, ends the program with status 0
// within a second.

#include "screen_areas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>

namespace velmo::test {
namespace {

using namespace screen;

// The build's binary, or another (an installed one) that the caller names.
std::string binary()
{
    const char* named = std::getenv("VELMO_BINARY");
    return named ? named : VELMO_BINARY;
}

TEST(RealWindow, opens_with_start_and_closes_with_status_0)
{
    XSession x;
    ASSERT_TRUE(x.ok()) << "no X display; run under xvfb-run";
    Program velmo(binary());
    ASSERT_TRUE(x.find_window("Velmo", 15s)) << "no window named Velmo appeared";
    const auto shot = x.wait_for([](const Shot& s) { return start.shown(s); }, 5s);
    ASSERT_TRUE(shot) << "the Start button is not yellow at its place";
    EXPECT_EQ(x.size(), (std::pair{760, 555}));
    EXPECT_EQ(shot->lit(pic1), 0);
    EXPECT_EQ(shot->lit(scores), 0);
    x.close();
    EXPECT_EQ(velmo.wait_for_exit(1s), 0);
}

// No window, no process: destroyed from outside, it ends as if closed.
TEST(RealWindow, destroyed_from_outside_ends_with_status_0)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    Program velmo(binary());
    ASSERT_TRUE(x.find_window("Velmo", 15s));
    ASSERT_TRUE(x.wait_for([](const Shot& s) { return start.shown(s); }, 5s));
    x.destroy();
    EXPECT_EQ(velmo.wait_for_exit(1s), 0);
}

// Window lists get the icon at 16, 32 and 48 pixels, each the image drawn
// for that size; the theme has the rest.
TEST(RealWindow, gives_window_lists_the_icon_at_16_32_and_48_pixels)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    Program velmo(binary());
    ASSERT_TRUE(x.find_window("Velmo", 15s));
    const auto icon = x.property("_NET_WM_ICON");
    std::set<int> sizes;
    for (std::size_t at = 0; at + 2 <= icon.size(); at += 2 + std::size_t{icon[at]} * icon[at + 1]) {
        const int size = static_cast<int>(icon[at]);
        ASSERT_EQ(icon[at + 1], icon[at]) << "not square";
        ASSERT_LE(at + 2 + std::size_t{icon[at]} * icon[at + 1], icon.size());
        sizes.insert(size);
        std::ifstream drawn(std::string(VELMO_SOURCE_DIR "/data/icons/window/") + std::to_string(size) + "x" +
                std::to_string(size) + ".rgb",
            std::ios::binary);
        ASSERT_TRUE(drawn) << "no image drawn at " << size;
        for (int p = 0; p < size * size; ++p) {
            unsigned char rgb[3];
            drawn.read(reinterpret_cast<char*>(rgb), 3);
            ASSERT_EQ(icon[at + 2 + p], 0xFF000000u | rgb[0] << 16 | rgb[1] << 8 | rgb[2])
                << size << " px, pixel " << p;
        }
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
    x.close();
    EXPECT_EQ(velmo.wait_for_exit(1s), 0);
}

// Minimised (a window manager unmaps the window) and restored, the game goes
// on: only a destroyed window ends it.
TEST(RealWindow, lives_through_a_minimise_and_a_restore)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    Program velmo(binary());
    ASSERT_TRUE(x.find_window("Velmo", 15s));
    ASSERT_TRUE(x.wait_for([](const Shot& s) { return start.shown(s); }, 5s));
    x.unmap();
    EXPECT_FALSE(velmo.wait_for_exit(500ms)) << "the game ended when its window was unmapped";
    x.map();
    ASSERT_TRUE(x.find_window("Velmo", 5s));
    EXPECT_TRUE(x.wait_for([](const Shot& s) { return start.shown(s); }, 5s));
    x.close();
    EXPECT_EQ(velmo.wait_for_exit(1s), 0);
}

// How to reach each phase: the access keys of buttons in turn (each pressed
// once its button is on screen, as a player would), and what shows the phase.
struct PhaseCase {
    const char* name;
    std::vector<std::pair<char, Button>> keys;
    bool (*reached)(const Shot&);
};

void PrintTo(const PhaseCase& c, std::ostream* os) { *os << c.name; }

class ClosingIn : public ::testing::TestWithParam<PhaseCase> { };

TEST_P(ClosingIn, any_phase_ends_the_program_with_status_0_within_a_second)
{
    const PhaseCase& c = GetParam();
    XSession x;
    ASSERT_TRUE(x.ok());
    Program velmo(binary());
    ASSERT_TRUE(x.find_window("Velmo", 15s));
    ASSERT_TRUE(x.wait_for([](const Shot& s) { return start.shown(s); }, 5s));
    x.focus();
    for (const auto& [k, button] : c.keys) {
        ASSERT_TRUE(x.wait_for([&](const Shot& sh) { return button.shown(sh); }, 3s)) << "no button for Alt+" << k;
        x.key(static_cast<std::uint32_t>(k), true);
    }
    ASSERT_TRUE(x.wait_for(c.reached, 3s)) << "did not reach the " << c.name << " phase";
    x.close();
    EXPECT_EQ(velmo.wait_for_exit(1s), 0);
}

INSTANTIATE_TEST_SUITE_P(Phases, ClosingIn,
    ::testing::Values(PhaseCase{"title", {}, [](const Shot& s) { return start.shown(s); }},
        PhaseCase{"answering", {{'s', start}}, [](const Shot& s) { return ready.shown(s); }},
        PhaseCase{"result", {{'s', start}, {'r', ready}}, [](const Shot& s) { return cont.shown(s); }},
        PhaseCase{"waiting", {{'s', start}, {'r', ready}, {'c', cont}},
            [](const Shot& s) { return s.count_of(wait_message, grey) > 0; }}),
    [](const auto& phase) { return std::string(phase.param.name); });

// At twice the scale the window is twice the size, laid out the same, and the
// drawing surface is crisp: each of its pixels a 2 x 2 block, none smoothed.
TEST(RealWindow, at_scale_2_is_twice_the_size_and_draws_crisply)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    Program velmo(binary(), {"QT_SCALE_FACTOR=2"});
    ASSERT_TRUE(x.find_window("Velmo", 15s));
    EXPECT_EQ(x.size(), (std::pair{1520, 1110}));
    ASSERT_TRUE(x.wait_for([&](const Shot& s) { return start.shown(s, 2); }, 5s));
    x.focus();
    x.key('s', true);
    const auto shot = x.wait_for([&](const Shot& s) { return s.lit({32, 640, 1073, 1089}) > 0; }, 3s);
    ASSERT_TRUE(shot) << "mission 1 drew nothing";
    EXPECT_TRUE(ready.shown(*shot, 2));
    long white_blocks = 0;
    for (int y = 640; y < 640 + 450; y += 2)
        for (int x2 = 32; x2 < 32 + 1042; x2 += 2) {
            const auto p = shot->at(x2, y);
            ASSERT_TRUE(p == shot->at(x2 + 1, y) && p == shot->at(x2, y + 1) && p == shot->at(x2 + 1, y + 1))
                << "not a 2 x 2 block at " << x2 << "," << y;
            ASSERT_TRUE(p == black || p == white) << "a smoothed pixel at " << x2 << "," << y;
            white_blocks += p == white;
        }
    EXPECT_GT(white_blocks, 100);
    x.close();
    EXPECT_EQ(velmo.wait_for_exit(1s), 0);
}

} // namespace
} // namespace velmo::test
