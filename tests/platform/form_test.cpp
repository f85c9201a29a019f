// The rules of the window that every view follows alike: the stacking of
// its controls, the order Tab takes, and which button an access key presses.
#include "app/frmvelmo_design.h"
#include "platform/appearance.h"
#include "platform/form.h"
#include "platform/numeric.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <string>
#include <vector>

namespace velmo {
namespace {

struct Window : ::testing::Test {
    Form form{frmvelmo_design()};

    void show_only(std::initializer_list<std::string_view> names)
    {
        for (CommandButton& b : form.buttons())
            b.set_visible(std::find(names.begin(), names.end(), b.name()) != names.end());
    }
};

// Lines under buttons, under pictures, under labels; each kind in design order.
TEST_F(Window, stacks_lines_under_buttons_under_pictures_under_labels)
{
    std::vector<std::size_t> places, expected(57);
    const auto add = [&](const auto& kind) {
        for (const Control& c : kind)
            places.push_back(form.stacking_place(c));
    };
    add(form.lines());
    add(form.buttons());
    add(form.pictures());
    add(form.labels());
    std::iota(expected.begin(), expected.end(), std::size_t{0});
    EXPECT_EQ(places, expected);
    EXPECT_EQ(form.stacking_places(), 57u);
    const Form other{frmvelmo_design()};
    EXPECT_THROW((void)form.stacking_place(other.labels().front()), RuntimeError);
}

// By the design's tab indexes: -1 (4), Ready (9), Continue (12), +1 (13) ...
TEST_F(Window, tab_takes_the_buttons_by_their_tab_indexes)
{
    std::vector<std::string> order;
    for (const CommandButton* b : form.tab_order())
        order.push_back(display_name(*b));
    EXPECT_EQ(order, (std::vector<std::string>{"cmdchange(0)", "cmdready", "cmdcont", "cmdchange(1)", "cmdchange(2)",
                         "cmdchange(3)", "Cmdstart", "cmdchange(4)", "cmdchange(5)", "cmdchange(6)", "cmdchange(7)",
                         "Cmdnew"}));
}

TEST(TabOrder, keeps_design_order_where_tab_indexes_tie)
{
    static constexpr std::array<Entry<CommandButton>, 3> buttons{{
        {"C", -1, {"c", colours::red, {}, true, 5}},
        {"A", -1, {"a", colours::red, {}, true, 1}},
        {"B", -1, {"b", colours::red, {}, true, 5}},
    }};
    Form form{FormDesign{"t", colours::black, 10, 10, buttons, {}, {}, {}, {}}};
    std::string order;
    for (const CommandButton* b : form.tab_order())
        order += b->name();
    EXPECT_EQ(order, "ACB");
}

// Alt and a letter press the first shown button that marks it, in either case.
TEST_F(Window, an_access_key_presses_the_shown_button_that_marks_its_letter)
{
    struct Case {
        std::initializer_list<std::string_view> shown;
        char letter;
        std::string_view pressed; // empty for none
    };
    for (const Case& c : std::array<Case, 7>{{
             {{"Cmdstart"}, 's', "Cmdstart"},
             {{"Cmdstart"}, 'S', "Cmdstart"},
             {{"Cmdstart"}, 'r', ""}, // Ready's letter, but Ready is hidden
             {{"cmdready", "cmdchange"}, 'r', "cmdready"},
             {{"cmdcont"}, 'c', "cmdcont"},
             {{"Cmdnew", "Cmdstart"}, 'n', "Cmdnew"},
             {{"Cmdstart"}, 0, ""},
         }}) {
        show_only(c.shown);
        const CommandButton* b = form.access_key_button(c.letter);
        EXPECT_EQ(b ? b->name() : "", c.pressed) << "Alt+" << (c.letter ? c.letter : '0');
    }
}

TEST_F(Window, names_each_access_key_with_alt_alone)
{
    struct Case {
        std::string_view name;
        int index;
        std::string shortcut;
    };
    for (const Case& c : std::array<Case, 5>{{
             {"Cmdstart", -1, "Alt+S"},
             {"cmdready", -1, "Alt+R"},
             {"cmdcont", -1, "Alt+C"},
             {"Cmdnew", -1, "Alt+N"},
             {"cmdchange", 0, ""},
         }})
        EXPECT_EQ(access_shortcut(form.button(c.name, c.index)), c.shortcut) << c.name;
}

// Opaque labels, all but the title, which stands over nothing but the window.
TEST_F(Window, every_label_but_the_title_fills_its_background)
{
    for (const Label& l : form.labels())
        EXPECT_EQ(fills_background(l), l.name() != "lblotsikko") << display_name(l);
}

} // namespace
} // namespace velmo
