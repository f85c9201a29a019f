#include "application.h"

#include "dom.h"
#include "fonts.h"
#include "form_window.h"

#include <memory>

namespace velmo::web {

namespace {

struct Page {
    Form& form;
    Dispatcher& dispatcher;
    std::unique_ptr<FormWindow> window;
};

// The page's start: each step a task of its own after a frame, so that a
// click that comes meanwhile waits for one step at most.

void ready(void*) { velmo_dom_mark("velmo-ready"); }

void title_screen_drawn(void* page)
{
    static_cast<Page*>(page)->window->make_all();
    velmo_dom_after_frame(&ready, page);
}

void fonts_loaded(void* page)
{
    auto* p = static_cast<Page*>(page);
    p->window = std::make_unique<FormWindow>(p->form, p->dispatcher);
    velmo_dom_after_frame(&title_screen_drawn, p);
}

} // namespace

void show_page(Form& form, Dispatcher& dispatcher)
{
    static Page page{form, dispatcher, nullptr};
    velmo_dom_when_fonts_loaded(all_fonts().c_str(), &fonts_loaded, &page);
}

} // namespace velmo::web
