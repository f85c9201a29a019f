#include "frmvelmo.h"

#include "frmvelmo_design.h"
#include "game/answer_entry.h"
#include "game/phases.h"
#include "missions/missions.h"
#include "scoring/scorers.h"

#include <array>

namespace velmo {

namespace {

struct ClickBinding {
    std::string_view button;
    Procedure handler;
};

constexpr std::array<ClickBinding, 4> flow_buttons{{
    {"Cmdstart", Cmdstart_Click},
    {"cmdready", cmdready_Click},
    {"cmdcont", cmdcont_Click},
    {"Cmdnew", Cmdnew_Click},
}};

constexpr std::array<ClickBinding, 2> timer_handlers{{
    {"Tmr1", Tmr1_Timer},
    {"Tmr2", Tmr2_Timer},
}};

constexpr MissionTable missions{{
    {tehtava1, tehtava1tulos},
    {tehtava2, tehtava2tulos},
    {tehtava3, tehtava3tulos},
    {tehtava4, tehtava4tulos},
    {tehtava5, tehtava5tulos},
    {tehtava6, tehtava6tulos},
    {tehtava7, tehtava7tulos},
    {tehtava8, tehtava8tulos},
    {tehtava9, tehtava9tulos},
    {tehtava10, tehtava10tulos},
}};

} // namespace

Frmvelmo::Frmvelmo(Tmr1Ticks ticks)
    : form_(frmvelmo_design())
    , game_(form_, missions)
    , dispatcher_(form_)
{
    for (const ClickBinding& b : flow_buttons)
        dispatcher_.on_click(b.button, [this, h = b.handler](int) { h(game_); });
    dispatcher_.on_click("cmdchange", [this](int index) { cmdchange_Click(game_, index); });
    for (const ClickBinding& t : timer_handlers)
        dispatcher_.on_tick(t.button, [this, h = t.handler] { h(game_); });
    if (ticks == Tmr1Ticks::when_read)
        dispatcher_.on_quiet_ticks("Tmr1", [this](std::int64_t n) { Tmr1_ticks(game_, n); });
}

bool Frmvelmo::access_key(char letter)
{
    const CommandButton* b = form_.access_key_button(letter);
    return b && click(b->name(), b->index());
}

} // namespace velmo
