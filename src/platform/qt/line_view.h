#pragma once

#include "convert.h"
#include "platform/controls.h"

#include <QRect>

class QPainter;
class QWidget;

namespace velmo::qt {

// A line control and the window pixels it covered when last painted; empty
// when hidden. The window paints its lines itself, under its other widgets.
using LineView = View<LineShape, QRect>;

LineView make_line(LineShape& model);
// Brings the line up to its model: repaints the window where it was and
// where it is now; returns whether it asked for a repaint.
bool sync_view(LineView& v, QWidget& window);
// Paints the line where it meets the window's area `area`, with a painter
// on the window's screen pixels at `scale` (paint_on_screen).
void paint(QPainter& p, const LineView& v, const QRect& area, ScreenScale scale);

} // namespace velmo::qt
