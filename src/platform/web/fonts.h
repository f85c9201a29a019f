#pragma once

#include "platform/faces.h"

#include <string>

namespace velmo::web {

// A face as CSS names it, at its own size or at another: 'italic 900 19px "Velmo Black"'.
std::string css_font(const Face& face, int pixel_size = 0);
// The line height, in window pixels, that puts a label's baseline where the
// desktop puts it.
int line_height(FontRole role);
// A length of so many window pixels in CSS, at whatever scale the page shows
// the window (its --s, CSS pixels a window pixel).
std::string scaled(int window_px);
// The page's head for the faces: a preload of each, and its @font-face
// rule, which holds the first frame until the face is in.
std::string face_preloads();
std::string face_rules();

} // namespace velmo::web
