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
// (access key underlined) and a dotted ring when it has the focus.
ButtonView make_button(CommandButton& model, Place place);
// Brings the button up to its model; returns whether it changed the page.
bool sync_view(ButtonView& v);

} // namespace velmo::web
