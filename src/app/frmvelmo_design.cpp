#include "frmvelmo_design.h"

#include <array>

namespace velmo {

namespace {

using namespace colours;
constexpr auto L = Align::left;
constexpr auto C = Align::centre;
constexpr auto normal = FontRole::normal;

// One control a line, in columns.
// clang-format off
constexpr std::array<Entry<CommandButton>, 12> buttons{{
    // name       Index  caption      face      left, top, w, h       visible tab
    {"Cmdnew",    -1, {"&New game", magenta, {616, 80, 97, 25},   false, 48}},
    {"Cmdstart",  -1, {"&Start",    yellow,  {352, 208, 97, 25},  true,  38}},
    {"cmdcont",   -1, {"&Continue", green,   {352, 240, 97, 25},  false, 12}},
    {"cmdready",  -1, {"&Ready",    orange,  {224, 296, 353, 17}, false, 9}},
    {"cmdchange",  6, {"-1000",     blue,    {224, 272, 49, 17},  false, 46}},
    {"cmdchange",  4, {"-100",      blue,    {272, 272, 41, 17},  false, 40}},
    {"cmdchange",  2, {"-10",       blue,    {312, 272, 33, 17},  false, 14}},
    {"cmdchange",  0, {"-1",        blue,    {344, 272, 25, 17},  false, 4}},
    {"cmdchange",  1, {"+1",        red,     {432, 272, 25, 17},  false, 13}},
    {"cmdchange",  3, {"+10",       red,     {456, 272, 33, 17},  false, 15}},
    {"cmdchange",  5, {"+100",      red,     {488, 272, 41, 17},  false, 41}},
    {"cmdchange",  7, {"+1000",     red,     {528, 272, 49, 17},  false, 47}},
}};
// clang-format on

constexpr int score_row_top(int index) { return index < 10 ? 360 + 16 * index : 528; }

constexpr Entry<Label> score_caption(int index, std::string_view caption)
{
    return {"Lblscore1", index,
        {caption, green, black, {552, score_row_top(index), 137, 17}, L, normal, false, 16 + index}};
}

constexpr Entry<Label> score_value(int index)
{
    return {
        "Lblscore2", index, {" 0", yellow, black, {688, score_row_top(index), 57, 17}, L, normal, false, 27 + index}};
}

// clang-format off
constexpr std::array<Entry<Label>, 34> labels{{
    // name          caption                                  fore    back       left,top,w,h        align font visible tab
    {"lblotsikko",  -1, {"VELMO",                                    white,  black, {240, 8, 305, 105},  C, FontRole::title,  true, 1}},
    {"lblorvan",    -1, {"\xC2\xA9 Velmo team",                      green,  black, {8, 0, 153, 25},     L, FontRole::credit, true, 2}},
    {"lblwritten",  -1, {"Written by Velmo team",                    green,  black, {504, 0, 257, 25},   L, FontRole::credit, true, 3}},
    {"Lblask",      -1, {"How many circles is in the box (100-300)?", cyan,  black, {16, 112, 729, 25},  L, normal, false, 8}},
    {"lblrightots", -1, {"RIGHT ANSWER",                             orange, black, {344, 152, 113, 17}, L, normal, false, 10}},
    {"lblright",    -1, {"",                                         orange, black, {344, 176, 113, 17}, C, normal, false, 11}},
    {"Lblwait",     -1, {"WAIT A MOMENT...",                         grey,   black, {328, 200, 145, 17}, C, normal, false, 39}},
    {"Lblcount1",   -1, {" 200",                                     yellow, dark_grey, {368, 272, 65, 17}, C, normal, false, 5}},
    {"Lblscale",    -1, {"SCALE",                                    red,    black, {440, 368, 57, 17},  C, normal, false, 7}},
    {"Lblmodel2",   -1, {" 2500 PIXEL AREA",                         red,    black, {400, 392, 137, 17}, C, normal, false, 42}},
    {"Lblmodel3",   -1, {"(50 x 50 PIXELS)",                         red,    black, {400, 408, 137, 17}, C, normal, false, 45}},
    {"Lblmodel",    -1, {"50 PIXEL MODEL",                           red,    black, {400, 448, 137, 17}, C, normal, false, 6}},
    score_caption(0, "Score - Mission 1:"),
    score_caption(1, "Score - Mission 2:"),
    score_caption(2, "Score - Mission 3:"),
    score_caption(3, "Score - Mission 4:"),
    score_caption(4, "Score - Mission 5:"),
    score_caption(5, "Score - Mission 6:"),
    score_caption(6, "Score - Mission 7:"),
    score_caption(7, "Score - Mission 8:"),
    score_caption(8, "Score - Mission 9:"),
    score_caption(9, "Score - Mission 10:"),
    score_caption(10, "Score - Total"),
    score_value(0), score_value(1), score_value(2), score_value(3), score_value(4), score_value(5),
    score_value(6), score_value(7), score_value(8), score_value(9), score_value(10),
}};

// Pic3's fore colour is the system window-text colour; nothing draws with it.
constexpr std::array<Entry<PictureBox>, 3> pictures{{
    {"Pic1", -1, {black,  white, {16, 320, 17, 17}, false, 0}},
    {"Pic3", -1, {yellow, black, {40, 320, 17, 17}, false, 44}},
    {"Pic2", -1, {yellow, black, {444, 434, 50, 50}, false, 43}},
}};

constexpr std::array<Entry<LineShape>, 8> lines{{
    {"Line4", 0, {white,  1, {392, 352}, {392, 544}}},
    {"Line4", 1, {white,  1, {544, 352}, {544, 544}}},
    {"Line4", 2, {white,  1, {392, 352}, {544, 352}}},
    {"Line4", 3, {white,  1, {392, 544}, {544, 544}}},
    {"Line1", -1, {yellow, 2, {416, 528}, {466, 528}}},
    {"Line2", -1, {yellow, 2, {408, 474}, {408, 524}}},
    {"Line3", -1, {yellow, 2, {16, 344}, {746, 344}}},
    {"Line5", -1, {yellow, 2, {16, 352}, {16, 522}}},
}};

constexpr std::array<Entry<Timer>, 2> timers{{
    {"Tmr1", -1, {2, true}},
    {"Tmr2", -1, {3000, false}},
}};


// Numbers and pictures say nothing of what they are.
constexpr std::array<SpokenName, 15> spoken{{
    {"Pic1",      -1, "Picture"},
    {"Pic2",      -1, "Model area"},
    {"Pic3",      -1, "Yellow area"},
    {"Lblcount1", -1, "Your estimate"},
    {"Lblscore2",  0, "Score of mission 1"},
    {"Lblscore2",  1, "Score of mission 2"},
    {"Lblscore2",  2, "Score of mission 3"},
    {"Lblscore2",  3, "Score of mission 4"},
    {"Lblscore2",  4, "Score of mission 5"},
    {"Lblscore2",  5, "Score of mission 6"},
    {"Lblscore2",  6, "Score of mission 7"},
    {"Lblscore2",  7, "Score of mission 8"},
    {"Lblscore2",  8, "Score of mission 9"},
    {"Lblscore2",  9, "Score of mission 10"},
    {"Lblscore2", 10, "Total score"},
}};

// clang-format on

constexpr FormDesign design{"Velmo", black, 760, 555, buttons, labels, pictures, lines, timers, spoken};

} // namespace

const FormDesign& frmvelmo_design() { return design; }

} // namespace velmo
