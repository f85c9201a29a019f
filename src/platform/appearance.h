#pragma once

#include "colour.h"
#include "controls.h"

#include <vector>

namespace velmo {

// How a view draws what the model only names, so that every view of a window
// (widgets on the desktop, elements in a page) draws it alike.

// A command button's colours: its face, the lit top and left edges, the shaded
// bottom and right edges (swapped while it is held down), and the ink of its
// caption and focus ring, black on a light face and white on a dark one.
struct ButtonLook {
    Colour face, lit, shade, ink;
};
ButtonLook button_look(Colour face);

// The dotted ring of a focused button of that size, two pixels inside its
// edge: every third pixel of the ring's path, clockwise from its top-left
// corner, starting with the second.
std::vector<Point> focus_ring(int width, int height);

// The pixels a line control covers. Along its axis it runs from its first end
// point up to, not including, the second, so a line is as many pixels long as
// the distance between its ends; across, it is as many pixels as it is wide.
// Empty for a point, and for a sloped line: the window's lines run across or
// down only, and a view draws no other.
Bounds line_area(const LineShape& line);

// Whether a label paints its box in its back colour: all do but the title,
// the one label that no other control lies under, on a window as black.
bool fills_background(const Label& label);

// The title's pixel size where its text would not fit the label: smaller in
// step with its width, which grows in proportion to the size.
int fitted_pixel_size(int pixel_size, int text_width, int label_width);

} // namespace velmo
