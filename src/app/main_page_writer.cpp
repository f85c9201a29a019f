// Writes the page from its template at build time: the window's title, the
// faces' rules and the window's markup, where the template marks their places.
//
//     velmo_page_writer TEMPLATE OUTPUT METRICS_DIR
#include "frmvelmo_design.h"
#include "platform/web/face_metrics.h"
#include "platform/web/fonts.h"
#include "platform/web/page_writer.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: velmo_page_writer TEMPLATE OUTPUT METRICS_DIR\n");
        return 2;
    }
    try {
        const auto metrics = velmo::web::FaceMetrics::load(argv[3]);
        std::stringstream page;
        page << std::ifstream(argv[1]).rdbuf();
        std::string text = page.str();
        velmo::Form form(velmo::frmvelmo_design());
        const auto put = [&](const std::string& mark, const std::string& markup) {
            const auto at = text.find(mark);
            if (at == std::string::npos)
                throw std::runtime_error(std::string(argv[1]) + " marks no place for " + mark);
            text.replace(at, mark.size(), markup);
        };
        put("<!--velmo-title-->", velmo::web::escaped(form.caption()));
        put("<!--velmo-preloads-->\n", velmo::web::face_preloads());
        put("/*velmo-faces*/\n", velmo::web::face_rules());
        put("<!--velmo-window-->", velmo::web::write_window(form, metrics));
        std::ofstream out(argv[2]);
        if (!(out << text))
            throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmo_page_writer: %s\n", e.what());
        return 1;
    }
    return 0;
}
