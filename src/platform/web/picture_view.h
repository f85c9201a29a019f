#pragma once

#include "convert.h"
#include "platform/controls.h"
#include "platform/screen.h"

namespace velmo::web {

// A picture box's canvas, the box it has on the page, and its size in
// screen pixels at the scale it was last drawn at.
struct PictureElement {
    int id;
    Bounds bounds;
    bool shown;
    ScreenScale scale{};
    int width = -1, height = -1;
};
using PictureView = View<PictureBox, PictureElement>;

// A picture box's canvas as the page came with it (page_writer.h): its
// retained raster with a pixel for each screen pixel of its box, each screen
// pixel the mean of the raster's area it covers (see resample), so that no
// browser scales it; no frame.
PictureView bind_picture(PictureBox& model);
// Brings the box up to its model at the window's scale and copies in what was
// drawn on it.
void sync_view(PictureView& v, ScreenScale scale);

} // namespace velmo::web
