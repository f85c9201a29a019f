// Missions that ask how many white shapes there are: 1 circles, 3 boxes,
// 4 dots, 9 boxes and circles together.
#include "drawing.h"
#include "game/phases.h"
#include "missions.h"

namespace velmo {

namespace {

// Missions 4 and 9 draw their own count; whatever Tmr1 left is overwritten.
Long own_count(Game& g, int n, int a)
{
    g.ui.Tmr1.set_enabled(false);
    g.ui.Pic1.set_visible(true);
    g.state.rightanswer = g.state.rnd.draw(n, a);
    return g.state.rightanswer;
}

// Missions 1 and 3: as many white shapes as Tmr1 counted. Start has shown
// Pic1 already for mission 1, so showing it again changes nothing there.
template <auto random_shape> void shapes_of_tmr1_count(Game& g)
{
    g.ui.Tmr1.set_enabled(false);
    g.ui.Pic1.set_visible(true);
    const Long count = count_from_tmr1(g);
    for (Integer drawn = 0; drawn < count; ++drawn)
        random_shape(g.state.rnd).draw(g.ui.Pic1, g.ui.Pic1.fore());
}

} // namespace

void tehtava1(Game& g)
{
    shapes_of_tmr1_count<random_circle>(g);
    offer_estimate(g, 1);
    ask(g, colours::cyan, "Mission 1: How many circles is in the box (100-300)?");
}

void tehtava3(Game& g)
{
    shapes_of_tmr1_count<random_box>(g);
    offer_estimate(g, 3);
    ask(g, colours::cyan, "Mission 3: How many boxes there is (100-300)?");
}

void tehtava4(Game& g)
{
    const Long count = own_count(g, 601, 200);
    for (Integer drawn = 0; drawn < count; ++drawn) {
        const int x = g.state.rnd.draw(520);
        g.ui.Pic1.pset(x, g.state.rnd.draw(225));
    }
    offer_estimate(g, 4);
    ask(g, colours::cyan, "Mission 4: How many dots there is (200-800)?");
}

void tehtava9(Game& g)
{
    const Long count = own_count(g, 401, 100);
    RandomGenerator& rnd = g.state.rnd;
    for (Integer drawn = 0; drawn < count; ++drawn) {
        if (rnd.coin() == 0)
            random_box(rnd).draw(g.ui.Pic1, g.ui.Pic1.fore());
        else
            random_circle(rnd).draw(g.ui.Pic1, g.ui.Pic1.fore());
    }
    offer_estimate(g, 9);
    ask(g, colours::cyan, "Mission 9: How many boxes and circles there is (100-500)?");
}

} // namespace velmo
