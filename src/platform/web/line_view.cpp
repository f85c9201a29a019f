#include "line_view.h"

#include "dom.h"
#include "platform/appearance.h"

namespace velmo::web {

LineView bind_line(LineShape& model)
{
    LineView v{&model, {velmo_dom_element(element_id(model).c_str()), model.visible() ? line_area(model) : Bounds{}}};
    v.changed();
    return v;
}

void sync_view(LineView& v)
{
    if (!v.changed())
        return;
    const LineShape& m = *v.model;
    const Bounds now = m.visible() ? line_area(m) : Bounds{};
    if (now == v.widget.area)
        return;
    velmo_dom_show(v.widget.id, !now.empty());
    if (!now.empty()) {
        // A stroke is as wide wherever it lies; its length runs edge to edge.
        velmo_dom_box(v.widget.id, now.left, now.top, now.width, now.height);
        velmo_dom_class(v.widget.id, m.from().y == m.to().y ? "line across" : "line down");
    }
    v.widget.area = now;
}

} // namespace velmo::web
