#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

namespace velmo::web {

// Shows a window model as the page's one window once its faces are loaded, so
// that no other face flashes first. The model must outlive the page.
//
// Then, after a frame each, it takes the title screen over, makes hidden the
// elements the title screen leaves out and lays them out once, so that no
// click has to; once the frame after that is drawn, the page's performance
// timeline has a mark "velmo-ready".
void show_page(Form& form, Dispatcher& dispatcher);

} // namespace velmo::web
