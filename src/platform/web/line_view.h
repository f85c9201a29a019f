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

// The line's element as the page came with it (page_writer.h): a box of its
// colour under the window's other elements, exactly the pixels the desktop
// paints for it.
LineView bind_line(LineShape& model);
// Brings the line up to its model.
void sync_view(LineView& v);

} // namespace velmo::web
