#pragma once

#include "app/frmvelmo.h"

namespace velmo::test {

// One whole game as a quick player plays it, on the virtual clock with the
// real 3-second waits: a look, a few steps, Ready, Continue. Returns the total.
inline long play_quick_game(Frmvelmo& w)
{
    w.advance(500);
    w.click("Cmdstart");
    for (int m = 1; m <= 10; ++m) {
        w.click("cmdchange", 1);
        w.click("cmdchange", 3);
        w.click("cmdready");
        if (m == 10)
            break;
        w.advance(700);
        w.click("cmdcont");
        w.advance(3000);
    }
    long total = 0;
    for (int k = 0; k < 10; ++k)
        total += w.state().scores[k];
    w.click("Cmdnew");
    return total;
}

} // namespace velmo::test
