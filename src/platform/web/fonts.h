#pragma once

#include "platform/controls.h"

#include <string>

namespace velmo::web {

// The faces and pixel sizes the desktop shows, shipped with the page so that
// every browser draws the same letters.
int pixel_size(FontRole role);
// A label role's CSS font, at its own size or at another.
std::string css_font(FontRole role, int pixel_size = 0);
// The line height, in window pixels, that puts a label's baseline where the
// desktop puts it.
int line_height(FontRole role, int pixel_size = 0);
// The buttons' face, the desktop's default.
inline constexpr const char* button_font = "12px \"Velmo Sans\"";
inline constexpr int button_font_size = 12;
// A length of so many window pixels in CSS, at whatever scale the page shows
// the window (its --s, CSS pixels a window pixel).
std::string scaled(int window_px);
// Every font of the window, one a line: loaded before the window is drawn.
std::string all_fonts();

} // namespace velmo::web
