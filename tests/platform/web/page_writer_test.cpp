// The page's markup of the window, as the build writes it: an element for
// every control, in the state the window is created in, in tab order, each
// at its control's stacking place, the title fitted by its face's metrics.
#include "app/frmvelmo_design.h"
#include "platform/faces.h"
#include "platform/web/page_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <type_traits>

namespace velmo::web {
namespace {

std::string style_of(const Element& e, std::string_view name)
{
    for (const auto& [n, v] : e.style)
        if (n == name)
            return v;
    return {};
}
std::string attribute_of(const Element& e, std::string_view name)
{
    for (const auto& [n, v] : e.attributes)
        if (n == name)
            return v;
    return {};
}

struct Written : ::testing::Test {
    Form form{frmvelmo_design()};
    FaceMetrics metrics = FaceMetrics::load(VELMO_FACE_METRICS_DIR);
    std::vector<Element> elements = write_elements(form, metrics);
    std::map<std::string, const Element*> by_id;

    void SetUp() override
    {
        for (const Element& e : elements)
            by_id[e.id] = &e;
    }
};

// 12 buttons, 34 labels, 3 pictures and 8 lines; the timers have none. Each
// as the window is created, at its control's stacking place, the buttons in
// the document as Tab takes them.
TEST_F(Written, every_control_but_the_timers_as_the_window_is_created)
{
    ASSERT_EQ(elements.size(), 57u);
    ASSERT_EQ(by_id.size(), 57u) << "ids are unique";
    const auto check = [&](const auto& kind) {
        for (const auto& c : kind) {
            const Element& e = *by_id.at(display_name(c));
            EXPECT_EQ(e.hidden, !c.visible()) << e.id;
            EXPECT_EQ(style_of(e, "z-index"), std::to_string(form.stacking_place(c))) << e.id;
            if constexpr (std::is_base_of_v<Visual, std::decay_t<decltype(c)>>) {
                const Bounds& b = c.bounds();
                EXPECT_EQ(style_of(e, "--x") + " " + style_of(e, "--y") + " " + style_of(e, "--w") + " " +
                              style_of(e, "--h"),
                    std::to_string(b.left) + " " + std::to_string(b.top) + " " + std::to_string(b.width) + " " +
                        std::to_string(b.height))
                    << e.id;
            }
        }
    };
    check(form.labels());
    check(form.pictures());
    check(form.buttons());
    check(form.lines());
    std::vector<std::string> buttons, tab;
    for (const Element& e : elements)
        if (e.tag == "button")
            buttons.push_back(e.id);
    for (const CommandButton* b : form.tab_order())
        tab.push_back(display_name(*b));
    EXPECT_EQ(buttons, tab);
    // The text first, then the pictures, then the buttons; the title the heading.
    EXPECT_EQ(elements.front().tag, "h1");
    EXPECT_EQ(elements[34].tag, "canvas");
    EXPECT_EQ(elements[37].tag, "button");
}

TEST_F(Written, buttons_underline_their_access_letter_and_name_its_keys)
{
    struct Case {
        std::string id, content, keys;
    };
    for (const Case& c : std::array<Case, 4>{{
             {"Cmdstart", "<u>S</u>tart", "Alt+S"},
             {"Cmdnew", "<u>N</u>ew game", "Alt+N"},
             {"cmdready", "<u>R</u>eady", "Alt+R"},
             {"cmdchange(7)", "+1000", ""},
         }}) {
        EXPECT_EQ(by_id.at(c.id)->content, c.content) << c.id;
        EXPECT_EQ(attribute_of(*by_id.at(c.id), "aria-keyshortcuts"), c.keys) << c.id;
    }
}

// The title's face at the design's 96 px is wider than its 305-pixel label;
// the size it is written at fits it, by the face's own advances and kerning,
// and two pixels more would not. The other labels keep their design sizes.
TEST_F(Written, the_title_is_fitted_to_its_label_by_its_faces_metrics)
{
    const Face& title = face(FontRole::title);
    ASSERT_GT(metrics.text_width(title, 96, "VELMO"), 305);
    const std::string font = style_of(*by_id.at("lblotsikko"), "font");
    const int size = std::stoi(font.substr(font.find(' ') + 1));
    EXPECT_LE(metrics.text_width(title, size, "VELMO"), 305) << font;
    EXPECT_GT(metrics.text_width(title, size + 2, "VELMO"), 305) << font;
    EXPECT_EQ(style_of(*by_id.at("lblwritten"), "font"), "italic 900 19px \"Velmo Black\"");
    EXPECT_EQ(style_of(*by_id.at("Lblask"), "font"), "900 13px \"Velmo Black\"");
}

TEST(Markup, escapes_what_markup_would_read_as_its_own)
{
    EXPECT_EQ(escaped("a & b < c > \"d\""), "a &amp; b &lt; c &gt; &quot;d&quot;");
    EXPECT_EQ(html({"div", "x(1)", "label", {{"aria-label", "a\"b"}}, {{"--x", "3"}}, "&amp;", true}),
        "<div id=\"x(1)\" class=\"label\" aria-label=\"a&quot;b\" style=\"--x: 3;\" hidden>&amp;</div>");
}

} // namespace
} // namespace velmo::web
