#include "face_metrics.h"

#include <cmath>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace velmo::web {

namespace {

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

FaceMetrics::Metrics FaceMetrics::read(const std::string& path)
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
    if (m.em <= 0)
        throw std::runtime_error(path + ": no em");
    return m;
}

FaceMetrics FaceMetrics::load(const std::string& folder)
{
    FaceMetrics out;
    for (const Face& f : faces)
        out.faces_[f.file] = read(folder + "/" + std::string(f.file) + ".metrics");
    return out;
}

int FaceMetrics::text_width(const Face& face, int pixel_size, std::string_view text) const
{
    const auto m = faces_.find(face.file);
    if (m == faces_.end())
        throw std::runtime_error("no metrics for the face " + std::string(face.file));
    long units = 0;
    int before = -1;
    for (const int c : code_points(text)) {
        const auto advance = m->second.advance.find(c);
        if (advance == m->second.advance.end())
            throw std::runtime_error("the face " + std::string(face.file) + " has no character " + std::to_string(c));
        units += advance->second;
        const auto kern = m->second.kern.find({before, c});
        units += kern == m->second.kern.end() ? 0 : kern->second;
        before = c;
    }
    return static_cast<int>(std::lround(static_cast<double>(units) * pixel_size / m->second.em));
}

} // namespace velmo::web
