#include "line_view.h"

#include "platform/appearance.h"

#include <QPainter>
#include <QWidget>

namespace velmo::qt {

LineView make_line(LineShape& model) { return {&model, {}}; }

bool sync_view(LineView& v, QWidget& window)
{
    if (!v.changed())
        return false;
    const QRect now = v.model->visible() ? qrect(line_area(*v.model)) : QRect();
    if (now == v.widget)
        return false;
    const QRect dirty = v.widget.united(now);
    v.widget = now;
    if (dirty.isEmpty())
        return false;
    window.update(with_rounding(dirty));
    return true;
}

void paint(QPainter& p, const LineView& v, const QRect& area, ScreenScale scale)
{
    const QRect& at = v.widget;
    if (at.isEmpty() || !at.intersects(with_rounding(area)))
        return;
    // Its length runs edge to edge; across, it is as wide wherever it lies.
    Bounds e = scale.box({at.left(), at.top(), at.width(), at.height()});
    if (v.model->from().y == v.model->to().y)
        e.height = scale.stroke(at.height());
    else
        e.width = scale.stroke(at.width());
    p.fillRect(e.left, e.top, e.width, e.height, qcolor(v.model->colour()));
}

} // namespace velmo::qt
