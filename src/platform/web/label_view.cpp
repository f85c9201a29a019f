#include "label_view.h"

#include "dom.h"

namespace velmo::web {

LabelView bind_label(Label& model)
{
    LabelView v{&model, {velmo_dom_element(element_id(model).c_str()), model.caption(), model.fore(), model.bounds(),
                            model.visible()}};
    v.changed();
    return v;
}

void sync_view(LabelView& v)
{
    if (!v.changed())
        return;
    const Label& model = *v.model;
    LabelElement& e = v.widget;
    if (e.caption != model.caption()) {
        e.caption = model.caption();
        velmo_dom_text(e.id, e.caption.c_str());
    }
    if (e.fore != model.fore()) {
        e.fore = model.fore();
        velmo_dom_style(e.id, "color", Css(e.fore));
    }
    if (e.bounds != model.bounds()) {
        e.bounds = model.bounds();
        velmo_dom_box(e.id, e.bounds.left, e.bounds.top, e.bounds.width, e.bounds.height);
    }
    if (e.shown != model.visible()) {
        e.shown = model.visible();
        velmo_dom_show(e.id, e.shown);
    }
}

} // namespace velmo::web
