#pragma once

// What the game's tests share: the random sequence as published, the phase
// tables, and a way to enter an exact answer with the step buttons.

#include "app/frmvelmo.h"

#include <cstdint>
#include <set>
#include <string>

namespace velmo::test {

// The published sequence, independent of the code under test.
inline std::uint32_t next_state(std::uint32_t s) { return (s * 16598013u + 12820163u) % 16777216u; }
inline std::uint32_t advance_state(std::uint32_t s, long long draws)
{
    for (long long i = 0; i < draws; ++i)
        s = next_state(s);
    return s;
}
// The state that the next draw turns into s.
inline std::uint32_t state_before(std::uint32_t s)
{
    // 16598013 is odd, so it has an inverse modulo 2^24 (Newton's iteration).
    std::uint32_t inv = 16598013u;
    for (int i = 0; i < 5; ++i)
        inv *= 2u - 16598013u * inv;
    return ((s - 12820163u) * inv) % 16777216u;
}

// The runtime's colour function: red + 256 x green + 65536 x blue.
constexpr Colour rgb(int red, int green, int blue)
{
    return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) + 65536u * static_cast<Colour>(blue);
}
// R, the next value of the sequence: the new state over 2^24, exact in single precision.
inline float next_value(RandomGenerator& rnd)
{
    rnd.skip(1);
    return static_cast<float>(rnd.state()) / 16777216.0f;
}

enum class Phase { title, answering, result, waiting, game_over };

// Names ("Cmdstart", "cmdchange(3)", "Tmr1") of what is visible or running.
std::set<std::string> visible_now(Frmvelmo& w);
std::set<std::string> running_now(Frmvelmo& w);
// The same sets as the phase tables give them for a phase of a mission.
std::set<std::string> visible_in(Phase phase, int mission);
std::set<std::string> running_in(Phase phase);

// Steps the estimate to target with the visible buttons, largest step first.
void enter(Frmvelmo& w, long target);
// The right answer of the mission now on screen, worked out from what the
// player can see or what the generator counted.
long right_answer_on_screen(Frmvelmo& w);

} // namespace velmo::test
