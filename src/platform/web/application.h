#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

namespace velmo::web {

// Shows a window model as the page's one window once its faces are loaded, so
// that no other face flashes first. The model must outlive the page.
//
// Once the first frame is drawn, the page readies itself for the player's
// first click, once: it makes, hidden, the elements the title screen leaves
// out, so that no click has to build them. Once the frame after that is
// drawn, the page's performance timeline has a mark "velmo-ready".
void show_page(Form& form, Dispatcher& dispatcher);

} // namespace velmo::web
