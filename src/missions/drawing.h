#pragma once

#include "game/game.h"
#include "platform/colour.h"

#include <array>
#include <optional>
#include <string_view>

namespace velmo {

// The four colours of the colour missions, by colour index.
inline constexpr std::array<Colour, 4> colour_values{colours::red, colours::green, colours::blue, colours::white};
inline constexpr std::array<std::string_view, 4> colour_names{"red", "green", "blue", "white"};

// A box is four separate segments, top, right, bottom, left, never one
// rectangle call: where they meet, the later edge is drawn over the earlier.
void draw_box(PictureBox& pic, int x, int y, int w, int h, std::optional<Colour> colour = std::nullopt);

// The count Tmr1 left for missions 1 and 3. Where Tmr1 has not ticked since it
// was last started (a Start at once after the window opens, or at once after
// the last game's Ready), rightanswer holds no count, or the last game's
// answer; then one draw is taken as a tick would, so the count is always 100
// to 300 and is what is drawn.
Long count_from_tmr1(Game& g);

// Sets and shows the question.
void ask(Game& g, Colour colour, std::string_view question);
// Asks about colour index g.state.colour, in that colour: prefix + name + suffix.
void ask_about_colour(Game& g, std::string_view prefix, std::string_view suffix);

// Shows Ready and the mission's step buttons, and sets and shows the start
// estimate where the mission shows it as a number.
void offer_estimate(Game& g, int mission);

// Places the four edges of the 152-pixel-wide model box at a left edge.
void place_model_box(Game& g, Integer boxleft);
void show_model_box(Game& g);

} // namespace velmo
