#pragma once

#include "game/game.h"

namespace velmo {

void tehtava1(Game& g);
void tehtava2(Game& g);
void tehtava3(Game& g);
void tehtava4(Game& g);
void tehtava5(Game& g);
void tehtava6(Game& g);
void tehtava7(Game& g);
void tehtava8(Game& g);
void tehtava9(Game& g);
void tehtava10(Game& g);

} // namespace velmo
