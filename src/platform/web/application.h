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
// It may pass `stage` a model as that click leaves it, for the browser to lay
// out and draw once, unseen: the first layout and paint of a screen cost
// more than any after. Once that frame is drawn, the page's performance
// timeline has a mark "velmo-ready".
using Stage = void (*)(Form& form, Dispatcher& dispatcher);
void show_page(Form& form, Dispatcher& dispatcher, void (*rehearse)(Stage stage) = nullptr);

} // namespace velmo::web
