#include "line_view.h"

#include "dom.h"
#include "fonts.h"
#include "platform/appearance.h"

#include <cmath>
#include <string>

namespace velmo::web {

namespace {

// A sloped line, which the game never draws: a bar turned about its first end.
void slope(const LineView& v)
{
    const LineShape& m = *v.model;
    const double dx = m.to().x - m.from().x, dy = m.to().y - m.from().y;
    velmo_dom_box(v.widget.id, m.from().x, m.from().y - m.width() / 2,
        static_cast<int>(std::lround(std::hypot(dx, dy))), m.width());
    velmo_dom_style(v.widget.id, "transform-origin", ("0 " + scaled(m.width() / 2)).c_str());
    velmo_dom_style(v.widget.id, "transform", ("rotate(" + std::to_string(std::atan2(dy, dx)) + "rad)").c_str());
}

} // namespace

LineView make_line(LineShape& model, int layer)
{
    const int id = velmo_dom_create("div", element_id(model).c_str(), "line", layer);
    velmo_dom_attribute(id, "aria-hidden", "true");
    velmo_dom_style(id, "background-color", Css(model.colour()));
    velmo_dom_show(id, false);
    LineView v{&model, {id, {}}};
    sync_view(v);
    return v;
}

LineView bind_line(LineShape& model)
{
    LineView v{&model, {velmo_dom_element(element_id(model).c_str()), model.visible() ? line_area(model) : Bounds{}}};
    v.changed();
    return v;
}

bool sync_view(LineView& v)
{
    if (!v.changed())
        return false;
    const LineShape& m = *v.model;
    const Bounds now = m.visible() ? line_area(m) : Bounds{};
    if (now == v.widget.area)
        return false;
    velmo_dom_show(v.widget.id, !now.empty());
    if (!now.empty()) {
        if (m.from().x == m.to().x || m.from().y == m.to().y) {
            // A stroke is as wide wherever it lies; its length runs edge to edge.
            velmo_dom_box(v.widget.id, now.left, now.top, now.width, now.height);
            velmo_dom_attribute(v.widget.id, "class", m.from().y == m.to().y ? "line across" : "line down");
            velmo_dom_style(v.widget.id, "transform", "none");
        } else {
            slope(v);
        }
    }
    v.widget.area = now;
    return true;
}

} // namespace velmo::web
