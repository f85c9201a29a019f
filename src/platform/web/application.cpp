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

void fonts_loaded(void* page)
{
    auto* p = static_cast<Page*>(page);
    p->window = std::make_unique<FormWindow>(p->form, p->dispatcher);
}

} // namespace

void show_page(Form& form, Dispatcher& dispatcher)
{
    static Page page{form, dispatcher, nullptr};
    velmo_dom_when_fonts_loaded(all_fonts().c_str(), &fonts_loaded, &page);
}

} // namespace velmo::web
