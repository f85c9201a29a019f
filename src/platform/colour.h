#pragma once

#include <cstdint>

namespace velmo {

// A colour as the game names it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour black = 0x000000;
inline constexpr Colour white = 0xFFFFFF;
inline constexpr Colour grey = 0x808080;
inline constexpr Colour dark_grey = 0x404040;
inline constexpr Colour red = 0x0000FF;
inline constexpr Colour green = 0x00FF00;
inline constexpr Colour blue = 0xFF0000;
inline constexpr Colour yellow = 0x00FFFF;
inline constexpr Colour cyan = 0xFFFF00;
inline constexpr Colour magenta = 0xFF00FF;
inline constexpr Colour orange = 0x0080FF;
} // namespace colours

// The same colour as 0xFFRRGGBB, the layout the retained raster keeps so that
// a toolkit can show it without converting.
constexpr std::uint32_t to_argb(Colour c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

constexpr Colour from_argb(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

} // namespace velmo
