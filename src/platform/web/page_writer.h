#pragma once

#include "face_metrics.h"
#include "platform/form.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmo::web {

// The page's markup of the window, written at build time from its form as
// the window is when it is created: an element for every control but the
// timers, which the game finds by id at run time (bind_*) and then only
// changes. Written in the document in the order a reader takes it (the
// text, the pictures, then the buttons in tab order, the order Tab takes
// too), each stacked at its control's place in the window.
struct Element {
    std::string tag, id, css_class;
    std::vector<std::pair<std::string, std::string>> attributes, style;
    std::string content; // as markup
    bool hidden = false;
};

Element write_label(const Form& form, const Label& label, const FaceMetrics& metrics);
Element write_button(const Form& form, const CommandButton& button);
Element write_picture(const Form& form, const PictureBox& picture);
Element write_line(const Form& form, const LineShape& line);

// Every control's element, in document order.
std::vector<Element> write_elements(Form& form, const FaceMetrics& metrics);
// The window's element with all of them, hidden until the page's start has
// fitted it to the screen (start.js).
std::string write_window(Form& form, const FaceMetrics& metrics);
std::string html(const Element& e);
// Text as markup, in an element or an attribute's value.
std::string escaped(std::string_view text);

} // namespace velmo::web
