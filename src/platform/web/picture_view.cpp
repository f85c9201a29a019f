#include "picture_view.h"

#include "dom.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmo::web {

namespace {

// Copies the screen pixels that an area of the raster reaches to the canvas.
// The raster keeps 0xFFRRGGBB words; a canvas takes bytes in the order red,
// green, blue, alpha, which is the same word with red and blue swapped.
void copy_area(const PictureView& v, const Bounds& area)
{
    // Kept from call to call, and never cleared: every word is written before it is read.
    static std::vector<std::uint32_t> rgba;
    const Raster& r = v.model->raster();
    const PictureElement& e = v.widget;
    const Bounds screen = affected(area, r.width(), r.height(), e.width, e.height);
    if (screen.empty())
        return;
    const int width = screen.width, height = screen.height;
    const auto size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (size > rgba.size())
        rgba.resize(size);
    const std::span<std::uint32_t> out(rgba.data(), size);
    resample(r.argb(), r.width(), r.height(), e.width, e.height, {screen.left, screen.right()},
        {screen.top, screen.bottom()}, out, width);
    for (std::uint32_t& p : out)
        p = (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
    velmo_dom_put_pixels(e.id, reinterpret_cast<const std::uint8_t*>(out.data()), screen.left, screen.top, width, height);
}

} // namespace

// Its bitmap comes with the first sync, at the screen's scale.
PictureView bind_picture(PictureBox& model)
{
    return {&model, {velmo_dom_element(element_id(model).c_str()), model.bounds(), model.visible()}};
}

void sync_view(PictureView& v, ScreenScale scale)
{
    Bounds dirt = v.model->raster().take_dirty();
    PictureElement& e = v.widget;
    const bool rescaled = scale != e.scale;
    if (v.changed() || rescaled) {
        const Bounds& b = v.model->bounds();
        // Its size on the screen follows its place too, where edges round.
        const Bounds screen = scale.box(b);
        const bool resized = screen.width != e.width || screen.height != e.height;
        const bool showing = !e.shown && v.model->visible();
        if (b != e.bounds) {
            velmo_dom_box(e.id, b.left, b.top, b.width, b.height);
            e.bounds = b;
        }
        e.scale = scale;
        e.width = screen.width;
        e.height = screen.height;
        // A canvas that changes size starts blank, and one shown again may
        // hold another picture at another size: all of it is copied again.
        const bool dropped = (resized || showing) && velmo_dom_canvas_size(e.id, screen.width, screen.height) != 0;
        if (resized || dropped || rescaled)
            dirt = {0, 0, v.model->raster().width(), v.model->raster().height()};
        if (e.shown != v.model->visible()) {
            e.shown = v.model->visible();
            velmo_dom_show(e.id, e.shown);
        }
    }
    // A hidden canvas keeps what is copied into it, so it is kept up to date.
    if (!dirt.empty())
        copy_area(v, dirt);
}

} // namespace velmo::web
