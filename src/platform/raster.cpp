#include "raster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace velmo {


Raster::Raster(int width, int height, Colour back)
    : width_(std::max(width, 0))
    , height_(std::max(height, 0))
    , back_(to_argb(back))
    , pixels_(static_cast<std::size_t>(width_) * height_, back_)
    , dirty_{INT_MAX, INT_MAX, INT_MIN, INT_MIN}
{
}

void Raster::mark_all() { dirty_ = {0, 0, width_ - 1, height_ - 1}; }

void Raster::resize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_)
        return;
    std::vector<std::uint32_t> grown(static_cast<std::size_t>(width) * height, back_);
    const int keep_w = std::min(width, width_), keep_h = std::min(height, height_);
    for (int y = 0; y < keep_h; ++y)
        std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(index(0, y)), keep_w,
            grown.begin() + static_cast<std::ptrdiff_t>(y) * width);
    pixels_ = std::move(grown);
    width_ = width;
    height_ = height;
    mark_all();
}

void Raster::cls()
{
    std::fill(pixels_.begin(), pixels_.end(), back_);
    mark_all();
}

void Raster::line(int x1, int y1, int x2, int y2, Colour c)
{
    // Bresenham, both end points included, one pixel wide.
    const std::uint32_t argb = to_argb(c);
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        put_clipped(x1, y1, argb);
        if (x1 == x2 && y1 == y2)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void Raster::circle(int cx, int cy, int radius, Colour c)
{
    // Midpoint circle: an unfilled outline that reaches exactly cx +- radius
    // and cy +- radius; radius 0 sets the centre pixel alone.
    const std::uint32_t argb = to_argb(c);
    int x = radius, y = 0, err = 1 - radius;
    while (x >= y) {
        put_clipped(cx + x, cy + y, argb);
        put_clipped(cx - x, cy + y, argb);
        put_clipped(cx + x, cy - y, argb);
        put_clipped(cx - x, cy - y, argb);
        put_clipped(cx + y, cy + x, argb);
        put_clipped(cx - y, cy + x, argb);
        put_clipped(cx + y, cy - x, argb);
        put_clipped(cx - y, cy - x, argb);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

Bounds Raster::take_dirty()
{
    const auto d = dirty_;
    dirty_ = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    if (d.left > d.right)
        return {};
    return {d.left, d.top, d.right - d.left + 1, d.bottom - d.top + 1};
}

} // namespace velmo
