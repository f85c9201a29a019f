#pragma once

#include "game/game.h"

#include <array>

namespace velmo {

// Where a scorer finds the right answer it compares and shows.
enum class RightFrom {
    rightanswer,  // left by the generator (or by Tmr1, missions 1 and 3)
    percent,      // mission 2: the asked colour's share of the painted points
    colour_count, // missions 5 and 7: the count of the asked colour
    rightarea,    // mission 10
};

// How the scorers of the ten missions differ; everything else they share.
struct ScorerRule {
    RightFrom right;
    Long exact;            // points for an exact answer
    bool floor_at_zero;    // points never go below 0
    bool reveals_estimate; // the estimate was a line; show it as a number now
    bool ends_game;        // call peliloppu instead of offering Continue
};

inline constexpr std::array<ScorerRule, 10> scorer_rules{{
    {RightFrom::rightanswer, 1000, false, false, false},
    {RightFrom::percent, 1000, false, false, false},
    {RightFrom::rightanswer, 1000, false, false, false},
    {RightFrom::rightanswer, 1000, false, false, false},
    {RightFrom::colour_count, 1000, false, false, false},
    {RightFrom::rightanswer, 1000, false, false, false},
    {RightFrom::colour_count, 1000, false, false, false},
    {RightFrom::rightanswer, 1000, false, true, false},
    {RightFrom::rightanswer, 1000, false, false, false},
    {RightFrom::rightarea, 6000, true, false, true},
}};

// The points mission 2 paints and counts, 522 x 226.
inline constexpr Long boxpixels = 117972;

void tehtava1tulos(Game& g);
void tehtava2tulos(Game& g);
void tehtava3tulos(Game& g);
void tehtava4tulos(Game& g);
void tehtava5tulos(Game& g);
void tehtava6tulos(Game& g);
void tehtava7tulos(Game& g);
void tehtava8tulos(Game& g);
void tehtava9tulos(Game& g);
void tehtava10tulos(Game& g);

} // namespace velmo
