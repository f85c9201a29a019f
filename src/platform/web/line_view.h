#pragma once

#include "convert.h"
#include "platform/controls.h"

namespace velmo::web {

// A line control's element and the pixels it covers now; empty when hidden.
struct LineElement {
    int id;
    Bounds area;
};
using LineView = View<LineShape, LineElement>;

// A line control as a box of its colour under the window's other elements:
// exactly the pixels the desktop paints for it.
// Made in the page's markup at build time, as the model is.
LineView make_line(LineShape& model, int layer);
// The line's element as the page came with it, showing the model as it is.
LineView bind_line(LineShape& model);
// Brings the line up to its model; returns whether it changed the page.
bool sync_view(LineView& v);

} // namespace velmo::web
