#pragma once

#include "game/game.h"
#include "platform/colour.h"

#include <array>
#include <string_view>

namespace velmo {

// The four colours of the colour missions, by colour index.
inline constexpr std::array<Colour, 4> colour_values{colours::red, colours::green, colours::blue, colours::white};
inline constexpr std::array<std::string_view, 4> colour_names{"red", "green", "blue", "white"};

// The shapes of the counting and colour missions, drawn at random: centre,
// then radius; corner, then width, then height. Each reaches a little past
// 500 x 200 at most, inside the 521 x 225 surface.
struct Circle {
    int x, y, radius;
    void draw(PictureBox& pic, Colour colour) const { pic.circle(x, y, radius, colour); }
};
// Inline, so that a loop of 500 keeps the generator's state in a register.
inline Circle random_circle(RandomGenerator& rnd)
{
    const int x = rnd.draw(480, 20);
    const int y = rnd.draw(180, 20);
    return {x, y, rnd.draw(20)};
}

// A box is four separate segments, top, right, bottom, left, never one
// rectangle call: where they meet, the later edge is drawn over the earlier.
struct Box {
    int x, y, w, h;
    void draw(PictureBox& pic, Colour colour) const;
};
inline Box random_box(RandomGenerator& rnd)
{
    const int x = rnd.draw(500);
    const int y = rnd.draw(200);
    const int w = rnd.draw(20);
    return {x, y, w, rnd.draw(20)};
}

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
