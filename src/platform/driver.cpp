#include "driver.h"

#include "numeric.h"

#include <algorithm>

namespace velmo {

Driver::Driver(Dispatcher& dispatcher, Toolkit toolkit)
    : dispatcher_(dispatcher)
    , toolkit_(std::move(toolkit))
{
}

void Driver::click(const CommandButton& button)
{
    run([&] {
        // Ticks that fell due before the click come first, as they would have.
        dispatcher_.advance_to(toolkit_.clock());
        dispatcher_.click(button.name(), button.index());
    });
}

void Driver::woken()
{
    run([&] { dispatcher_.advance_to(toolkit_.clock()); });
}

void Driver::run(const std::function<void()>& event)
{
    if (ended_)
        return;
    try {
        event();
    } catch (const RuntimeError& e) {
        ended_ = true;
        toolkit_.wake_in(std::nullopt);
        toolkit_.failed(e.what());
        return;
    }
    toolkit_.sync();
    schedule();
}

// Quiet ticks wait for the next event, which takes them first.
void Driver::schedule()
{
    const auto due = dispatcher_.next_due();
    toolkit_.wake_in(due ? std::optional(std::clamp<Millis>(*due - toolkit_.clock(), 0, longest_wait)) : std::nullopt);
}

} // namespace velmo
