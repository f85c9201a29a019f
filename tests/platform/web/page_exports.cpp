// The page as its tests build it: the game's own page, plus what only a test
// reads of the model (the pictures' pixels and the random state), exported to
// the page's script. The page that ships has none of it.

#include "app/frmvelmo.h"
#include "platform/screen.h"
#include "platform/web/application.h"

#include <cstdint>
#include <vector>

namespace {

velmo::Frmvelmo& model()
{
    static velmo::Frmvelmo m;
    return m;
}

const velmo::Raster& raster(int picture)
{
    return model().form().pictures().at(static_cast<std::size_t>(picture)).raster();
}

} // namespace

int main() { velmo::web::show_page(model().form(), model().dispatcher()); }

extern "C" {
// Picture boxes in design order (Pic1, Pic3, Pic2): 0xFFRRGGBB rows.
const std::uint32_t* velmo_test_pixels(int picture) { return raster(picture).argb().data(); }
int velmo_test_width(int picture) { return raster(picture).width(); }
int velmo_test_height(int picture) { return raster(picture).height(); }
// The random state as it stands, without taking Tmr1's pending ticks.
std::uint32_t velmo_test_random_state() { return model().game().state.rnd.state(); }
// Where a window pixel's edge falls at per1024 screen pixels a window pixel.
int velmo_test_edge(int per1024, int v) { return velmo::ScreenScale(per1024).edge(v); }
// Every line control in design order: shown, x1, y1, x2, y2, width, colour.
const int* velmo_test_lines()
{
    static std::vector<int> lines;
    lines.clear();
    for (const velmo::LineShape& l : model().form().lines())
        lines.insert(lines.end(),
            {l.visible(), l.from().x, l.from().y, l.to().x, l.to().y, l.width(), static_cast<int>(l.colour())});
    return lines.data();
}
}
