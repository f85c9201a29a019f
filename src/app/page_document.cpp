// The page's window as markup, written at build time by the same element
// rules the game changes it by (the views' make_* and sync_view, through the
// DOM calls of dom.h, here kept as text): the page comes with every control,
// as the window is when it is created, and the game makes no element.
#include "page_document.h"

#include "face_metrics.h"
#include "platform/web/button_view.h"
#include "platform/web/dom.h"
#include "platform/web/fonts.h"
#include "platform/web/label_view.h"
#include "platform/web/line_view.h"
#include "platform/web/picture_view.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace velmo::web {

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : std::string(1, c);
    return out;
}

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct Element {
    std::string tag, id, css_class;
    Pairs attributes, style;
    std::string text, content; // as the player reads it; as markup
    bool hidden = false;
};
std::vector<Element> elements;

void set(Pairs& pairs, std::string_view name, std::string value)
{
    const auto at = std::find_if(pairs.begin(), pairs.end(), [&](const auto& p) { return p.first == name; });
    if (at != pairs.end())
        at->second = std::move(value);
    else
        pairs.emplace_back(name, std::move(value));
}

std::string html(const Element& e)
{
    std::string out = "<" + e.tag + " id=\"" + escaped(e.id) + "\" class=\"" + e.css_class + "\"";
    for (const auto& [name, value] : e.attributes)
        out += " " + name + "=\"" + escaped(value) + "\"";
    std::string style;
    for (const auto& [name, value] : e.style)
        style += (style.empty() ? "" : " ") + name + ": " + value + ";";
    out += " style=\"" + escaped(style) + "\"" + (e.hidden ? " hidden" : "") + ">";
    return out + e.content + "</" + e.tag + ">";
}

} // namespace

std::string window_markup(Form& form)
{
    elements.clear();
    // Places in the stacking order, as on the desktop: lines under buttons,
    // under pictures, under labels, each kind in design order. The document
    // order: the text, then the pictures, then the buttons in tab order,
    // which is also the order Tab takes.
    const int buttons_at = static_cast<int>(form.lines().size()), pictures_at = buttons_at + static_cast<int>(form.buttons().size()),
              labels_at = pictures_at + static_cast<int>(form.pictures().size());
    for (std::size_t i = 0; i < form.labels().size(); ++i)
        make_label(form.labels()[i], labels_at + static_cast<int>(i));
    for (std::size_t i = 0; i < form.pictures().size(); ++i)
        make_picture(form.pictures()[i], pictures_at + static_cast<int>(i));
    for (CommandButton* b : form.tab_order())
        make_button(*b, buttons_at + static_cast<int>(b - form.buttons().data()));
    for (std::size_t i = 0; i < form.lines().size(); ++i)
        make_line(form.lines()[i], static_cast<int>(i));

    // Hidden until the page's start has fitted it (start.js).
    std::string out = "<main id=\"window\" class=\"form\" aria-label=\"" + escaped(form.caption()) + "\" style=\"--w: " +
                      std::to_string(form.width()) + "; --h: " + std::to_string(form.height()) +
                      "; background: " + Css(form.back()).text + ";\" hidden>\n";
    for (const Element& e : elements)
        out += html(e) + "\n";
    return out + "</main>";
}

} // namespace velmo::web

using velmo::web::elements;

extern "C" {

int velmo_dom_create(const char* tag, const char* id, const char* css_class, int layer)
{
    elements.push_back({tag, id, css_class, {}, {{"z-index", std::to_string(layer)}}, {}, {}, false});
    return static_cast<int>(elements.size()) - 1;
}

int velmo_dom_element(const char* id)
{
    const auto at = std::find_if(elements.begin(), elements.end(), [id](const auto& e) { return e.id == id; });
    return at == elements.end() ? -1 : static_cast<int>(at - elements.begin());
}

void velmo_dom_style(int element, const char* property, const char* value)
{
    velmo::web::set(elements.at(static_cast<std::size_t>(element)).style, property, value);
}

void velmo_dom_attribute(int element, const char* name, const char* value)
{
    auto& e = elements.at(static_cast<std::size_t>(element));
    if (std::string_view(name) == "class")
        e.css_class = value;
    else
        velmo::web::set(e.attributes, name, value);
}

void velmo_dom_box(int element, int left, int top, int width, int height)
{
    for (const auto& [name, value] : {std::pair{"--x", left}, {"--y", top}, {"--w", width}, {"--h", height}})
        velmo_dom_style(element, name, std::to_string(value).c_str());
}

void velmo_dom_show(int element, int shown) { elements.at(static_cast<std::size_t>(element)).hidden = !shown; }

void velmo_dom_text(int element, const char* text)
{
    auto& e = elements.at(static_cast<std::size_t>(element));
    e.text = text;
    e.content = velmo::web::escaped(text);
}

void velmo_dom_caption(int element, const char* text, int key_at)
{
    velmo_dom_text(element, text);
    if (key_at < 0)
        return;
    const std::string_view t(text);
    const auto k = static_cast<std::size_t>(key_at);
    using velmo::web::escaped;
    elements.at(static_cast<std::size_t>(element)).content =
        escaped(t.substr(0, k)) + "<u>" + escaped(t.substr(k, 1)) + "</u>" + escaped(t.substr(k + 1));
}

// As a browser lays the text out in the face: its advances and kerning, at
// the font's size.
int velmo_dom_text_width(int element, const char* font)
{
    velmo_dom_style(element, "font", font);
    return velmo::web::text_width(elements.at(static_cast<std::size_t>(element)).text, font);
}
}
