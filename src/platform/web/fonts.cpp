#include "fonts.h"

namespace velmo::web {

namespace {

std::string css(const Face& f, int size)
{
    const std::string weight = f.weight == 400 ? "" : f.weight == 700 ? "bold " : std::to_string(f.weight) + " ";
    return std::string(f.italic ? "italic " : "") + weight + std::to_string(size > 0 ? size : f.pixel_size) + "px \"" +
           std::string(f.family) + "\"";
}

} // namespace

std::string css_font(FontRole role, int size) { return css(face(role), size); }

// The label faces' subsets ascend and descend one em each, so a line box of
// twice the baseline's depth puts the baseline at that depth in every
// browser, whatever it rounds and whichever metrics it reads.
int line_height(FontRole role, int size) { return 2 * baseline(role, size > 0 ? size : face(role).pixel_size); }

std::string button_font() { return css(button_face, 0); }

std::string scaled(int window_px) { return "calc(" + std::to_string(window_px) + "px * var(--s))"; }

} // namespace velmo::web
