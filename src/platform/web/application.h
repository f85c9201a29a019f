#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

namespace velmo::web {

// Shows a window model as the page's one window, whose markup the page came
// with, and answers from now on; the page's performance timeline then has a
// mark "velmo-ready". The model must outlive the page.
void show_page(Form& form, Dispatcher& dispatcher);

} // namespace velmo::web
