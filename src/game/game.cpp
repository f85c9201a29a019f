#include "game.h"

namespace velmo {

namespace {
template <typename T, std::size_t N, typename Get> std::array<T*, N> array_of(Get get)
{
    std::array<T*, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = &get(static_cast<int>(i));
    return out;
}
} // namespace

Ui::Ui(Form& f)
    : Cmdstart(f.button("Cmdstart"))
    , Cmdnew(f.button("Cmdnew"))
    , cmdcont(f.button("cmdcont"))
    , cmdready(f.button("cmdready"))
    , cmdchange(array_of<CommandButton, 8>([&](int i) -> CommandButton& { return f.button("cmdchange", i); }))
    , Lblask(f.label("Lblask"))
    , lblrightots(f.label("lblrightots"))
    , lblright(f.label("lblright"))
    , Lblwait(f.label("Lblwait"))
    , Lblcount1(f.label("Lblcount1"))
    , Lblscale(f.label("Lblscale"))
    , Lblmodel(f.label("Lblmodel"))
    , Lblmodel2(f.label("Lblmodel2"))
    , Lblmodel3(f.label("Lblmodel3"))
    , Lblscore1(array_of<Label, 11>([&](int i) -> Label& { return f.label("Lblscore1", i); }))
    , Lblscore2(array_of<Label, 11>([&](int i) -> Label& { return f.label("Lblscore2", i); }))
    , Pic1(f.picture("Pic1"))
    , Pic2(f.picture("Pic2"))
    , Pic3(f.picture("Pic3"))
    , Line4(array_of<LineShape, 4>([&](int i) -> LineShape& { return f.line("Line4", i); }))
    , Line1(f.line("Line1"))
    , Line2(f.line("Line2"))
    , Line3(f.line("Line3"))
    , Line5(f.line("Line5"))
    , Tmr1(f.timer("Tmr1"))
    , Tmr2(f.timer("Tmr2"))
{
}

const MissionProcedures* procedures_of(const Game& g, int mission)
{
    if (mission < 1 || mission > 10)
        return nullptr;
    return &g.missions[static_cast<std::size_t>(mission - 1)];
}

} // namespace velmo
