#pragma once

#include "controls.h"

#include <cmath>
#include <string_view>

namespace velmo {

// The faces the window's text is set in, the same in every view: the game's
// own subsets of Lato Black (and its italic) and DejaVu Sans (and its bold),
// made at build time from Debian's font packages and loaded by the view
// itself, so no font configuration of the machine picks another.
struct Face {
    std::string_view file; // fonts/FILE.woff2, in the page and in the program
    std::string_view family;
    int weight; // CSS weights: 400 regular, 700 bold, 900 black
    bool italic;
    int pixel_size; // 72, 14.25 and 9.75 pt at 96 dpi; the buttons' 9 pt
    // Where the first line's baseline stands below a label's top, in units
    // of the em: Lato's typographic ascent, and DejaVu's Windows one. The
    // labels' subsets ascend and descend one em each, so this rule alone, not
    // the metrics some engine reads, places their text.
    double ascent_per_em;
};

constexpr Face face(FontRole role)
{
    switch (role) {
    case FontRole::title:
        return {"velmo-sans-bold", "Velmo Sans", 700, false, 96, 1901.0 / 2048};
    case FontRole::credit:
        return {"velmo-black-italic", "Velmo Black", 900, true, 19, 1610.0 / 2000};
    case FontRole::normal:
        break;
    }
    return {"velmo-black", "Velmo Black", 900, false, 13, 1610.0 / 2000};
}

// The buttons' captions keep the face's own metrics, by which every view
// centres them alike.
inline constexpr Face button_face{"velmo-sans", "Velmo Sans", 400, false, 12, 0};

// The baseline of a label's text in that role at that pixel size, in window
// pixels below the label's top.
inline int baseline(FontRole role, int pixel_size)
{
    return static_cast<int>(std::lround(pixel_size * face(role).ascent_per_em));
}

} // namespace velmo
