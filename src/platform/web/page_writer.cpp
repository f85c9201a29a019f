#include "page_writer.h"

#include "convert.h"
#include "fonts.h"
#include "platform/appearance.h"

namespace velmo::web {

namespace {

Element element(const Form& form, const Control& c, std::string tag, std::string css_class)
{
    return {std::move(tag), element_id(c), std::move(css_class), {},
        {{"z-index", std::to_string(form.stacking_place(c))}}, {}, false};
}

void box(Element& e, const Bounds& b)
{
    for (const auto& [name, value] : {std::pair{"--x", b.left}, {"--y", b.top}, {"--w", b.width}, {"--h", b.height}})
        e.style.emplace_back(name, std::to_string(value));
}

} // namespace

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : std::string(1, c);
    return out;
}

Element write_label(const Form& form, const Label& l, const FaceMetrics& metrics)
{
    // The title is the page's heading.
    const bool title = l.font() == FontRole::title;
    Element e = element(form, l, title ? "h1" : "div", "label");
    const Face& f = face(l.font());
    // Made smaller where it is too wide for the label, as the desktop makes
    // it, by the face's own advances: the caption never changes.
    const int size = title ? fitted_pixel_size(f.pixel_size, metrics.text_width(f, f.pixel_size, l.caption()),
                                 l.bounds().width)
                           : f.pixel_size;
    e.style.emplace_back("font", css_font(f, size));
    e.style.emplace_back("font-size", scaled(size));
    e.style.emplace_back("line-height", scaled(line_height(l.font())));
    if (l.align() == Align::centre)
        e.style.emplace_back("text-align", "center");
    e.style.emplace_back("color", Css(l.fore()).text);
    if (fills_background(l))
        e.style.emplace_back("background-color", Css(l.back()).text);
    box(e, l.bounds());
    if (!l.spoken_name().empty())
        e.attributes.emplace_back("aria-label", l.spoken_name());
    e.content = escaped(l.caption());
    e.hidden = !l.visible();
    return e;
}

Element write_button(const Form& form, const CommandButton& b)
{
    Element e = element(form, b, "button", "button");
    box(e, b.bounds());
    const ButtonLook look = button_look(b.face());
    e.style.emplace_back("background-color", Css(look.face).text);
    e.style.emplace_back("color", Css(look.ink).text);
    e.style.emplace_back("--lit", Css(look.lit).text);
    e.style.emplace_back("--shade", Css(look.shade).text);
    e.style.emplace_back("font", css_font(button_face));
    e.style.emplace_back("font-size", scaled(button_face.pixel_size));
    // The caption with its access letter underlined, and the keys that press it.
    const std::string& caption = b.caption();
    const auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) {
        e.content = escaped(caption);
    } else {
        e.attributes.emplace_back("aria-keyshortcuts", access_shortcut(b));
        e.content = escaped(caption.substr(0, amp)) + "<u>" + escaped(caption.substr(amp + 1, 1)) + "</u>" +
                    escaped(caption.substr(amp + 2));
    }
    // The desktop's dotted focus ring, pixel for pixel, as the page draws it
    // at its scale (start.js).
    std::string ring;
    for (const Point& p : focus_ring(b.bounds().width, b.bounds().height))
        ring += (ring.empty() ? "" : " ") + std::to_string(p.x) + ',' + std::to_string(p.y);
    e.attributes.emplace_back("data-ring", ring);
    e.hidden = !b.visible();
    return e;
}

// Its bitmap comes with the game, at the screen's scale.
Element write_picture(const Form& form, const PictureBox& p)
{
    Element e = element(form, p, "canvas", "picture");
    e.attributes.emplace_back("role", "img");
    e.attributes.emplace_back("aria-label", p.spoken_name());
    box(e, p.bounds());
    e.hidden = !p.visible();
    return e;
}

// Its box and direction come when it is first shown.
Element write_line(const Form& form, const LineShape& l)
{
    Element e = element(form, l, "div", "line");
    e.attributes.emplace_back("aria-hidden", "true");
    e.style.emplace_back("background-color", Css(l.colour()).text);
    e.hidden = !l.visible() || line_area(l).empty();
    if (!e.hidden)
        box(e, line_area(l));
    return e;
}

std::vector<Element> write_elements(Form& form, const FaceMetrics& metrics)
{
    std::vector<Element> out;
    for (const Label& l : form.labels())
        out.push_back(write_label(form, l, metrics));
    for (const PictureBox& p : form.pictures())
        out.push_back(write_picture(form, p));
    for (const CommandButton* b : form.tab_order())
        out.push_back(write_button(form, *b));
    for (const LineShape& l : form.lines())
        out.push_back(write_line(form, l));
    return out;
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

std::string write_window(Form& form, const FaceMetrics& metrics)
{
    std::string out = "<main id=\"window\" class=\"form\" aria-label=\"" + escaped(form.caption()) +
                      "\" style=\"--w: " + std::to_string(form.width()) + "; --h: " + std::to_string(form.height()) +
                      "; background: " + Css(form.back()).text + ";\" hidden>\n";
    for (const Element& e : write_elements(form, metrics))
        out += html(e) + "\n";
    return out + "</main>";
}

} // namespace velmo::web
