#pragma once

#include "game.h"

#include <cstdint>

namespace velmo {

// The six handlers that move a game through its phases: title, answering,
// result, waiting, game over. The phase is what they leave visible and running.
void Cmdstart_Click(Game& g);
void cmdready_Click(Game& g);
void cmdcont_Click(Game& g);
void Cmdnew_Click(Game& g);
void Tmr1_Timer(Game& g);
// Any number of Tmr1 ticks at once, leaving the game as that many single
// ticks would: only the last one's count stays in rightanswer.
void Tmr1_ticks(Game& g, std::int64_t ticks);
void Tmr2_Timer(Game& g);

// The count Tmr1 left for missions 1 and 3. Where Tmr1 has not ticked since it
// was last started (a Start at once after the window opens, or at once after
// the last game's Ready), rightanswer holds no count, or the last game's
// answer; then one draw is taken as a tick would, so the count is always 100
// to 300 and is what is drawn.
Long count_from_tmr1(Game& g);

// The end of a game, reached from mission 10's scorer.
void peliloppu(Game& g);

} // namespace velmo
