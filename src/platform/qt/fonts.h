#pragma once

#include "platform/faces.h"

#include <QFont>

namespace velmo::qt {

// A label role's face at its own pixel size, or at another (the title's,
// fitted to its text), so the layout does not move with dpi.
QFont font_for(FontRole role, int pixel_size = 0);
// The buttons' face.
QFont button_font();

} // namespace velmo::qt
