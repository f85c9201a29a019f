#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

namespace velmo::web {

// Shows a window model as the page's one window once its faces are loaded, so
// that no other face flashes first. The model must outlive the page.
void show_page(Form& form, Dispatcher& dispatcher);

} // namespace velmo::web
