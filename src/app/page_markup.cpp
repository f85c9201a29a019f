// Writes the page from its template at build time, with the window's title
// and markup where the template marks their places.
//
//     velmo_markup TEMPLATE OUTPUT METRICS_DIR
#include "frmvelmo.h"
#include "face_metrics.h"
#include "page_document.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: velmo_markup TEMPLATE OUTPUT METRICS_DIR\n");
        return 2;
    }
    try {
        velmo::web::load_metrics(argv[3]);
        std::stringstream page;
        page << std::ifstream(argv[1]).rdbuf();
        std::string text = page.str();
        velmo::Frmvelmo model;
        const auto put = [&](const std::string& mark, const std::string& markup) {
            const auto at = text.find(mark);
            if (at == std::string::npos)
                throw std::runtime_error(std::string(argv[1]) + " marks no place for " + mark);
            text.replace(at, mark.size(), markup);
        };
        put("<!--velmo-title-->", velmo::web::escaped(model.form().caption()));
        put("<!--velmo-window-->", velmo::web::window_markup(model.form()));
        std::ofstream out(argv[2]);
        if (!(out << text))
            throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmo_markup: %s\n", e.what());
        return 1;
    }
    return 0;
}
