#pragma once

#include <string>
#include <string_view>

namespace velmo::web {

// The labels' faces' advances and kerning, FILE.metrics in `folder`, as
// subset-font writes them as it makes each face.
void load_metrics(const std::string& folder);
// The width of UTF-8 text in a label role's CSS font, in whole pixels, as a
// browser lays it out: the advances and the kerning between them.
int text_width(std::string_view text, const std::string& css_font);

} // namespace velmo::web
