#include "button_view.h"

#include "dom.h"
#include "fonts.h"
#include "platform/appearance.h"

#include <string>

namespace velmo::web {

namespace {

// The desktop's dotted focus ring, pixel for pixel, as an image in the ink.
std::string focus_ring_image(const Bounds& b, Colour ink)
{
    std::string svg = "url(\"data:image/svg+xml,%3Csvg xmlns='http://www.w3.org/2000/svg' width='" +
        std::to_string(b.width) + "' height='" + std::to_string(b.height) + "' fill='%23" + (Css(ink).text + 1) +
        "'%3E%3Cpath d='";
    for (const Point& p : focus_ring(b.width, b.height))
        svg += "M" + std::to_string(p.x) + " " + std::to_string(p.y) + "h1v1h-1z";
    return svg + "'/%3E%3C/svg%3E\")";
}

} // namespace

ButtonView make_button(CommandButton& model, Place place)
{
    const int id = velmo_dom_create("button", element_id(model).c_str(), "button", place.layer, place.before);
    const Bounds& b = model.bounds();
    velmo_dom_box(id, b.left, b.top, b.width, b.height);
    const ButtonLook look = button_look(model.face());
    velmo_dom_style(id, "background-color", Css(look.face));
    velmo_dom_style(id, "color", Css(look.ink));
    velmo_dom_style(id, "--lit", Css(look.lit));
    velmo_dom_style(id, "--shade", Css(look.shade));
    velmo_dom_style(id, "--ring", focus_ring_image(b, look.ink).c_str());
    velmo_dom_style(id, "font", button_font);

    std::string caption = model.caption();
    const auto amp = caption.find('&');
    if (amp != std::string::npos) {
        caption.erase(amp, 1);
        const char key[] = {static_cast<char>(model.access_key() - 'a' + 'A'), '\0'};
        velmo_dom_attribute(id, "aria-keyshortcuts", (std::string("Alt+") + key).c_str());
    }
    velmo_dom_caption(id, caption.c_str(), amp == std::string::npos ? -1 : static_cast<int>(amp));
    velmo_dom_show(id, model.visible());
    return {&model, {id, model.visible()}};
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
