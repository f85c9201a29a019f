#include "dispatcher.h"

#include <algorithm>

namespace velmo {

Dispatcher::Dispatcher(Form& form)
    : form_(form)
{
    for (Timer& t : form_.timers()) {
        std::optional<Millis> due;
        if (t.enabled())
            due = now_ + t.interval_ms();
        slots_.push_back({&t, t.switches(), due, {}, {}});
    }
}

void Dispatcher::on_click(std::string_view button, ClickHandler handler)
{
    clicks_.emplace_back(std::string(button), std::move(handler));
}

void Dispatcher::on_tick(std::string_view timer, TickHandler handler)
{
    if (Slot* s = slot(timer))
        s->handler = std::move(handler);
}

void Dispatcher::on_quiet_ticks(std::string_view timer, QuietTicksHandler handler)
{
    if (Slot* s = slot(timer))
        s->quiet = std::move(handler);
}

Dispatcher::Slot* Dispatcher::slot(std::string_view timer)
{
    auto it = std::find_if(slots_.begin(), slots_.end(), [&](const Slot& s) { return s.timer->name() == timer; });
    return it == slots_.end() ? nullptr : &*it;
}

void Dispatcher::run(const std::function<void()>& handler)
{
    busy_ = true;
    try {
        handler();
    } catch (...) {
        busy_ = false;
        throw;
    }
    busy_ = false;
    settle();
}

void Dispatcher::settle()
{
    for (Slot& s : slots_) {
        if (s.timer->switches() == s.switches_seen)
            continue;
        s.switches_seen = s.timer->switches();
        s.due = s.timer->enabled() ? std::optional<Millis>(now_ + s.timer->interval_ms()) : std::nullopt;
    }
}

bool Dispatcher::click(std::string_view button, int index)
{
    if (busy_) {
        pending_.push_back({std::string(button), index});
        return false;
    }
    CommandButton* b = form_.find_button(button, index);
    if (!b || !b->visible())
        return false;
    auto it = std::find_if(clicks_.begin(), clicks_.end(), [&](const auto& h) { return h.first == button; });
    if (it == clicks_.end())
        return false;
    take_quiet(now_, nullptr);
    run([&] { it->second(index); });
    while (!pending_.empty()) {
        Pending p = std::move(pending_.front());
        pending_.pop_front();
        click(p.button, p.index);
    }
    return true;
}

void Dispatcher::fire(Slot& s)
{
    s.due = now_ + s.timer->interval_ms();
    if (s.quiet)
        run([&] { s.quiet(1); });
    else if (s.handler)
        run(s.handler);
}

void Dispatcher::take_quiet(Millis t, const Slot* first)
{
    for (Slot& s : slots_) {
        if (!s.quiet || !s.due)
            continue;
        const Millis last = first == nullptr || &s < first ? t : t - 1;
        if (*s.due > last)
            continue;
        const Millis interval = std::max(s.timer->interval_ms(), 1);
        const Millis ticks = (last - *s.due) / interval + 1;
        s.due = *s.due + ticks * interval;
        run([&] { s.quiet(ticks); });
    }
}

void Dispatcher::catch_up()
{
    if (!busy_)
        take_quiet(now_, nullptr);
}

bool Dispatcher::tick(std::string_view timer)
{
    Slot* s = slot(timer);
    if (busy_ || !s || !s->timer->enabled())
        return false;
    take_quiet(now_, nullptr);
    fire(*s);
    return true;
}

std::optional<Dispatcher::Millis> Dispatcher::next_due() const
{
    std::optional<Millis> best;
    for (const Slot& s : slots_)
        if (!s.quiet && s.due && (!best || *s.due < *best))
            best = s.due;
    return best;
}

void Dispatcher::advance_to(Millis t)
{
    if (busy_)
        return;
    for (;;) {
        // The earliest due tick first; on a tie, the timer that comes first.
        Slot* next = nullptr;
        for (Slot& s : slots_)
            if (!s.quiet && s.due && *s.due <= t && (!next || *s.due < *next->due))
                next = &s;
        if (!next)
            break;
        take_quiet(*next->due, next);
        now_ = std::max(now_, *next->due);
        fire(*next);
    }
    now_ = std::max(now_, t);
}

} // namespace velmo
