#include "application.h"

#include "dom.h"
#include "fonts.h"
#include "form_window.h"

#include <iterator>
#include <memory>

namespace velmo::web {

namespace {

struct Page {
    Form& form;
    Dispatcher& dispatcher;
    std::unique_ptr<FormWindow> window;
    std::size_t done = 0;
};

// The page's start once its faces are in, a step a task, each after a frame:
// on a slow phone none holds a click back for long. A step that is not done
// goes on after the next frame. The hidden elements are made in slices that
// leave a frame room to lay them out, within the 50 ms that browsers call a
// long task at a quarter of a laptop's speed (Lighthouse's mobile run takes
// a task at four times its length at full speed: 5 ms of making, and the
// frame's layout of it, stay under). The title screen is taken over
// after the first slice, which pays for the first calls of the view's code
// (a browser compiles the WebAssembly's functions as they are first called);
// measured at 4x slowdown, the take-over's task is then about half as long,
// and a Start during the warm-up waits for one slice, not all.
using Step = bool (*)(Page& p);
constexpr double slice_ms = 5;
constexpr Step steps[] = {
    [](Page& p) {
        p.window = std::make_unique<FormWindow>(p.form, p.dispatcher);
        return true;
    },
    [](Page& p) {
        p.window->make_hidden(slice_ms);
        return true;
    },
    [](Page& p) {
        p.window->take_over();
        return true;
    },
    [](Page& p) { return p.window->make_hidden(slice_ms); },
    [](Page&) {
        velmo_dom_mark("velmo-ready");
        return true;
    },
};

void next_step(void* page);

// The next step after a frame; at once where a press on the title screen
// waits for the take-over, which plays it.
void go_on(Page& p)
{
    if (!(p.window && p.window->taken_over()) && velmo_dom_press_waiting())
        next_step(&p);
    else
        velmo_dom_after_frame(&next_step, &p);
}

void next_step(void* page)
{
    auto* p = static_cast<Page*>(page);
    if (steps[p->done](*p))
        ++p->done;
    if (p->done < std::size(steps))
        go_on(*p);
}

} // namespace

void show_page(Form& form, Dispatcher& dispatcher)
{
    static Page page{form, dispatcher, nullptr};
    // The first step after a frame too: the script's own start is then a task
    // of its own, and the take-over another.
    velmo_dom_when_fonts_loaded(all_fonts().c_str(), [](void* p) { go_on(*static_cast<Page*>(p)); }, &page);
}

} // namespace velmo::web
