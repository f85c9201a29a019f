#pragma once

#include "form.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {

// Delivers clicks and timer ticks to their handlers one at a time, never
// inside another handler, on a clock that is either virtual (tests advance
// it) or driven by a toolkit from real time. Timers are re-armed from their
// Enabled switches after every handler, so switching one off and on again
// inside a handler restarts its interval.
class Dispatcher {
public:
    using Millis = std::int64_t;
    using ClickHandler = std::function<void(int index)>;
    using TickHandler = std::function<void()>;
    using QuietTicksHandler = std::function<void(std::int64_t ticks)>;

    explicit Dispatcher(Form& form);

    void on_click(std::string_view button, ClickHandler handler);
    void on_tick(std::string_view timer, TickHandler handler);
    // A timer whose ticks change nothing on screen and switch no timer need
    // not wake anyone: the ticks that fell due are taken together, by one call
    // with their count, just before the next click, the next tick of another
    // timer (in time order, ties in design order) or catch_up(). The handler
    // must leave the game as that many single ticks would.
    void on_quiet_ticks(std::string_view timer, QuietTicksHandler handler);

    // A click as a player makes it: only a visible button takes it. Returns
    // whether a handler ran. A click raised from inside a handler waits for it.
    bool click(std::string_view button, int index = -1);
    // One tick of a named timer, now, if it is enabled; returns whether it ran.
    bool tick(std::string_view timer);

    Millis now() const { return now_; }
    // Moves the clock on, firing every due tick in time order on the way.
    void advance(Millis ms) { advance_to(now_ + ms); }
    void advance_to(Millis t);
    // When the earliest enabled timer that is not quiet is due, if any is.
    std::optional<Millis> next_due() const;
    // Takes the quiet ticks that fell due up to now.
    void catch_up();

private:
    struct Slot {
        Timer* timer;
        std::uint64_t switches_seen;
        std::optional<Millis> due;
        TickHandler handler;
        QuietTicksHandler quiet;
    };
    struct Pending {
        std::string button;
        int index;
    };

    void run(const std::function<void()>& handler);
    void settle();
    void fire(Slot& slot);
    // The quiet ticks due before t, and those due at t of timers listed before `first`.
    void take_quiet(Millis t, const Slot* first);
    Slot* slot(std::string_view timer);

    Form& form_;
    std::vector<Slot> slots_;
    std::vector<std::pair<std::string, ClickHandler>> clicks_;
    std::deque<Pending> pending_;
    Millis now_ = 0;
    bool busy_ = false;
};

} // namespace velmo
