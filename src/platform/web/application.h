#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

namespace velmo::web {

// Shows a window model as the page's one window once its faces are loaded, so
// that no other face flashes first. The model must outlive the page.
//
// Then, a task each after a frame: it makes hidden a first slice of the
// elements the title screen leaves out, takes the title screen over (from
// then on the window answers, a click or key on the title screen before then
// played), and makes the rest; once the frame after that is drawn, the page's
// performance timeline has a mark "velmo-ready".
void show_page(Form& form, Dispatcher& dispatcher);

} // namespace velmo::web
