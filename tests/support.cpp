#include "support.h"

#include <cmath>
#include <cstdlib>

namespace velmo::test {

namespace {

void add_all(std::set<std::string>& out, const std::string& name, int from, int to)
{
    for (int i = from; i <= to; ++i)
        out.insert(name + "(" + std::to_string(i) + ")");
}

int buttons_of(int mission) { return mission == 2 ? 4 : mission == 10 ? 8 : 6; }

// The picture controls of a mission, shown in its answering and result phases.
void add_picture(std::set<std::string>& out, int m)
{
    if (m <= 5 || m == 7 || m == 9)
        out.insert("Pic1");
    if (m == 6 || m == 8 || m == 10)
        add_all(out, "Line4", 0, 3);
    if (m == 6 || m == 8)
        out.insert({"Line1", "Line3"});
    if (m == 6)
        out.insert("Lblmodel");
    if (m == 8)
        out.insert({"Line2", "Line5", "Lblscale"});
    if (m == 10)
        out.insert({"Pic2", "Pic3", "Lblmodel2", "Lblmodel3"});
}

} // namespace

std::set<std::string> visible_now(Frmvelmo& w)
{
    std::set<std::string> out;
    Form& f = w.form();
    for (const auto& c : f.labels())
        if (c.visible())
            out.insert(display_name(c));
    for (const auto& c : f.buttons())
        if (c.visible())
            out.insert(display_name(c));
    for (const auto& c : f.pictures())
        if (c.visible())
            out.insert(display_name(c));
    for (const auto& c : f.lines())
        if (c.visible())
            out.insert(display_name(c));
    return out;
}

std::set<std::string> running_now(Frmvelmo& w)
{
    std::set<std::string> out;
    for (const auto& t : w.form().timers())
        if (t.enabled())
            out.insert(std::string(t.name()));
    return out;
}

std::set<std::string> visible_in(Phase phase, int m)
{
    std::set<std::string> out{"lblotsikko", "lblorvan", "lblwritten"};
    switch (phase) {
    case Phase::title:
        out.insert("Cmdstart");
        break;
    case Phase::answering:
        out.insert({"Lblask", "cmdready"});
        add_all(out, "cmdchange", 0, buttons_of(m) - 1);
        if (m != 8)
            out.insert("Lblcount1");
        add_picture(out, m);
        break;
    case Phase::result:
    case Phase::game_over:
        out.insert({"Lblask", "Lblcount1", "lblrightots", "lblright"});
        out.insert(phase == Phase::result ? "cmdcont" : "Cmdnew");
        add_all(out, "Lblscore1", 0, 10);
        add_all(out, "Lblscore2", 0, 10);
        add_picture(out, m);
        break;
    case Phase::waiting:
        out.insert("Lblwait");
        break;
    }
    return out;
}

std::set<std::string> running_in(Phase phase)
{
    switch (phase) {
    case Phase::answering:
        return {};
    case Phase::waiting:
        return {"Tmr1", "Tmr2"};
    default:
        return {"Tmr1"};
    }
}

void enter(Frmvelmo& w, long target)
{
    for (int guard = 0; guard < 1000 && w.state().answer != target; ++guard) {
        const long diff = target - w.state().answer;
        // Buttons 2k and 2k+1 step by -10^k and +10^k.
        int best = -1;
        long size = 1;
        for (int k = 0; k < 4; ++k, size *= 10) {
            const int index = 2 * k + (diff > 0 ? 1 : 0);
            if (size <= std::labs(diff) && w.button("cmdchange", index).visible())
                best = index;
        }
        if (best < 0 || !w.click("cmdchange", best))
            break;
    }
}

long right_answer_on_screen(Frmvelmo& w)
{
    const GameState& s = w.state();
    switch (s.mission) {
    case 2:
        return std::lround(100.0 * s.colourcount[static_cast<std::size_t>(s.colour)] / 117972.0);
    case 5:
    case 7:
        return s.colourcount[static_cast<std::size_t>(s.colour)];
    case 8: {
        // The line that keeps the scale: 170 as the scale line is to 50.
        const LineShape& scale = w.line("Line1");
        return std::lround(170.0 * (scale.to().x - scale.from().x) / 50.0);
    }
    case 10: {
        const Bounds& area = w.picture("Pic3").bounds();
        return static_cast<long>(area.width) * area.height;
    }
    default:
        return s.rightanswer;
    }
}

} // namespace velmo::test
