#include "fonts.h"

namespace velmo::web {

namespace {

// The page's own subsets of the faces the desktop finds on Debian: Velmo Black
// is Lato Black (and its italic), Velmo Sans is DejaVu Sans (and its bold).
struct Face {
    const char* style; // CSS font-style and font-weight
    int pixel_size;    // 72, 14.25 and 9.75 pt at 96 dpi, as on the desktop
    const char* family;
};

Face face(FontRole role)
{
    switch (role) {
    case FontRole::title:
        return {"bold", 96, "\"Velmo Sans\""};
    case FontRole::credit:
        return {"italic 900", 19, "\"Velmo Black\""};
    case FontRole::normal:
        break;
    }
    return {"900", 13, "\"Velmo Black\""};
}

} // namespace

int pixel_size(FontRole role) { return face(role).pixel_size; }

std::string css_font(FontRole role, int size)
{
    const Face f = face(role);
    return std::string(f.style) + " " + std::to_string(size > 0 ? size : f.pixel_size) + "px " + f.family;
}

std::string all_fonts()
{
    std::string all = button_font;
    for (FontRole role : {FontRole::title, FontRole::credit, FontRole::normal})
        all += "\n" + css_font(role);
    return all;
}

} // namespace velmo::web
