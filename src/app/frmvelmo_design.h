#pragma once

#include "platform/form.h"

namespace velmo {

// The design values of the main window and all 59 of its controls.
const FormDesign& frmvelmo_design();

} // namespace velmo
