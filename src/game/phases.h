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

// The end of a game, reached from mission 10's scorer.
void peliloppu(Game& g);

} // namespace velmo
