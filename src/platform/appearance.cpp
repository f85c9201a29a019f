#include "appearance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace velmo {

namespace {

// A colour in 16-bit hue-saturation-value steps, the precision in which the
// desktop's toolkit lightens and darkens; hue in hundredths of a degree.
struct Hsv {
    int hue, saturation, value;
};
constexpr int full = 0xFFFF;

int round_to_int(float v) { return static_cast<int>(std::lround(v)); }

Hsv to_hsv(Colour c)
{
    const float r = static_cast<float>((c & 0xFF) * 0x101) / full;
    const float g = static_cast<float>(((c >> 8) & 0xFF) * 0x101) / full;
    const float b = static_cast<float>(((c >> 16) & 0xFF) * 0x101) / full;
    const float max = std::max({r, g, b}), min = std::min({r, g, b}), delta = max - min;
    if (delta == 0)
        return {-1, 0, round_to_int(max * full)};
    float hue = max == r ? (g - b) / delta : max == g ? 2 + (b - r) / delta : 4 + (r - g) / delta;
    hue *= 60;
    if (hue < 0)
        hue += 360;
    return {round_to_int(hue * 100), round_to_int(delta / max * full), round_to_int(max * full)};
}

Colour to_colour(Hsv c)
{
    std::array<int, 3> rgb; // 16-bit
    if (c.saturation == 0 || c.hue < 0) {
        rgb = {c.value, c.value, c.value};
    } else {
        const float h = c.hue == 36000 ? 0 : static_cast<float>(c.hue) / 6000;
        const float s = static_cast<float>(c.saturation) / full, v = static_cast<float>(c.value) / full;
        const int i = static_cast<int>(h);
        const float f = h - static_cast<float>(i);
        const int p = round_to_int(v * (1 - s) * full), top = round_to_int(v * full);
        const int q = round_to_int(v * (1 - s * f) * full), t = round_to_int(v * (1 - s * (1 - f)) * full);
        switch (i) {
        case 0:
            rgb = {top, t, p};
            break;
        case 1:
            rgb = {q, top, p};
            break;
        case 2:
            rgb = {p, top, t};
            break;
        case 3:
            rgb = {p, q, top};
            break;
        case 4:
            rgb = {t, p, top};
            break;
        default:
            rgb = {top, p, q};
            break;
        }
    }
    return static_cast<Colour>((rgb[0] >> 8) | ((rgb[1] >> 8) << 8) | ((rgb[2] >> 8) << 16));
}

// Half as bright again; where the value cannot grow, the colour pales instead.
Colour lighter(Colour c)
{
    Hsv hsv = to_hsv(c);
    const int value = hsv.value * 150 / 100;
    if (value > full) {
        hsv.saturation = std::max(0, hsv.saturation - (value - full));
        hsv.value = full;
    } else {
        hsv.value = value;
    }
    return to_colour(hsv);
}

Colour darker(Colour c)
{
    Hsv hsv = to_hsv(c);
    hsv.value = hsv.value * 100 / 200;
    return to_colour(hsv);
}

} // namespace

ButtonLook button_look(Colour face)
{
    const unsigned r = face & 0xFF, g = (face >> 8) & 0xFF, b = (face >> 16) & 0xFF;
    const bool light = 299 * r + 587 * g + 114 * b > 128000;
    return {face, lighter(face), darker(face), light ? colours::black : colours::white};
}

std::vector<Point> focus_ring(int width, int height)
{
    const int right = width - 3, bottom = height - 3;
    std::vector<Point> dots;
    if (right <= 2 || bottom <= 2)
        return dots;
    // The path, one pixel a step: along the top, down, back along the bottom, up.
    const Point corners[] = {{2, 2}, {right, 2}, {right, bottom}, {2, bottom}, {2, 2}};
    int step = 0;
    for (int side = 0; side < 4; ++side) {
        const Point a = corners[side], b = corners[side + 1];
        const int dx = (b.x > a.x) - (b.x < a.x), dy = (b.y > a.y) - (b.y < a.y);
        for (Point p = a; p != b; p = {p.x + dx, p.y + dy})
            if (step++ % 3 == 1)
                dots.push_back(p);
    }
    // The path closes where it began.
    if (step % 3 == 1)
        dots.push_back(corners[0]);
    return dots;
}

Bounds line_area(const LineShape& l)
{
    const Point a = l.from(), b = l.to();
    const int w = std::max(l.width(), 1);
    if (a.y == b.y && a.x != b.x)
        return a.x < b.x ? Bounds{a.x, a.y, b.x - a.x, w} : Bounds{b.x + 1, a.y, a.x - b.x, w};
    if (a.x == b.x && a.y != b.y)
        return a.y < b.y ? Bounds{a.x, a.y, w, b.y - a.y} : Bounds{a.x, b.y + 1, w, a.y - b.y};
    return {};
}

bool fills_background(const Label& label) { return label.font() != FontRole::title; }

int fitted_pixel_size(int pixel_size, int text_width, int label_width)
{
    if (text_width <= label_width || text_width <= 0)
        return pixel_size;
    return std::max(8, pixel_size * label_width / text_width - 1);
}

} // namespace velmo
