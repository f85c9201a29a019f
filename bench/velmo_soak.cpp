// 10,000 headless games in one process: the peak resident size must stay flat
// after the first 100 games (within 1 MB), since nothing is created or
// released during a game.
#include "app/frmvelmo.h"
#include "quick_game.h"

#include <sys/resource.h>

#include <cstdio>

namespace {
long peak_rss_kb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main()
{
    constexpr int warm_up = 100, games = 10000;
    velmo::Frmvelmo w;
    long after_warm_up = 0;
    for (int g = 1; g <= games; ++g) {
        velmo::test::play_quick_game(w);
        if (g == warm_up)
            after_warm_up = peak_rss_kb();
    }
    const long at_end = peak_rss_kb();
    std::printf("soak: %d games; peak RSS %ld kB after %d games, %ld kB after all (growth %ld kB, limit 1024 kB)\n",
        games, after_warm_up, warm_up, at_end, at_end - after_warm_up);
    return at_end - after_warm_up <= 1024 ? 0 : 1;
}
