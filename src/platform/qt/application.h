#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

#include <string_view>

namespace velmo::qt {

// Shows a window model as the program's one window, with its icon built in
// and known to desktops as the entry `app_id`, and runs until the player
// closes it. Returns
// the exit status: 0 after a normal close, 1 after a run-time error.
int run_window(int argc, char** argv, std::string_view app_id, Form& form, Dispatcher& dispatcher);

} // namespace velmo::qt
