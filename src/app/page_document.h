#pragma once

#include "platform/form.h"

#include <string>
#include <string_view>

namespace velmo::web {

// The page's window element with every control's, as the window is when it
// is created (build time only). A caption fitted to its label is measured
// by the metrics of its face (load_metrics) first.
std::string window_markup(Form& form);
// Text as markup, in an element or an attribute's value.
std::string escaped(std::string_view text);

} // namespace velmo::web
