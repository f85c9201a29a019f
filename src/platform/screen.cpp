#include "screen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmo {

ScreenScale ScreenScale::nearest(double screen_per_window)
{
    return ScreenScale(static_cast<int>(std::lround(screen_per_window * one)));
}

namespace {

// Along one axis, in 1/to parts of a picture pixel: screen pixel u spans
// [u * from, (u + 1) * from), picture pixel i spans [i * to, (i + 1) * to),
// and each tap's weight is their overlap; a screen pixel's weights add up to
// `from`.
struct Axis {
    struct Tap {
        int pixel, weight;
    };
    std::vector<int> first; // into taps, one more than the screen pixels asked for
    std::vector<Tap> taps;

    Axis(int from, int to, Span screen)
    {
        first.reserve(static_cast<std::size_t>(screen.end - screen.first) + 1);
        for (int u = screen.first; u < screen.end; ++u) {
            first.push_back(static_cast<int>(taps.size()));
            const std::int64_t begin = std::int64_t{u} * from, end = begin + from;
            for (auto i = static_cast<int>(begin / to); std::int64_t{i} * to < end; ++i)
                taps.push_back({i, static_cast<int>(std::min(end, std::int64_t{i + 1} * to) -
                                                    std::max(begin, std::int64_t{i} * to))});
        }
        first.push_back(static_cast<int>(taps.size()));
    }
};

} // namespace

Span affected(Span changed, int from, int to)
{
    if (changed.empty() || from <= 0)
        return {};
    const auto first = static_cast<int>(std::int64_t{changed.first} * to / from);
    const auto end = static_cast<int>((std::int64_t{changed.end} * to + from - 1) / from);
    return {std::max(first, 0), std::min(end, to)};
}

Bounds affected(const Bounds& changed, int width, int height, int to_width, int to_height)
{
    const Span columns = affected({changed.left, changed.right()}, width, to_width);
    const Span rows = affected({changed.top, changed.bottom()}, height, to_height);
    if (columns.empty() || rows.empty())
        return {};
    return {columns.first, rows.first, columns.end - columns.first, rows.end - rows.first};
}

void resample(std::span<const std::uint32_t> argb, int width, int height, int to_width, int to_height,
    Span columns, Span rows, std::span<std::uint32_t> out, int out_stride)
{
    if (columns.empty() || rows.empty() || width <= 0 || height <= 0)
        return;
    const auto at = [&](int x, int y) { return argb[static_cast<std::size_t>(y) * width + x]; };
    const auto put = [&](int u, int v) -> std::uint32_t& {
        return out[static_cast<std::size_t>(v - rows.first) * out_stride + (u - columns.first)];
    };
    // A whole scale: blocks, with no arithmetic.
    if (to_width % width == 0 && to_height % height == 0) {
        const int kx = to_width / width, ky = to_height / height;
        for (int v = rows.first; v < rows.end; ++v)
            for (int u = columns.first; u < columns.end; ++u)
                put(u, v) = at(u / kx, v / ky);
        return;
    }
    const Axis xs(width, to_width, columns), ys(height, to_height, rows);
    const std::uint64_t area = std::uint64_t(width) * height;
    for (int v = rows.first; v < rows.end; ++v) {
        const int y0 = ys.first[v - rows.first], y1 = ys.first[v - rows.first + 1];
        for (int u = columns.first; u < columns.end; ++u) {
            const int x0 = xs.first[u - columns.first], x1 = xs.first[u - columns.first + 1];
            std::uint64_t r = 0, g = 0, b = 0;
            for (int ty = y0; ty < y1; ++ty) {
                const Axis::Tap y = ys.taps[ty];
                for (int tx = x0; tx < x1; ++tx) {
                    const Axis::Tap x = xs.taps[tx];
                    const std::uint32_t p = at(x.pixel, y.pixel);
                    const auto w = std::uint64_t(x.weight) * y.weight;
                    r += w * ((p >> 16) & 0xFFu);
                    g += w * ((p >> 8) & 0xFFu);
                    b += w * (p & 0xFFu);
                }
            }
            const auto mean = [area](std::uint64_t sum) { return static_cast<std::uint32_t>((sum + area / 2) / area); };
            put(u, v) = 0xFF000000u | (mean(r) << 16) | (mean(g) << 8) | mean(b);
        }
    }
}

} // namespace velmo
