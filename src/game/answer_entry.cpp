#include "answer_entry.h"

namespace velmo {

void cmdchange_Click(Game& g, int index)
{
    const auto rule = step_rule(g.state.mission);
    if (!rule || index < 0 || index >= rule->buttons)
        return;
    const Long next = g.state.answer + step_of(index);
    // A step that would leave the range is not cut short: the click does nothing.
    if (next < rule->low || next > rule->high)
        return;
    g.state.answer = next;
    if (rule->shown == EstimateShown::line3)
        g.ui.Line3.set_x2(line3_start + next);
    else
        g.ui.Lblcount1.set_caption(number_text(next));
}

} // namespace velmo
