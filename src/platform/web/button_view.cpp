#include "button_view.h"

#include "dom.h"

namespace velmo::web {

ButtonView bind_button(CommandButton& model)
{
    ButtonView v{&model, {velmo_dom_element(element_id(model).c_str()), model.visible()}};
    v.changed();
    return v;
}

void sync_view(ButtonView& v)
{
    if (!v.changed() || v.widget.shown == v.model->visible())
        return;
    v.widget.shown = v.model->visible();
    velmo_dom_show(v.widget.id, v.widget.shown);
}

} // namespace velmo::web
