#pragma once

#include "control.h"

#include <cstdint>
#include <span>

namespace velmo {

// How many screen pixels a window pixel is, in 1024ths: a fraction that a
// float and a double hold exactly, so that a browser's CSS (which may compute
// in single precision) and this code round every product alike.
class ScreenScale {
public:
    static constexpr int one = 1024;

    constexpr ScreenScale() = default;
    constexpr explicit ScreenScale(int per_1024)
        : per_1024_(per_1024 > 0 ? per_1024 : one)
    {
    }
    static ScreenScale nearest(double screen_per_window);

    // The screen pixel a window pixel's edge falls on, halves rounded up, as
    // CSS's round() does: neighbours share each edge, so nothing is left
    // between controls or laid twice.
    constexpr int edge(int window_px) const { return floor_div(std::int64_t{window_px} * per_1024_ + one / 2); }
    // A stroke's width: the same wherever it lies, and never less than a pixel.
    constexpr int stroke(int window_px) const
    {
        const int w = edge(window_px) - edge(0);
        return w < 1 ? 1 : w;
    }
    // A box on the screen: its edges on the screen pixels its window edges fall on.
    constexpr Bounds box(const Bounds& b) const
    {
        const int left = edge(b.left), top = edge(b.top);
        return {left, top, edge(b.left + b.width) - left, edge(b.top + b.height) - top};
    }

    friend constexpr bool operator==(ScreenScale, ScreenScale) = default;

private:
    static constexpr int floor_div(std::int64_t n) { return static_cast<int>(n >= 0 ? n / one : -((-n + one - 1) / one)); }

    int per_1024_ = one;
};

// A run of pixels along one axis: the first and one past the last.
struct Span {
    int first = 0, end = 0;
    bool empty() const { return end <= first; }
};

// A picture of width x height pixels as a screen shows it at `to_width` x
// `to_height`: each screen pixel the mean of the picture's area it covers.
// Every picture pixel so lights the same screen area wherever it falls, at
// any scale, above one screen pixel per pixel or below; at a whole scale
// each is a block of that many pixels, as plain repetition gives. Writes the
// screen rows `rows` of the area's columns `columns`
// into `out`, `out_stride` words a row, in the picture's own 0xAARRGGBB words.
void resample(std::span<const std::uint32_t> argb, int width, int height, int to_width, int to_height,
    Span columns, Span rows, std::span<std::uint32_t> out, int out_stride);

// The screen pixels, of a picture `from` pixels long shown `to` long, whose
// areas take in some of the picture's pixels `changed`.
Span affected(Span changed, int from, int to);
// The same for an area of a picture width x height shown at to_width x
// to_height: the box of screen pixels a view resamples after a draw there.
Bounds affected(const Bounds& changed, int width, int height, int to_width, int to_height);

} // namespace velmo
