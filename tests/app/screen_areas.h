#pragma once

// Where things are in the window, from its design table, and what a test can
// read of them in a screenshot: a button's face clear of its caption, regions
// that are black unless something is shown there.

#include "x_session.h"

namespace velmo::test::screen {

inline constexpr std::uint32_t black = 0x000000, white = 0xFFFFFF, yellow = 0xFFFF00, green = 0x00FF00,
                               orange = 0xFF8000, magenta = 0xFF00FF, blue = 0x0000FF, red = 0xFF0000, grey = 0x808080;

struct Button {
    Area area;
    std::uint32_t face;
    // A point of the face clear of the bevel, the caption and the focus ring.
    int x() const { return area.left + 1 + (area.right - area.left) / 8; }
    int y() const { return area.top + 1; }
    int centre_x() const { return (area.left + area.right) / 2; }
    int centre_y() const { return (area.top + area.bottom) / 2; }
    // At scale k, where a window pixel is a k x k block.
    bool shown(const Shot& s, int k = 1) const { return s.at(x() * k, y() * k) == face; }
    // The dotted focus ring runs down the face two pixels in from the left.
    bool focused(const Shot& s) const
    {
        return shown(s) && s.count({area.left + 2, area.top + 2, area.left + 2, area.bottom - 3}, [&](std::uint32_t p) {
            return p != face;
        }) >= 2;
    }
};

inline constexpr Button start{{352, 208, 448, 232}, yellow};
inline constexpr Button cont{{352, 240, 448, 264}, green};
inline constexpr Button ready{{224, 296, 576, 312}, orange};
inline constexpr Button newgame{{616, 80, 712, 104}, magenta};
inline constexpr Button minus1{{344, 272, 368, 288}, blue};
inline constexpr Button plus1{{432, 272, 456, 288}, red};
inline constexpr Button plus100{{488, 272, 528, 288}, red};

inline constexpr Area pic1{16, 320, 536, 544};
inline constexpr Area scores{552, 360, 745, 544};
inline constexpr Area wait_message{328, 200, 472, 216};
inline constexpr Area right_answer{344, 152, 456, 192};

} // namespace velmo::test::screen
