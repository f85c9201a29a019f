#pragma once

#include "platform/form.h"

#include <vector>

namespace velmo::web {

// The line controls, painted on a canvas of the window's size under its other
// elements.
class LinePainter {
public:
    LinePainter(std::vector<LineShape>& lines, const Form& form);

    // Repaints the old and the new extent of every line that changed; returns
    // how many areas it repainted.
    int sync();

private:
    struct Line {
        LineShape* model;
        std::uint64_t seen;
        Bounds area; // what it covered when last painted; empty when hidden
    };
    void paint(const Bounds& area) const;

    int canvas_;
    Colour back_;
    std::vector<Line> lines_;
};

} // namespace velmo::web
