// Missions that ask how many white shapes there are: 1 circles, 3 boxes,
// 4 dots, 9 boxes and circles together.
#include "drawing.h"
#include "game/phases.h"
#include "missions.h"

namespace velmo {

void tehtava1(Game& g)
{
    g.ui.Tmr1.set_enabled(false);
    const Long count = count_from_tmr1(g);
    for (Integer drawn = 0; drawn < count; ++drawn)
        random_circle(g.state.rnd).draw(g.ui.Pic1, g.ui.Pic1.fore());
    offer_estimate(g, 1);
    ask(g, colours::cyan, "Mission 1: How many circles is in the box (100-300)?");
}

void tehtava3(Game& g)
{
    g.ui.Tmr1.set_enabled(false);
    g.ui.Pic1.set_visible(true);
    const Long count = count_from_tmr1(g);
    for (Integer drawn = 0; drawn < count; ++drawn)
        random_box(g.state.rnd).draw(g.ui.Pic1, g.ui.Pic1.fore());
    offer_estimate(g, 3);
    ask(g, colours::cyan, "Mission 3: How many boxes there is (100-300)?");
}

void tehtava4(Game& g)
{
    g.ui.Tmr1.set_enabled(false);
    g.ui.Pic1.set_visible(true);
    RandomGenerator& rnd = g.state.rnd;
    // Whatever Tmr1 left is overwritten: this mission draws its own count.
    const Long count = rnd.draw(601, 200);
    g.state.rightanswer = count;
    for (Integer drawn = 0; drawn < count; ++drawn) {
        const int x = rnd.draw(520);
        const int y = rnd.draw(225);
        g.ui.Pic1.pset(x, y);
    }
    offer_estimate(g, 4);
    ask(g, colours::cyan, "Mission 4: How many dots there is (200-800)?");
}

void tehtava9(Game& g)
{
    g.ui.Tmr1.set_enabled(false);
    g.ui.Pic1.set_visible(true);
    RandomGenerator& rnd = g.state.rnd;
    const Long count = rnd.draw(401, 100);
    g.state.rightanswer = count;
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
