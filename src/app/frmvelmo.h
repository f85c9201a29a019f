#pragma once

// The main window as a model, and the surface the tests drive it through
// without a screen: create it in its design state, click its buttons, fire
// or let pass its timers, and read any control and the random state.

#include "game/game.h"
#include "platform/dispatcher.h"
#include "platform/form.h"

#include <cstdint>
#include <string_view>

namespace velmo {

// How Tmr1's ticks reach the game. Nothing on screen shows a tick, so by
// default they are taken when something next reads what they drew; the
// alternative fires each one in time, for tests that prove the two the same.
enum class Tmr1Ticks { when_read, each_in_time };

class Frmvelmo {
public:
    // The window in its design state, with Tmr1 running and the clock at 0.
    explicit Frmvelmo(Tmr1Ticks ticks = Tmr1Ticks::when_read);
    Frmvelmo(const Frmvelmo&) = delete;
    Frmvelmo& operator=(const Frmvelmo&) = delete;

    // A click as the player makes it: hidden buttons and unknown names take
    // none. Returns whether a handler ran.
    bool click(std::string_view button, int index = -1) { return dispatcher_.click(button, index); }
    // Alt+letter: clicks the visible button whose caption has that access key.
    bool access_key(char letter);
    // One tick of a named timer now, if it is enabled.
    bool tick(std::string_view timer) { return dispatcher_.tick(timer); }
    // Lets time pass on the virtual clock, firing every due tick in order.
    void advance(Dispatcher::Millis ms) { dispatcher_.advance(ms); }

    const Label& label(std::string_view name, int index = -1) { return form_.label(name, index); }
    const CommandButton& button(std::string_view name, int index = -1) { return form_.button(name, index); }
    const PictureBox& picture(std::string_view name) { return form_.picture(name); }
    const LineShape& line(std::string_view name, int index = -1) { return form_.line(name, index); }
    const Timer& timer(std::string_view name) { return form_.timer(name); }
    Colour pixel(std::string_view picture, int x, int y) { return form_.picture(picture).raster().pixel(x, y); }

    // Reads take the Tmr1 ticks that fell due first, as a click would.
    std::uint32_t rng_state() { return state().rnd.state(); }
    void set_rng_state(std::uint32_t s)
    {
        dispatcher_.catch_up();
        game_.state.rnd.set_state(s);
    }
    const GameState& state()
    {
        dispatcher_.catch_up();
        return game_.state;
    }

    // For the view and for tests that need the whole model.
    Form& form() { return form_; }
    Dispatcher& dispatcher() { return dispatcher_; }
    Game& game() { return game_; }

private:
    Form form_;
    Game game_;
    Dispatcher dispatcher_;
};

} // namespace velmo
