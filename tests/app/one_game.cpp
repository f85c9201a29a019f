// One scripted headless game, for valgrind's memcheck: it must end with a
// total in the game's range and leave no error and no leak behind.
#include "app/frmvelmo.h"

#include <cstdio>

int main()
{
    velmo::Frmvelmo w;
    const long total = w.play_quick_game();
    std::printf("total %ld\n", total);
    return total >= 5540 && total <= 15000 ? 0 : 1;
}
