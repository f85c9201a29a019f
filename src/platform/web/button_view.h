#pragma once

#include "convert.h"
#include "platform/controls.h"

namespace velmo::web {

// A button's element and whether it shows, for the focus to know where it may go.
struct ButtonElement {
    int id;
    bool shown;
};
using ButtonView = View<CommandButton, ButtonElement>;

// A real <button> whose face is exactly its colour, with a bevel, its caption
// (access key underlined) and a dotted ring when it has the focus: made in
// the page's markup at build time, as the model is.
ButtonView make_button(CommandButton& model, int layer);
// The button's element as the page came with it, showing the model as it is.
ButtonView bind_button(CommandButton& model);
// Brings the button up to its model; returns whether it changed the page.
bool sync_view(ButtonView& v);

} // namespace velmo::web
