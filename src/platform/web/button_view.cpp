#include "button_view.h"

#include "dom.h"
#include "fonts.h"
#include "platform/appearance.h"

#include <string>

namespace velmo::web {

ButtonView make_button(CommandButton& model, int layer)
{
    const int id = velmo_dom_create("button", element_id(model).c_str(), "button", layer);
    const Bounds& b = model.bounds();
    velmo_dom_box(id, b.left, b.top, b.width, b.height);
    const ButtonLook look = button_look(model.face());
    velmo_dom_style(id, "background-color", Css(look.face));
    velmo_dom_style(id, "color", Css(look.ink));
    velmo_dom_style(id, "--lit", Css(look.lit));
    velmo_dom_style(id, "--shade", Css(look.shade));
    velmo_dom_style(id, "font", button_font().c_str());
    velmo_dom_style(id, "font-size", scaled(button_face.pixel_size).c_str());

    std::string caption = model.caption();
    const auto amp = caption.find('&');
    if (amp != std::string::npos) {
        caption.erase(amp, 1);
        const char key[] = {static_cast<char>(model.access_key() - 'a' + 'A'), '\0'};
        velmo_dom_attribute(id, "aria-keyshortcuts", (std::string("Alt+") + key).c_str());
    }
    velmo_dom_caption(id, caption.c_str(), amp == std::string::npos ? -1 : static_cast<int>(amp));
    // The desktop's dotted focus ring, pixel for pixel, as the page draws it
    // at its scale (start.js).
    std::string ring;
    for (const Point& p : focus_ring(b.width, b.height))
        ring += (ring.empty() ? "" : " ") + std::to_string(p.x) + ',' + std::to_string(p.y);
    velmo_dom_attribute(id, "data-ring", ring.c_str());
    velmo_dom_show(id, model.visible());
    return bind_button(model);
}

ButtonView bind_button(CommandButton& model)
{
    ButtonView v{&model, {velmo_dom_element(element_id(model).c_str()), model.visible()}};
    v.changed();
    return v;
}

bool sync_view(ButtonView& v)
{
    if (!v.changed() || v.widget.shown == v.model->visible())
        return false;
    v.widget.shown = v.model->visible();
    velmo_dom_show(v.widget.id, v.widget.shown);
    return true;
}

} // namespace velmo::web
