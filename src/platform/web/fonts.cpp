#include "fonts.h"

#include <cmath>

namespace velmo::web {

namespace {

// The page's own subsets of the faces the desktop finds on Debian: Velmo Black
// is Lato Black (and its italic), Velmo Sans is DejaVu Sans (and its bold).
struct Face {
    const char* style; // CSS font-style and font-weight
    int pixel_size;    // 72, 14.25 and 9.75 pt at 96 dpi, as on the desktop
    const char* family;
    // The ascent the desktop sets a label's first line by, in font units of
    // the em: Lato's typographic one, which it asks for, and DejaVu's Windows
    // one, since it asks for none.
    double ascent_per_em;
};

Face face(FontRole role)
{
    switch (role) {
    case FontRole::title:
        return {"bold", 96, "\"Velmo Sans\"", 1901.0 / 2048};
    case FontRole::credit:
        return {"italic 900", 19, "\"Velmo Black\"", 1610.0 / 2000};
    case FontRole::normal:
        break;
    }
    return {"900", 13, "\"Velmo Black\"", 1610.0 / 2000};
}

} // namespace

int pixel_size(FontRole role) { return face(role).pixel_size; }

std::string css_font(FontRole role, int size)
{
    const Face f = face(role);
    return std::string(f.style) + " " + std::to_string(size > 0 ? size : f.pixel_size) + "px " + f.family;
}

// The label faces' subsets ascend and descend one em each (data/web/subset-font),
// so a line box of twice the baseline's depth puts the baseline at that depth
// in every browser, whatever it rounds and whichever metrics it reads.
int line_height(FontRole role, int size)
{
    const Face f = face(role);
    return 2 * static_cast<int>(std::lround((size > 0 ? size : f.pixel_size) * f.ascent_per_em));
}

std::string scaled(int window_px) { return "calc(" + std::to_string(window_px) + "px * var(--s))"; }

std::string all_fonts()
{
    std::string all = button_font;
    for (FontRole role : {FontRole::title, FontRole::credit, FontRole::normal})
        all += "\n" + css_font(role);
    return all;
}

} // namespace velmo::web
