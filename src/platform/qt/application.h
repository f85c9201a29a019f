#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

#include <initializer_list>
#include <string_view>

namespace velmo::qt {

// Shows a window model as the program's one window, with the given icon
// images (XPM data), and runs until the player closes it. Returns the exit
// status: 0 after a normal close, 1 after a run-time error.
int run_window(int argc, char** argv, std::string_view desktop_id, Form& form, Dispatcher& dispatcher,
    std::initializer_list<const char* const*> xpm_icons);

} // namespace velmo::qt
