#pragma once

#include "colour.h"
#include "control.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmo {

// The retained image of a picture box: what is drawn stays until Cls, is kept
// while the box is hidden, and survives a resize. Drawing outside is clipped.
// Pixels are kept as 0xFFRRGGBB rows so a view can show them as they are.
class Raster {
public:
    Raster(int width, int height, Colour back);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour pixel(int x, int y) const { return from_argb(pixels_[index(x, y)]); }
    std::span<const std::uint32_t> argb() const { return pixels_; }

    // Keeps what is drawn where the old and new sizes overlap; new area is back colour.
    void resize(int width, int height);
    void cls();
    Colour back() const { return from_argb(back_); }

    void pset(int x, int y, Colour c)
    {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return;
        put(x, y, to_argb(c));
    }
    void line(int x1, int y1, int x2, int y2, Colour c);
    void circle(int cx, int cy, int radius, Colour c);

    // What changed since the last take, for a view that repaints only that.
    Bounds take_dirty();

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    void put(int x, int y, std::uint32_t argb)
    {
        pixels_[index(x, y)] = argb;
        if (x < dirty_.left)
            dirty_.left = x;
        if (x > dirty_.right)
            dirty_.right = x;
        if (y < dirty_.top)
            dirty_.top = y;
        if (y > dirty_.bottom)
            dirty_.bottom = y;
    }
    void put_clipped(int x, int y, std::uint32_t argb)
    {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            put(x, y, argb);
    }
    void mark_all();

    int width_, height_;
    std::uint32_t back_;
    std::vector<std::uint32_t> pixels_;
    // The changed pixels' extremes, inclusive: kept so on every put, and
    // turned into a box only when taken.
    struct {
        int left, top, right, bottom;
    } dirty_;
};

} // namespace velmo
