#pragma once

#include "platform/form.h"
#include "platform/numeric.h"
#include "platform/random.h"

#include <array>

namespace velmo {

// The state that crosses handlers. Working values of a single procedure are
// its locals; everything here is read by more than one procedure.
struct GameState {
    RandomGenerator rnd;
    Integer mission = 0;               // 0 until the first Start, then 1 to 10
    Long answer = 0;                   // the estimate; mission 10 reaches 40000
    Long rightanswer = 0;              // right answer; while Tmr1 runs, its running count
    bool count_drawn = false;          // a Tmr1 tick has drawn rightanswer since Tmr1 last started
    Integer colour = 0;                // colour index asked about in missions 2, 5, 7
    std::array<Long, 5> colourcount{}; // per colour index; element 4 is never used
    Long rightarea = 0;                // mission 10's right answer
    std::array<Integer, 11> scores{};  // element k-1 holds mission k; element 10 unused
};

// The controls the game works with, bound once by name from the window model.
struct Ui {
    explicit Ui(Form& form);

    CommandButton &Cmdstart, &Cmdnew, &cmdcont, &cmdready;
    std::array<CommandButton*, 8> cmdchange;
    Label &Lblask, &lblrightots, &lblright, &Lblwait, &Lblcount1, &Lblscale, &Lblmodel, &Lblmodel2, &Lblmodel3;
    std::array<Label*, 11> Lblscore1, Lblscore2;
    PictureBox &Pic1, &Pic2, &Pic3;
    std::array<LineShape*, 4> Line4;
    LineShape &Line1, &Line2, &Line3, &Line5;
    Timer &Tmr1, &Tmr2;
};

struct Game;
using Procedure = void (*)(Game&);

// Mission k's generator and scorer, at k - 1. The window binds them, so the
// handlers here reach the missions and the scorers that build on this folder.
struct MissionProcedures {
    Procedure tehtava, tulos;
};
using MissionTable = std::array<MissionProcedures, 10>;

// What every procedure of the window shares: its controls and its state.
struct Game {
    Game(Form& form, const MissionTable& mission_table)
        : ui(form)
        , missions(mission_table)
    {
    }

    Ui ui;
    GameState state;
    const MissionTable& missions;
};

// The procedures of a mission, or none outside 1 to 10.
const MissionProcedures* procedures_of(const Game& g, int mission);

} // namespace velmo
