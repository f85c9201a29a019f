// Whole headless games, one after another, built both natively and to
// WebAssembly from this one source, so that bench/web-bench can set the
// browser's speed beside the native one. Prints the time a game takes.
#include "app/frmvelmo.h"
#include "quick_game.h"

#include <chrono>
#include <cstdio>

int main()
{
    constexpr int warm_up = 50, games = 500;
    velmo::Frmvelmo w;
    long check = 0;
    for (int g = 0; g < warm_up; ++g)
        check += velmo::test::play_quick_game(w);
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g)
        check += velmo::test::play_quick_game(w);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("headless game: %.4f ms (%d games, points %ld)\n", took.count() / games, games, check);
}
