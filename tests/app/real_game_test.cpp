// Whole games through the real window, as a person plays them: the real
// binary on a virtual X server, clicks at the controls' design positions,
// access keys, Tab and Space, the real 3-second waits, and after every step a
// screenshot checked for what must and must not be on screen.

#include "screen_areas.h"

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

using namespace screen;

// What shows that mission m's picture is on screen.
bool picture_of(int m, const Shot& s)
{
    switch (m) {
    case 6:
        return s.at(16, 344) == yellow; // the measured line; mission 8's starts at 24
    case 8:
        return s.at(16, 400) == yellow; // the 170-pixel upright
    case 10:
        return s.at(16, 320) == yellow && s.at(15, 320) == black;
    default:
        return s.lit(pic1) > 0;
    }
}

struct Game {
    XSession x;
    std::unique_ptr<Program> velmo;

    void open()
    {
        ASSERT_TRUE(x.ok()) << "no X display; run under xvfb-run";
        velmo = std::make_unique<Program>(VELMO_BINARY);
        ASSERT_TRUE(x.find_window("Velmo", 15s));
        const auto title = x.wait_for([](const Shot& s) { return start.shown(s); }, 5s);
        ASSERT_TRUE(title) << "no Start button";
        EXPECT_EQ(title->lit(pic1), 0);
        EXPECT_EQ(title->lit(scores), 0);
        x.focus();
    }

    Shot expect(const char* what, int mission, const std::function<bool(const Shot&)>& check,
        std::chrono::milliseconds limit = 2s)
    {
        const auto s = x.wait_for(check, limit);
        EXPECT_TRUE(s) << what << " did not appear in mission " << mission;
        return s ? *s : x.shot();
    }

    void expect_answering(int m, const Shot& s)
    {
        SCOPED_TRACE("answering, mission " + std::to_string(m));
        EXPECT_TRUE(ready.shown(s));
        EXPECT_TRUE(minus1.shown(s));
        EXPECT_FALSE(cont.shown(s));
        EXPECT_FALSE(start.shown(s));
        EXPECT_EQ(s.lit(scores), 0);
        EXPECT_EQ(s.count_of(wait_message, grey), 0);
    }

    void expect_result(int m, const Shot& s)
    {
        SCOPED_TRACE("result, mission " + std::to_string(m));
        EXPECT_FALSE(ready.shown(s));
        EXPECT_FALSE(minus1.shown(s));
        EXPECT_GT(s.count_of(scores, green), 0);        // the row captions
        EXPECT_GT(s.count_of(right_answer, orange), 0); // "RIGHT ANSWER" and the number
        EXPECT_TRUE(picture_of(m, s));
    }

    void expect_waiting(const Shot& s)
    {
        EXPECT_EQ(s.lit(pic1), 0);
        EXPECT_EQ(s.lit(scores), 0);
        EXPECT_EQ(s.lit(right_answer), 0);
        EXPECT_FALSE(cont.shown(s));
        EXPECT_FALSE(ready.shown(s));
    }

    // Tab until the button has the focus ring, then Space.
    bool press_with_keyboard(const Button& b)
    {
        for (int i = 0; i < 20; ++i) {
            if (b.focused(x.shot())) {
                x.key(keysym::space);
                return true;
            }
            x.key(keysym::tab);
        }
        return false;
    }
};

TEST(RealGame, mouse_and_access_keys_to_the_total_and_back_to_the_title)
{
    Game g;
    g.open();
    XSession& x = g.x;
    x.click(start.centre_x(), start.centre_y());
    for (int m = 1; m <= 10; ++m) {
        const bool keys = m % 2 == 1; // odd missions by access keys, even ones by clicks
        Shot s = g.expect(
            "the picture", m, [m](const Shot& sh) { return picture_of(m, sh) && ready.shown(sh); }, 4s);
        g.expect_answering(m, s);
        if (m == 8) {
            // The step buttons move the end of the player's line (24 to 384 at first).
            EXPECT_EQ(s.at(390, 344), black);
            x.click(plus100.centre_x(), plus100.centre_y());
            g.expect("the longer line", m, [](const Shot& sh) { return sh.at(470, 344) == yellow; });
        } else {
            x.click(plus1.centre_x(), plus1.centre_y());
            x.click(minus1.centre_x(), minus1.centre_y());
        }
        if (keys)
            x.key('r', true);
        else
            x.click(ready.centre_x(), ready.centre_y());
        if (m == 10)
            break;
        s = g.expect("Continue", m, [](const Shot& sh) { return cont.shown(sh); });
        g.expect_result(m, s);
        if (keys)
            x.key('c', true);
        else
            x.click(cont.centre_x(), cont.centre_y());
        s = g.expect("the wait message", m, [](const Shot& sh) { return sh.count_of(wait_message, grey) > 0; });
        g.expect_waiting(s);
    }
    Shot over = g.expect("New game", 10, [](const Shot& sh) { return newgame.shown(sh); });
    EXPECT_FALSE(cont.shown(over));
    EXPECT_TRUE(picture_of(10, over));
    EXPECT_EQ(over.at(392, 400), white);  // the model box
    EXPECT_EQ(over.at(450, 440), yellow); // the 50 x 50 model square
    EXPECT_GT(over.count_of(scores, green), 0);
    x.key('n', true);
    Shot title = g.expect("the title screen", 10, [](const Shot& sh) { return start.shown(sh); });
    EXPECT_FALSE(newgame.shown(title));
    EXPECT_EQ(title.lit(scores), 0);
    EXPECT_EQ(title.lit(pic1), 0);
    EXPECT_EQ(title.at(392, 400), black);
    x.close();
    EXPECT_EQ(g.velmo->wait_for_exit(1s), 0);
}

TEST(RealGame, keyboard_only_to_the_total_then_closed_at_game_over)
{
    Game g;
    g.open();
    ASSERT_TRUE(g.press_with_keyboard(start)) << "Tab never reached Start";
    for (int m = 1; m <= 10; ++m) {
        g.expect(
            "the picture", m, [m](const Shot& sh) { return picture_of(m, sh) && ready.shown(sh); }, 4s);
        ASSERT_TRUE(g.press_with_keyboard(ready)) << "Tab never reached Ready in mission " << m;
        if (m == 10)
            break;
        g.expect("Continue", m, [](const Shot& sh) { return cont.shown(sh); });
        ASSERT_TRUE(g.press_with_keyboard(cont)) << "Tab never reached Continue in mission " << m;
    }
    g.expect("New game", 10, [](const Shot& sh) { return newgame.shown(sh); });
    g.x.close();
    EXPECT_EQ(g.velmo->wait_for_exit(1s), 0);
}

} // namespace
} // namespace velmo::test
