#include "driver.h"

#include "numeric.h"

#include <algorithm>

namespace velmo {

Driver::Driver(Dispatcher& dispatcher, View view)
    : dispatcher_(dispatcher)
    , view_(std::move(view))
{
}

void Driver::click(const CommandButton& button)
{
    run([&] {
        // Ticks that fell due before the click come first, as they would have.
        dispatcher_.advance_to(view_.clock());
        dispatcher_.click(button.name(), button.index());
    });
}

void Driver::woken()
{
    run([&] { dispatcher_.advance_to(view_.clock()); });
}

void Driver::run(const std::function<void()>& event)
{
    if (ended_)
        return;
    try {
        event();
    } catch (const RuntimeError& e) {
        ended_ = true;
        view_.wake_in(std::nullopt);
        view_.failed(e.what());
        return;
    }
    view_.sync();
    schedule();
}

// Quiet ticks wait for the next event, which takes them first.
void Driver::schedule()
{
    const auto due = dispatcher_.next_due();
    view_.wake_in(due ? std::optional(std::clamp<Millis>(*due - view_.clock(), 0, longest_wait)) : std::nullopt);
}

} // namespace velmo
