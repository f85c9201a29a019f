#include "line_painter.h"

#include "convert.h"
#include "dom.h"
#include "platform/appearance.h"

namespace velmo::web {

LinePainter::LinePainter(std::vector<LineShape>& lines, const Form& form)
    : canvas_(velmo_dom_create("canvas", "lines", "lines"))
    , back_(form.back())
{
    velmo_dom_attribute(canvas_, "aria-hidden", "true");
    velmo_dom_canvas_size(canvas_, form.width(), form.height());
    velmo_dom_fill(canvas_, 0, 0, form.width(), form.height(), Css(back_));
    for (LineShape& l : lines)
        lines_.push_back({&l, ~std::uint64_t{0}, {}});
}

int LinePainter::sync()
{
    int repaints = 0;
    for (auto& [model, seen, area] : lines_) {
        if (model->revision() == seen)
            continue;
        seen = model->revision();
        const Bounds now = model->visible() ? line_area(*model) : Bounds{};
        if (now != area) {
            const Bounds dirty = area.united(now);
            area = now;
            if (!dirty.empty()) {
                paint(dirty);
                ++repaints;
            }
        }
    }
    return repaints;
}

// The window's back colour over the area, then every line that reaches into
// it, in design order, as the desktop paints them.
void LinePainter::paint(const Bounds& area) const
{
    velmo_dom_fill(canvas_, area.left, area.top, area.width, area.height, Css(back_));
    for (const Line& l : lines_) {
        const Bounds part = l.area.intersected(area);
        if (part.empty())
            continue;
        const LineShape& m = *l.model;
        if (m.from().x == m.to().x || m.from().y == m.to().y)
            velmo_dom_fill(canvas_, part.left, part.top, part.width, part.height, Css(m.colour()));
        else
            velmo_dom_stroke(canvas_, m.from().x, m.from().y, m.to().x, m.to().y, m.width(), Css(m.colour()), part.left,
                part.top, part.width, part.height);
    }
}

} // namespace velmo::web
