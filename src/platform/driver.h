#pragma once

#include "dispatcher.h"

#include <functional>
#include <optional>

namespace velmo {

// Runs a dispatcher on a view's real clock: a click or a wake-up is one
// event, the ticks that fell due before it first; the view catches up after
// each, and is woken only for a timer whose tick someone sees. A run-time
// error ends the game: no event runs after it.
class Driver {
public:
    using Millis = Dispatcher::Millis;
    // The longest wait asked for: a toolkit's timer holds it in an int.
    static constexpr Millis longest_wait = Millis{1} << 30;

    struct Toolkit {
        std::function<Millis()> clock;                      // ms since the window came
        std::function<void(std::optional<Millis>)> wake_in; // none: no wake-up at all
        std::function<void()> sync;                         // the view up to the model
        std::function<void(const char* what)> failed;
    };

    Driver(Dispatcher& dispatcher, Toolkit toolkit);

    void click(const CommandButton& button);
    void woken();
    // After the view has shown the model as it is: asks for the first wake-up.
    void start() { schedule(); }
    bool ended() const { return ended_; }

private:
    void run(const std::function<void()>& event);
    void schedule();

    Dispatcher& dispatcher_;
    Toolkit toolkit_;
    bool ended_ = false;
};

} // namespace velmo
