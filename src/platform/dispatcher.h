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
// Enabled switches after every handler, as the real runtime would.
class Dispatcher {
public:
    using Millis = std::int64_t;
    using ClickHandler = std::function<void(int index)>;
    using TickHandler = std::function<void()>;

    explicit Dispatcher(Form& form);

    void on_click(std::string_view button, ClickHandler handler);
    void on_tick(std::string_view timer, TickHandler handler);

    // A click as a player makes it: only a visible button takes it. Returns
    // whether a handler ran. A click raised from inside a handler waits for it.
    bool click(std::string_view button, int index = -1);
    // One tick of a named timer, now, if it is enabled; returns whether it ran.
    bool tick(std::string_view timer);

    Millis now() const { return now_; }
    // Moves the clock on, firing every due tick in time order on the way.
    void advance(Millis ms) { advance_to(now_ + ms); }
    void advance_to(Millis t);
    // When the earliest enabled timer is due, if any is.
    std::optional<Millis> next_due() const;

private:
    struct Slot {
        Timer* timer;
        std::uint64_t switches_seen;
        std::optional<Millis> due;
        TickHandler handler;
    };
    struct Pending {
        std::string button;
        int index;
    };

    void run(const std::function<void()>& handler);
    void settle();
    void fire(Slot& slot);
    Slot* slot(std::string_view timer);

    Form& form_;
    std::vector<Slot> slots_;
    std::vector<std::pair<std::string, ClickHandler>> clicks_;
    std::deque<Pending> pending_;
    Millis now_ = 0;
    bool busy_ = false;
};

} // namespace velmo
