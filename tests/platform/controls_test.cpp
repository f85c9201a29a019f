#include "platform/form.h"

#include <gtest/gtest.h>

#include <array>

namespace velmo {
namespace {

constexpr std::array<Entry<Label>, 1> labels{
    {{"Lbl", -1, {"Hi", colours::white, colours::black, {1, 2, 30, 10}, Align::left, FontRole::normal, true, 0}}}};
constexpr std::array<Entry<PictureBox>, 1> pictures{
    {{"Pic", -1, {colours::black, colours::white, {5, 6, 20, 10}, false, 1}}}};
constexpr std::array<Entry<LineShape>, 1> lines{{{"Line", -1, {colours::yellow, 1, {1, 2}, {3, 4}}}}};
constexpr FormDesign design{"t", colours::black, 100, 100, {}, labels, pictures, lines, {}};

// A set to the value a control already has costs no revision, so the view
// repaints nothing for it; a real change costs exactly one.
TEST(Controls, only_a_real_change_bumps_the_revision)
{
    struct Case {
        const char* what;
        Control& (*control)(Form&);
        void (*set)(Form&, bool change);
    };
    const auto lbl = [](Form& f) -> Control& { return f.label("Lbl"); };
    const auto pic = [](Form& f) -> Control& { return f.picture("Pic"); };
    const auto line = [](Form& f) -> Control& { return f.line("Line"); };
    const std::array<Case, 14> cases{{
        {"label caption", lbl, [](Form& f, bool c) { f.label("Lbl").set_caption(c ? "Ho" : "Hi"); }},
        {"label colour", lbl, [](Form& f, bool c) { f.label("Lbl").set_fore(c ? colours::red : colours::white); }},
        {"label left", lbl, [](Form& f, bool c) { f.label("Lbl").set_left(c ? 9 : 1); }},
        {"label visible", lbl, [](Form& f, bool c) { f.label("Lbl").set_visible(!c); }},
        {"picture left", pic, [](Form& f, bool c) { f.picture("Pic").set_left(c ? 0 : 5); }},
        {"picture top", pic, [](Form& f, bool c) { f.picture("Pic").set_top(c ? 0 : 6); }},
        {"picture width", pic, [](Form& f, bool c) { f.picture("Pic").set_width(c ? 21 : 20); }},
        {"picture height", pic, [](Form& f, bool c) { f.picture("Pic").set_height(c ? 11 : 10); }},
        {"picture visible", pic, [](Form& f, bool c) { f.picture("Pic").set_visible(c); }},
        {"line x1", line, [](Form& f, bool c) { f.line("Line").set_x1(c ? 0 : 1); }},
        {"line y1", line, [](Form& f, bool c) { f.line("Line").set_y1(c ? 0 : 2); }},
        {"line x2", line, [](Form& f, bool c) { f.line("Line").set_x2(c ? 0 : 3); }},
        {"line y2", line, [](Form& f, bool c) { f.line("Line").set_y2(c ? 0 : 4); }},
        {"line visible", line, [](Form& f, bool c) { f.line("Line").set_visible(c); }},
    }};
    for (const Case& c : cases) {
        Form form{design};
        const std::uint64_t before = c.control(form).revision();
        c.set(form, false);
        EXPECT_EQ(c.control(form).revision(), before) << c.what << " set to what it was";
        c.set(form, true);
        EXPECT_EQ(c.control(form).revision(), before + 1) << c.what << " changed";
        c.set(form, true);
        EXPECT_EQ(c.control(form).revision(), before + 1) << c.what << " set again";
    }
}

} // namespace
} // namespace velmo
