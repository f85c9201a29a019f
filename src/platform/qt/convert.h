#pragma once

#include "platform/colour.h"
#include "platform/form.h"
#include "platform/screen.h"
#include "platform/view.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTransform>

#include <cmath>

#include <string_view>

namespace velmo::qt {

// The model's names, captions and values as Qt takes them.
inline QString qstring(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline QColor qcolor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline QRect qrect(const Bounds& b) { return QRect(b.left, b.top, b.width, b.height); }
// "cmdchange(3)": how tests and screen readers find a control's widget.
inline QString object_name(const Control& c) { return qstring(display_name(c)); }

// Turns a fresh painter on a widget at `in_window` to the window's screen
// pixels, (0, 0) at the window's corner, and gives their scale. Qt scales
// what a widget paints in window pixels to the screen, and at a fractional
// ratio that lands edges between screen pixels: a 1-pixel line becomes 1 or
// 2 pixels wide and a picture's pixels differ in size. Painted in screen
// pixels, every edge falls where the scale puts it, and Qt clips each widget
// at the same edges.
inline ScreenScale paint_on_screen(QPainter& p, QPoint in_window)
{
    const QTransform to_device = p.deviceTransform();
    const QPointF corner = to_device.map(QPointF(-in_window.x(), -in_window.y()));
    p.setWorldTransform(
        QTransform::fromTranslate(std::round(corner.x()), std::round(corner.y())) * to_device.inverted());
    return ScreenScale::nearest(to_device.m11());
}
// A window area grown by a pixel each way: what an update asks for, so that
// the screen pixels its edges round to are repainted too.
inline QRect with_rounding(const QRect& r) { return r.adjusted(-1, -1, 1, 1); }

} // namespace velmo::qt
