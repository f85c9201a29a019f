// Missions built from the window's line and label controls: 6 the length of
// a line, 8 a line drawn to scale, 10 the area of a yellow box.
#include "drawing.h"
#include "game/answer_entry.h"
#include "missions.h"

namespace velmo {

namespace {

// The line the player measures (mission 6) or draws (mission 8), at y 344.
void show_line3(Ui& ui, int x1, int x2)
{
    ui.Line3.set_x1(x1);
    ui.Line3.set_x2(x2);
    ui.Line3.set_y1(344);
    ui.Line3.set_y2(344);
    ui.Line3.set_visible(true);
}

// Missions 6 and 8 hide the drawing surface and show the model box at a
// random left edge, floor(R * n) + a, with its model line 24 pixels in.
Integer model_box_at_random(Game& g, int n, int a)
{
    g.ui.Tmr1.set_enabled(false);
    g.ui.Pic1.set_visible(false);
    const Integer boxleft = cint(g.state.rnd.draw(n, a));
    place_model_box(g, boxleft);
    show_model_box(g);
    g.ui.Line1.set_x1(boxleft + 24);
    g.ui.Line1.set_visible(true);
    return boxleft;
}

} // namespace

void tehtava6(Game& g)
{
    Ui& ui = g.ui;
    const Integer boxleft = model_box_at_random(g, 376, 16);
    ui.Line1.set_x2(boxleft + 74);
    ui.Lblmodel.set_left(boxleft + 8);
    ui.Lblmodel.set_visible(true);
    const Long length = g.state.rnd.draw(530, 100);
    g.state.rightanswer = length;
    show_line3(ui, 16, 16 + length);
    offer_estimate(g, 6);
    ask(g, colours::cyan, "Mission 6: How long is the line (100-630)?");
}

void tehtava8(Game& g)
{
    Ui& ui = g.ui;
    const Integer boxleft = model_box_at_random(g, 360, 32);
    const int scale = g.state.rnd.draw(70, 50);
    // The line of the same scale as a 'scale'-pixel line is to 50 pixels.
    // Rounding the scale factor first would make it 170 or 340 whatever the
    // scale line's length; 170 * 50..119 / 50 never falls on a half.
    g.state.rightanswer = clng(170.0 * scale / 50.0);
    ui.Line1.set_x2(boxleft + 24 + scale);
    ui.Line2.set_x1(boxleft + 16);
    ui.Line2.set_x2(boxleft + 16);
    ui.Line2.set_visible(true);
    ui.Lblscale.set_left(boxleft + 48);
    ui.Lblscale.set_visible(true);
    show_line3(ui, line3_start, line3_start + step_rules[7].start);
    ui.Line5.set_visible(true);
    offer_estimate(g, 8);
    ask(g, colours::cyan, "Mission 8: Draw the horisontal line with same scale?");
}

void tehtava10(Game& g)
{
    Ui& ui = g.ui;
    ui.Tmr1.set_enabled(false);
    ask(g, colours::cyan, "Mission 10: How many pixels is on that yellow area (0-40000?");
    place_model_box(g, 392);
    RandomGenerator& rnd = g.state.rnd;
    const int x = rnd.draw(151, 50);
    const int y = rnd.draw(151, 50);
    ui.Pic3.set_left(16);
    ui.Pic3.set_top(320);
    ui.Pic3.set_width(x);
    ui.Pic3.set_height(y);
    ui.Pic2.set_visible(true);
    ui.Pic3.set_visible(true);
    show_model_box(g);
    ui.Lblmodel2.set_visible(true);
    ui.Lblmodel3.set_visible(true);
    g.state.rightarea = clng(static_cast<double>(x) * y);
    offer_estimate(g, 10);
}

} // namespace velmo
