#pragma once

#include "platform/dispatcher.h"
#include "platform/form.h"

namespace velmo::web {

// Shows a window model as the page's one window once its faces are loaded, so
// that no other face flashes first. The model must outlive the page.
//
// Once the first frame is drawn, the page readies itself for the player's
// first click, once: it makes the elements the title screen leaves out, and
// calls `rehearse`, which should run the game's own code on a model of its
// own, so that the browser has compiled and optimised what that click runs.
// The page's performance timeline then has a mark "velmo-ready".
void show_page(Form& form, Dispatcher& dispatcher, void (*rehearse)() = nullptr);

} // namespace velmo::web
