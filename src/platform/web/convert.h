#pragma once

#include "platform/colour.h"
#include "platform/form.h"
#include "platform/view.h"

#include <cstdio>
#include <string>

namespace velmo::web {

// A colour of the model as CSS takes it: "#rrggbb".
struct Css {
    explicit Css(Colour c)
    {
        std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFFu, (c >> 8) & 0xFFu, (c >> 16) & 0xFFu);
    }
    operator const char*() const { return text; }
    char text[8];
};

// "cmdchange(3)": the id by which tests and the page find a control's element.
inline std::string element_id(const Control& c) { return display_name(c); }

} // namespace velmo::web
