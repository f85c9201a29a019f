#pragma once

#include "convert.h"
#include "platform/controls.h"

namespace velmo::web {

// A picture box's canvas and the box it has on the page.
struct PictureElement {
    int id;
    Bounds bounds;
    bool shown;
};
using PictureView = View<PictureBox, PictureElement>;

// A picture box: its retained raster shown 1:1 on a canvas, no frame, no smoothing.
PictureView make_picture(PictureBox& model, Place place);
// Brings the box up to its model and copies in what was drawn on it; returns
// how many changes it made to the page.
int sync_view(PictureView& v);

} // namespace velmo::web
