#pragma once

#include "convert.h"
#include "platform/controls.h"

#include <string>

namespace velmo::web {

// A label's element and what it shows, so that only a real change reaches the page.
struct LabelElement {
    int id;
    std::string caption;
    Colour fore;
    Bounds bounds;
    bool shown;
};
using LabelView = View<Label, LabelElement>;

// The label's element as the page came with it (page_writer.h), in its
// role's face, showing the model as it is.
LabelView bind_label(Label& model);
// Brings the label up to its model.
void sync_view(LabelView& v);

} // namespace velmo::web
