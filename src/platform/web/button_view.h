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

// The button's element as the page came with it (page_writer.h): a real
// <button> whose face is exactly its colour, with a bevel, its caption
// (access key underlined) and a dotted ring when it has the focus.
ButtonView bind_button(CommandButton& model);
// Brings the button up to its model.
void sync_view(ButtonView& v);

} // namespace velmo::web
