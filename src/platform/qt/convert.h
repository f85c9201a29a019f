#pragma once

#include "platform/colour.h"
#include "platform/form.h"
#include "platform/view.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string_view>

namespace velmo::qt {

// The model's names, captions and values as Qt takes them.
inline QString qstring(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline QColor qcolor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline QRect qrect(const Bounds& b) { return QRect(b.left, b.top, b.width, b.height); }
// "cmdchange(3)": how tests and screen readers find a control's widget.
inline QString object_name(const Control& c) { return qstring(display_name(c)); }

} // namespace velmo::qt
