#include "line_painter.h"

#include "convert.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace velmo::qt {

namespace {

// The pixels a line control covers: along its axis from its first end point up
// to, not including, the second, so a line is as many pixels long as the
// distance between its ends; across, as many pixels as it is wide.
QRect line_area(const LineShape& l)
{
    const Point a = l.from(), b = l.to();
    const int w = std::max(l.width(), 1);
    if (a.y == b.y && a.x != b.x)
        return a.x < b.x ? QRect(a.x, a.y, b.x - a.x, w) : QRect(b.x + 1, a.y, a.x - b.x, w);
    if (a.x == b.x && a.y != b.y)
        return a.y < b.y ? QRect(a.x, a.y, w, b.y - a.y) : QRect(a.x, b.y + 1, w, a.y - b.y);
    if (a == b)
        return {};
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
        .adjusted(-w, -w, w, w);
}

} // namespace

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
        const QRect now = model->visible() ? line_area(*model) : QRect();
        if (now != area) {
            const QRect dirty = area.united(now);
            if (!dirty.isEmpty()) {
                window_.update(dirty);
                ++requests;
            }
            area = now;
        }
    }
    return requests;
}

void LinePainter::paint(QPainter& p, const QRect& area) const
{
    for (const auto& l : lines_) {
        if (l.area.isEmpty() || !l.area.intersects(area))
            continue;
        const LineShape& m = *l.model;
        const QColor c = qcolor(m.colour());
        if (m.from().x == m.to().x || m.from().y == m.to().y) {
            p.fillRect(l.area, c);
        } else {
            p.setPen(QPen(c, m.width()));
            p.drawLine(m.from().x, m.from().y, m.to().x, m.to().y);
        }
    }
}

} // namespace velmo::qt
