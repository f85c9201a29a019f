#pragma once

#include "platform/faces.h"

#include <string>

namespace velmo::web {

// A label role's CSS font, at its own size or at another.
std::string css_font(FontRole role, int pixel_size = 0);
// The line height, in window pixels, that puts a label's baseline where the
// desktop puts it.
int line_height(FontRole role, int pixel_size = 0);
// The buttons' face.
std::string button_font();
// A length of so many window pixels in CSS, at whatever scale the page shows
// the window (its --s, CSS pixels a window pixel).
std::string scaled(int window_px);

} // namespace velmo::web
