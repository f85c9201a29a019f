#include "face_metrics.h"

#include "platform/web/fonts.h"

#include <cmath>
#include <fstream>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

namespace velmo::web {

namespace {

// A face's advances and kerning in its units, by character.
struct Metrics {
    int em = 0;
    std::map<int, int> advance;
    std::map<std::pair<int, int>, int> kern;
};
std::map<std::string, Metrics, std::less<>> metrics; // by face file

Metrics read_metrics(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    Metrics m;
    std::string kind;
    int a = 0, b = 0, units = 0;
    while (in >> kind) {
        if (kind == "em" && in >> m.em)
            continue;
        if (kind == "advance" && in >> a >> units)
            m.advance[a] = units;
        else if (kind == "kern" && in >> a >> b >> units)
            m.kern[{a, b}] = units;
        else
            throw std::runtime_error(path + ": not a face's metrics");
    }
    return m;
}

std::vector<int> code_points(std::string_view utf8)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        int c = more == 0 ? lead : lead & (0x3F >> more);
        for (int k = 1; k <= more && i + k < utf8.size(); ++k)
            c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(c);
        i += static_cast<std::size_t>(more) + 1;
    }
    return out;
}

} // namespace

void load_metrics(const std::string& folder)
{
    for (const FontRole role : {FontRole::title, FontRole::credit, FontRole::normal})
        metrics[std::string(face(role).file)] = read_metrics(folder + "/" + std::string(face(role).file) + ".metrics");
}

int text_width(std::string_view text, const std::string& css_font)
{
    const auto px = css_font.find("px");
    const int size = std::stoi(css_font.substr(css_font.rfind(' ', px) + 1));
    for (const FontRole role : {FontRole::title, FontRole::credit, FontRole::normal}) {
        const auto m = metrics.find(face(role).file);
        if (web::css_font(role, size) != css_font || m == metrics.end())
            continue;
        long units = 0;
        int before = -1;
        for (const int c : code_points(text)) {
            units += m->second.advance.at(c);
            const auto kern = m->second.kern.find({before, c});
            units += kern == m->second.kern.end() ? 0 : kern->second;
            before = c;
        }
        return static_cast<int>(std::lround(static_cast<double>(units) * size / m->second.em));
    }
    throw std::runtime_error("no metrics for the face " + css_font);
}

} // namespace velmo::web
