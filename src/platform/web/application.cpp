#include "application.h"

#include "dom.h"
#include "form_window.h"

namespace velmo::web {

void show_page(Form& form, Dispatcher& dispatcher)
{
    static FormWindow window(form, dispatcher);
    velmo_dom_mark("velmo-ready");
}

} // namespace velmo::web
