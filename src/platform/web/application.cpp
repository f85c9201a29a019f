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
    void (*rehearse)(Stage);
    std::unique_ptr<FormWindow> window;
};

void stage(Form& form, Dispatcher& dispatcher)
{
    FormWindow understudy(form, dispatcher, FormWindow::Role::understudy);
}

void first_frame_drawn(void* page)
{
    auto* p = static_cast<Page*>(page);
    // The rehearsal first: the browser optimises the code it ran while the
    // rest goes on, on another thread.
    if (p->rehearse)
        p->rehearse(&stage);
    p->window->make_all();
}

void fonts_loaded(void* page)
{
    auto* p = static_cast<Page*>(page);
    p->window = std::make_unique<FormWindow>(p->form, p->dispatcher);
    velmo_dom_after_first_frame(&first_frame_drawn, p);
}

} // namespace

void show_page(Form& form, Dispatcher& dispatcher, void (*rehearse)(Stage))
{
    static Page page{form, dispatcher, rehearse, nullptr};
    velmo_dom_when_fonts_loaded(all_fonts().c_str(), &fonts_loaded, &page);
}

} // namespace velmo::web
