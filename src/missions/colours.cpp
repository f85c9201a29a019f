// Missions that ask about one of four colours, biased towards the asked one:
// 2 the share of painted points, 5 circles and 7 boxes among 500.
#include "drawing.h"
#include "missions.h"

#include <algorithm>

namespace velmo {

namespace {

void clear_counts(GameState& s) { std::fill_n(s.colourcount.begin(), 4, 0); }

// Missions 5 and 7: a shape's own colour draw, then 1 to 4 coins, any of
// which turns it to the asked colour. Every coin is drawn, also after a hit.
int biased_shape_colour(GameState& s)
{
    int shapecolour = s.rnd.draw(4);
    const int coins = s.rnd.draw(4);
    for (int i = 0; i <= coins; ++i)
        if (s.rnd.coin() == 1)
            shapecolour = s.colour;
    return shapecolour;
}

// Missions 5 and 7: 500 shapes, each placed and sized, then coloured.
template <auto random_shape> void shapes_in_colour(Game& g, int mission, std::string_view question)
{
    g.ui.Tmr1.set_enabled(false);
    g.ui.Pic1.set_visible(true);
    GameState& s = g.state;
    clear_counts(s);
    s.colour = static_cast<Integer>(s.rnd.draw(4));
    ask_about_colour(g, question, " (0-500)?");
    s.rightanswer = 500;
    for (Integer drawn = 0; drawn < 500; ++drawn) {
        const auto shape = random_shape(s.rnd);
        const auto shapecolour = static_cast<std::size_t>(biased_shape_colour(s));
        shape.draw(g.ui.Pic1, colour_values[shapecolour]);
        ++s.colourcount[shapecolour];
    }
    offer_estimate(g, mission);
}

} // namespace

void tehtava2(Game& g)
{
    g.ui.Tmr1.set_enabled(false);
    GameState& s = g.state;
    RandomGenerator& rnd = s.rnd;
    clear_counts(s);
    const int extradraws = rnd.draw(4);
    s.colour = static_cast<Integer>(rnd.draw(4));
    ask_about_colour(g, "Mission 2: How much there is ", " colour in the box (in percent)?");
    PictureBox& pic = g.ui.Pic1;
    // 522 x 226 points on a 521 x 225 surface: the last column and row are
    // clipped away but still counted, so the answer counts what is not seen.
    for (int j = 0; j <= 225; ++j) {
        for (int i = 0; i <= 521; ++i) {
            int shapecolour = rnd.draw(4);
            for (int extra = 0; extra <= extradraws; ++extra)
                if (rnd.draw(4) == 0)
                    shapecolour = s.colour;
            pic.pset(i, j, colour_values[static_cast<std::size_t>(shapecolour)]);
            ++s.colourcount[static_cast<std::size_t>(shapecolour)];
        }
    }
    // Painted while hidden and shown once, whole.
    pic.set_visible(true);
    offer_estimate(g, 2);
}

void tehtava5(Game& g) { shapes_in_colour<random_circle>(g, 5, "Mission 5: How many of these 500 circles is "); }

void tehtava7(Game& g) { shapes_in_colour<random_box>(g, 7, "Mission 7: How many of these 500 boxes is "); }

} // namespace velmo
