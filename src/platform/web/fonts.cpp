#include "fonts.h"

namespace velmo::web {

namespace {

std::string css_weight(const Face& f)
{
    return f.weight == 400 ? "" : f.weight == 700 ? "bold " : std::to_string(f.weight) + " ";
}

std::string face_url(const Face& f) { return "fonts/" + std::string(f.file) + ".woff2"; }

} // namespace

std::string css_font(const Face& f, int size)
{
    return std::string(f.italic ? "italic " : "") + css_weight(f) + std::to_string(size > 0 ? size : f.pixel_size) +
           "px \"" + std::string(f.family) + "\"";
}

// The label faces' subsets ascend and descend one em each, so a line box of
// twice the baseline's depth puts the baseline at that depth in every
// browser, whatever it rounds and whichever metrics it reads, and at
// whatever size the text is set.
int line_height(FontRole role) { return 2 * baseline(role); }

std::string scaled(int window_px) { return "calc(" + std::to_string(window_px) + "px * var(--s))"; }

std::string face_preloads()
{
    std::string out;
    for (const Face& f : faces)
        out += "<link rel=\"preload\" href=\"" + face_url(f) + "\" as=\"font\" type=\"font/woff2\" crossorigin>\n";
    return out;
}

std::string face_rules()
{
    std::string out;
    for (const Face& f : faces)
        out += "@font-face { font-family: \"" + std::string(f.family) + "\"; font-weight: " + std::to_string(f.weight) +
               ";" + (f.italic ? " font-style: italic;" : "") + " font-display: block; src: url(" + face_url(f) +
               ") format(\"woff2\"); }\n";
    return out;
}

} // namespace velmo::web
