// One scripted headless game, for valgrind's memcheck: it must end with a
// total in the game's range and leave no error and no leak behind.
#include "app/frmvelmo.h"
#include "quick_game.h"

#include <cstdio>

int main()
{
    velmo::Frmvelmo w;
    const long total = velmo::test::play_quick_game(w);
    std::printf("total %ld\n", total);
    return total >= 5540 && total <= 15000 ? 0 : 1;
}
