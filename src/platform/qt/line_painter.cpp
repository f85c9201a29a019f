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
