#include "drawing.h"

#include "game/answer_entry.h"

#include <string>

namespace velmo {

void Box::draw(PictureBox& pic, Colour c) const
{
    pic.line(x, y, x + w, y, c);
    pic.line(x + w, y, x + w, y + h, c);
    pic.line(x + w, y + h, x, y + h, c);
    pic.line(x, y + h, x, y, c);
}

void ask(Game& g, Colour colour, std::string_view question)
{
    g.ui.Lblask.set_fore(colour);
    g.ui.Lblask.set_caption(question);
    g.ui.Lblask.set_visible(true);
}

void ask_about_colour(Game& g, std::string_view prefix, std::string_view suffix)
{
    const auto c = static_cast<std::size_t>(g.state.colour);
    std::string question(prefix);
    question += colour_names[c];
    question += suffix;
    ask(g, colour_values[c], question);
}

void offer_estimate(Game& g, int mission)
{
    const StepRule rule = *step_rule(mission);
    g.ui.cmdready.set_visible(true);
    for (int i = 0; i < rule.buttons; ++i)
        g.ui.cmdchange[i]->set_visible(true);
    g.state.answer = rule.start;
    if (rule.shown == EstimateShown::count_label) {
        g.ui.Lblcount1.set_caption(number_text(rule.start));
        g.ui.Lblcount1.set_visible(true);
    }
}

void place_model_box(Game& g, Integer boxleft)
{
    const Integer right = cint(boxleft + 152);
    auto& box = g.ui.Line4;
    box[0]->set_x1(boxleft);
    box[0]->set_x2(boxleft);
    box[1]->set_x1(right);
    box[1]->set_x2(right);
    box[2]->set_x1(boxleft);
    box[2]->set_x2(right);
    box[3]->set_x1(boxleft);
    box[3]->set_x2(right);
}

void show_model_box(Game& g)
{
    for (LineShape* edge : g.ui.Line4)
        edge->set_visible(true);
}

} // namespace velmo
