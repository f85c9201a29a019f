#include "line_painter.h"

#include "convert.h"
#include "platform/appearance.h"

#include <QPainter>
#include <QWidget>

namespace velmo::qt {

LinePainter::LinePainter(std::vector<LineShape>& lines, QWidget& window)
    : window_(window)
{
    for (LineShape& l : lines)
        lines_.push_back({&l, ~std::uint64_t{0}, {}});
}

int LinePainter::sync()
{
    int requests = 0;
    for (auto& [model, seen, area] : lines_) {
        if (model->revision() == seen)
            continue;
        seen = model->revision();
        const QRect now = model->visible() ? qrect(line_area(*model)) : QRect();
        if (now != area) {
            const QRect dirty = area.united(now);
            if (!dirty.isEmpty()) {
                window_.update(with_rounding(dirty));
                ++requests;
            }
            area = now;
        }
    }
    return requests;
}

void LinePainter::paint(QPainter& p, const QRect& area) const
{
    const QTransform window_pixels = p.worldTransform();
    const ScreenScale scale = paint_on_screen(p, {});
    for (const auto& l : lines_) {
        if (l.area.isEmpty() || !l.area.intersects(with_rounding(area)))
            continue;
        const LineShape& m = *l.model;
        const QColor c = qcolor(m.colour());
        if (m.from().x == m.to().x || m.from().y == m.to().y) {
            // Its length runs edge to edge; across, it is as wide wherever it lies.
            Bounds e = scale.box({l.area.left(), l.area.top(), l.area.width(), l.area.height()});
            if (m.from().y == m.to().y)
                e.height = scale.stroke(l.area.height());
            else
                e.width = scale.stroke(l.area.width());
            p.fillRect(e.left, e.top, e.width, e.height, c);
        } else {
            // A sloped line, which the game never draws.
            p.save();
            p.setWorldTransform(window_pixels);
            p.setPen(QPen(c, m.width()));
            p.drawLine(m.from().x, m.from().y, m.to().x, m.to().y);
            p.restore();
        }
    }
}

} // namespace velmo::qt
