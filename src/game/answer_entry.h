#pragma once

#include "game.h"

#include <array>
#include <optional>

namespace velmo {

// Where a mission shows the estimate while the player steps it.
enum class EstimateShown { count_label, line3 };

// One row of the step-button rule table. Buttons 0 to buttons-1 are in use;
// a step is applied exactly when its result stays within low to high.
struct StepRule {
    Long low, high, start;
    int buttons;
    EstimateShown shown;
};

inline constexpr std::array<StepRule, 10> step_rules{{
    {100, 300, 200, 6, EstimateShown::count_label},
    {0, 100, 50, 4, EstimateShown::count_label},
    {100, 300, 200, 6, EstimateShown::count_label},
    {200, 800, 500, 6, EstimateShown::count_label},
    {0, 500, 250, 6, EstimateShown::count_label},
    {100, 630, 365, 6, EstimateShown::count_label},
    {0, 500, 250, 6, EstimateShown::count_label},
    {100, 600, 360, 6, EstimateShown::line3},
    {100, 500, 300, 6, EstimateShown::count_label},
    {0, 40000, 20000, 8, EstimateShown::count_label},
}};

// The step of cmdchange(index): -1, +1, -10, +10, ... +1000.
constexpr Long step_of(int index)
{
    Long magnitude = 1;
    for (int i = 0; i < index / 2; ++i)
        magnitude *= 10;
    return index % 2 == 0 ? -magnitude : magnitude;
}

// The rule of a mission, or none outside 1 to 10.
constexpr std::optional<StepRule> step_rule(int mission)
{
    if (mission < 1 || mission > 10)
        return std::nullopt;
    return step_rules[static_cast<std::size_t>(mission - 1)];
}

// Where the player's line of mission 8 begins; its length is the estimate.
inline constexpr int line3_start = 24;

void cmdchange_Click(Game& g, int index);

} // namespace velmo
