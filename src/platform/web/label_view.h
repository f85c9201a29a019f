#pragma once

#include "convert.h"
#include "platform/controls.h"

#include <string>

namespace velmo::web {

// A label's element and what it shows, so that only a real change reaches the page.
struct LabelElement {
    int id;
    std::string caption;
    Colour fore, back;
    Bounds bounds;
    bool shown;
};
using LabelView = View<Label, LabelElement>;

// A plain-text label in its role's face, on the window: made in the page's
// markup at build time, as the model is.
LabelView make_label(Label& model, int layer);
// The label's element as the page came with it, showing the model as it is.
LabelView bind_label(Label& model);
// Brings the label up to its model; returns whether it changed the page.
bool sync_view(LabelView& v);

} // namespace velmo::web
