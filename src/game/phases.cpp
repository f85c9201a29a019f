#include "phases.h"

namespace velmo {

namespace {

void show_score_table(Ui& ui, bool visible)
{
    for (int i = 0; i <= 10; ++i) {
        ui.Lblscore1[i]->set_visible(visible);
        ui.Lblscore2[i]->set_visible(visible);
    }
}

void hide_model_box(Ui& ui)
{
    for (LineShape* edge : ui.Line4)
        edge->set_visible(false);
}

} // namespace

void Cmdstart_Click(Game& g)
{
    g.ui.Cmdstart.set_visible(false);
    g.ui.Pic1.set_width(521);
    g.ui.Pic1.set_height(225);
    g.ui.Pic1.set_visible(true);
    g.state.mission = 1;
    g.missions[0].tehtava(g);
}

void cmdready_Click(Game& g)
{
    g.ui.Tmr1.set_enabled(true);
    g.state.count_drawn = false;
    show_score_table(g.ui, true);
    if (const MissionProcedures* m = procedures_of(g, g.state.mission))
        m->tulos(g);
}

void cmdcont_Click(Game& g)
{
    Ui& ui = g.ui;
    ui.Lblcount1.set_visible(false);
    ui.Lblask.set_visible(false);
    ui.Tmr2.set_enabled(true);
    ui.Pic1.set_visible(false);
    ui.cmdcont.set_visible(false);
    ui.lblrightots.set_visible(false);
    ui.lblright.set_visible(false);
    ui.Lblwait.set_visible(true);
    hide_model_box(ui);
    show_score_table(ui, false);
    for (LineShape* line : {&ui.Line1, &ui.Line2, &ui.Line3, &ui.Line5})
        line->set_visible(false);
    ui.Lblscale.set_visible(false);
    ui.Lblmodel.set_visible(false);
    ui.Pic1.cls();
}

void Cmdnew_Click(Game& g)
{
    Ui& ui = g.ui;
    ui.Cmdnew.set_visible(false);
    ui.Cmdstart.set_visible(true);
    for (Label* value : ui.Lblscore2)
        value->set_caption(" 0");
    show_score_table(ui, false);
    for (int i = 0; i <= 9; ++i)
        g.state.scores[i] = 0;
    hide_model_box(ui);
    for (Visual* c : std::initializer_list<Visual*>{&ui.Lblmodel2, &ui.Lblmodel3, &ui.Pic2, &ui.Pic3, &ui.Lblcount1,
             &ui.lblrightots, &ui.lblright, &ui.Lblask})
        c->set_visible(false);
}

void Tmr1_Timer(Game& g)
{
    g.state.rightanswer = g.state.rnd.draw(201, 100);
    g.state.count_drawn = true;
}

void Tmr1_ticks(Game& g, std::int64_t ticks)
{
    if (ticks <= 0)
        return;
    g.state.rnd.skip(static_cast<std::uint64_t>(ticks - 1));
    Tmr1_Timer(g);
}

Long count_from_tmr1(Game& g)
{
    if (!g.state.count_drawn)
        Tmr1_Timer(g);
    return g.state.rightanswer;
}

void Tmr2_Timer(Game& g)
{
    g.ui.Tmr2.set_enabled(false);
    g.ui.Lblwait.set_visible(false);
    g.state.mission = cint(g.state.mission + 1);
    if (const MissionProcedures* m = procedures_of(g, g.state.mission))
        m->tehtava(g);
}

void peliloppu(Game& g)
{
    Integer total = 0;
    for (int i = 0; i <= 9; ++i)
        total = cint(total + g.state.scores[i]);
    g.ui.Lblscore2[10]->set_caption(number_text(total));
    g.ui.Cmdnew.set_visible(true);
}

} // namespace velmo
