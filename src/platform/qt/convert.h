#pragma once

#include "platform/colour.h"
#include "platform/form.h"

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

// A control's widget and the model revision it last showed.
template <typename Model, typename Widget> struct View {
    Model* model;
    Widget* widget;
    std::uint64_t seen = ~std::uint64_t{0};

    // Whether the model changed since the last look; remembers this look.
    bool changed()
    {
        if (model->revision() == seen)
            return false;
        seen = model->revision();
        return true;
    }
};

} // namespace velmo::qt
