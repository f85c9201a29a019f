#pragma once

#include "platform/form.h"

#include <QRect>

#include <vector>

class QPainter;
class QWidget;

namespace velmo::qt {

// The line controls, painted by the window itself under its other widgets.
class LinePainter {
public:
    LinePainter(std::vector<LineShape>& lines, QWidget& window);

    // Repaints the old and the new extent of every line that changed; returns
    // how many repaints it asked for.
    int sync();
    void paint(QPainter& p, const QRect& area) const;

private:
    struct Line {
        LineShape* model;
        std::uint64_t seen;
        QRect area; // what it covered when last painted; empty when hidden
    };

    QWidget& window_;
    std::vector<Line> lines_;
};

} // namespace velmo::qt
