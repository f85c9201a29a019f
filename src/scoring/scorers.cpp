#include "scorers.h"

#include "game/answer_entry.h"
#include "game/phases.h"

#include <cstdlib>

namespace velmo {

namespace {

Long right_answer(GameState& s, RightFrom from)
{
    const auto asked = static_cast<std::size_t>(s.colour);
    switch (from) {
    case RightFrom::percent:
        // Divide first, then multiply, in double precision; 117972 never
        // gives an exact half, so this is the nearest whole percent.
        return cint(static_cast<double>(s.colourcount[asked]) / boxpixels * 100.0);
    case RightFrom::colour_count:
        s.rightanswer = s.colourcount[asked];
        return s.rightanswer;
    case RightFrom::rightarea:
        return s.rightarea;
    case RightFrom::rightanswer:
        break;
    }
    return s.rightanswer;
}

void score(Game& g, int mission)
{
    const auto slot = static_cast<std::size_t>(mission - 1);
    const ScorerRule& rule = scorer_rules[slot];
    Ui& ui = g.ui;
    GameState& s = g.state;

    if (rule.reveals_estimate) {
        ui.Lblcount1.set_caption(number_text(s.answer));
        ui.Lblcount1.set_visible(true);
    }
    for (int i = 0; i < step_rules[slot].buttons; ++i)
        ui.cmdchange[i]->set_visible(false);
    ui.cmdready.set_visible(false);

    const Long right = right_answer(s, rule.right);
    // 32 bits: mission 10's distance reaches 40000.
    Long points = rule.exact - std::abs(s.answer - right);
    if (rule.floor_at_zero && points < 0)
        points = 0;
    s.scores[slot] = cint(points);
    ui.Lblscore2[slot]->set_caption(number_text(s.scores[slot]));
    ui.lblrightots.set_visible(true);
    ui.lblright.set_caption(number_text(right));
    ui.lblright.set_visible(true);

    if (rule.ends_game)
        peliloppu(g);
    else
        ui.cmdcont.set_visible(true);
}

} // namespace

void tehtava1tulos(Game& g) { score(g, 1); }
void tehtava2tulos(Game& g) { score(g, 2); }
void tehtava3tulos(Game& g) { score(g, 3); }
void tehtava4tulos(Game& g) { score(g, 4); }
void tehtava5tulos(Game& g) { score(g, 5); }
void tehtava6tulos(Game& g) { score(g, 6); }
void tehtava7tulos(Game& g) { score(g, 7); }
void tehtava8tulos(Game& g) { score(g, 8); }
void tehtava9tulos(Game& g) { score(g, 9); }
void tehtava10tulos(Game& g) { score(g, 10); }

} // namespace velmo
