#pragma once

#include "platform/faces.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace velmo::web {

// The faces' advances and kerning, by which the page's build lays out a
// caption as a browser will: FILE.metrics in a folder, as subset-font
// writes them as it makes each face.
class FaceMetrics {
public:
    static FaceMetrics load(const std::string& folder);

    // The width of UTF-8 text in a face at a size, in whole pixels.
    int text_width(const Face& face, int pixel_size, std::string_view text) const;

private:
    struct Metrics {
        int em = 0;
        std::map<int, int> advance;
        std::map<std::pair<int, int>, int> kern;
    };
    static Metrics read(const std::string& path);

    std::map<std::string_view, Metrics> faces_; // by face file
};

} // namespace velmo::web
