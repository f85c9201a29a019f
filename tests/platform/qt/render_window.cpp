// The desktop's window as the page's tests hold each browser to it: shows
// exactly the controls named on standard input, labels with the caption and
// colour given, in the Qt view, and writes what it draws as a PNG.
//
//   render_window OUT.png < lines
//   label<TAB>Lblscore2(3)<TAB>RRGGBB<TAB>caption
//   button<TAB>Cmdstart

#include "app/frmvelmo.h"
#include "platform/qt/form_window.h"

#include <QApplication>
#include <QImage>

#include <iostream>
#include <string>

namespace {

struct Named {
    std::string name;
    int index = -1;
};

// "Lblscore2(3)" as a name and an Index.
Named parse(const std::string& text)
{
    const auto open = text.find('(');
    if (open == std::string::npos)
        return {text};
    return {text.substr(0, open), std::stoi(text.substr(open + 1))};
}

std::string field(std::string& line)
{
    const auto tab = line.find('\t');
    std::string first = line.substr(0, tab);
    line = tab == std::string::npos ? std::string() : line.substr(tab + 1);
    return first;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: render_window OUT.png < controls\n";
        return 2;
    }
    velmo::Frmvelmo model;
    velmo::Form& form = model.form();
    for (velmo::Label& l : form.labels())
        l.set_visible(false);
    for (velmo::CommandButton& b : form.buttons())
        b.set_visible(false);
    for (velmo::PictureBox& p : form.pictures())
        p.set_visible(false);
    for (velmo::LineShape& l : form.lines())
        l.set_visible(false);
    for (std::string line; std::getline(std::cin, line);) {
        const std::string kind = field(line);
        const Named n = parse(field(line));
        if (kind == "button") {
            form.button(n.name, n.index).set_visible(true);
            continue;
        }
        velmo::Label& l = form.label(n.name, n.index);
        const auto rgb = std::stoul(field(line), nullptr, 16);
        l.set_fore(velmo::Colour(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16)));
        l.set_caption(line);
        l.set_visible(true);
    }
    velmo::qt::FormWindow window(form, model.dispatcher());
    window.sync();
    return window.grab().toImage().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
