#pragma once

#include "controls.h"

#include <array>
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
    // the metrics some engine reads, places their text. None for the
    // buttons', which keep their face's own metrics and are centred by them.
    double ascent_per_em;
    // What the build cuts it from, under /usr/share/fonts/truetype; whether
    // it ascends and descends one em (the labels'); whether its advances are
    // whole pixels at its size (all but the title's, which is fitted).
    std::string_view source;
    bool even_em, whole_advances;
};

// The one table of faces: the views, the page's @font-face rules and the
// build of the fonts (data/fonts/fonts.cmake reads these rows) all take it.
// clang-format off
inline constexpr std::array<Face, 4> faces{{
    // file                family         weight italic  px  ascent / em     source                    even_em whole_advances
    {"velmo-black",        "Velmo Black", 900,   false,  13, 1610.0 / 2000, "lato/Lato-Black",        true,   true},
    {"velmo-black-italic", "Velmo Black", 900,   true,   19, 1610.0 / 2000, "lato/Lato-BlackItalic",  true,   true},
    {"velmo-sans",         "Velmo Sans",  400,   false,  12, 0,             "dejavu/DejaVuSans",      false,  true},
    {"velmo-sans-bold",    "Velmo Sans",  700,   false,  96, 1901.0 / 2048, "dejavu/DejaVuSans-Bold", true,   false},
}};
// clang-format on

constexpr const Face& face(FontRole role)
{
    switch (role) {
    case FontRole::title:
        return faces[3];
    case FontRole::credit:
        return faces[1];
    case FontRole::normal:
        break;
    }
    return faces[0];
}

// The buttons' captions keep the face's own metrics, by which every view
// centres them alike.
inline constexpr const Face& button_face = faces[2];

// The baseline of a label's text in that role, in window pixels below the
// label's top: where its face at the design's size puts it, whatever size
// the text is fitted to. A title made smaller so stays on the design's
// line, its capitals well below the credit line's strip, which is stacked
// above it and would hide their tops.
inline int baseline(FontRole role)
{
    return static_cast<int>(std::lround(face(role).pixel_size * face(role).ascent_per_em));
}

} // namespace velmo
