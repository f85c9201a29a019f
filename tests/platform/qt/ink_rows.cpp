// Where the desktop's view sets each label's text, as rows to compare from
// machine to machine: the title screen and mission 1 after Ready, from the
// same random state everywhere, each visible label's first and last row with
// ink (a pixel not its background) inside its box. With a folder, it also
// writes both screens there as PNGs.
//
//   ink_rows [FOLDER]     QT_QPA_PLATFORM=offscreen

#include "app/frmvelmo.h"
#include "platform/qt/convert.h"
#include "platform/qt/form_window.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <iostream>

namespace {

// How far a pixel lies from the background towards the text colour, or 0
// where it is no blend of the two (another control's where boxes overlap).
double coverage(QRgb pixel, QColor back, QColor fore)
{
    const double way[] = {double(fore.red() - back.red()), double(fore.green() - back.green()),
        double(fore.blue() - back.blue())};
    const double off[] = {double(qRed(pixel) - back.red()), double(qGreen(pixel) - back.green()),
        double(qBlue(pixel) - back.blue())};
    double length = 0, along = 0;
    for (int c = 0; c < 3; ++c) {
        length += way[c] * way[c];
        along += way[c] * off[c];
    }
    const double part = along / length;
    double stray = 0;
    for (int c = 0; c < 3; ++c)
        stray += (off[c] - part * way[c]) * (off[c] - part * way[c]);
    return stray / length <= 0.01 ? part : 0;
}

void print_rows(const char* screen, const QImage& shot, const velmo::Form& form)
{
    for (const velmo::Label& label : form.labels()) {
        if (!label.visible())
            continue;
        const velmo::Bounds b = label.bounds();
        const QColor back = velmo::qt::qcolor(label.back()), fore = velmo::qt::qcolor(label.fore());
        int first = -1, last = -1;
        for (int y = b.top; y < b.top + b.height && y < shot.height(); ++y)
            for (int x = b.left; x < b.left + b.width && x < shot.width(); ++x)
                if (coverage(shot.pixel(x, y), back, fore) >= 0.5) {
                    first = first < 0 ? y - b.top : first;
                    last = y - b.top;
                    break;
                }
        std::cout << screen << '\t' << label.name() << (label.index() >= 0 ? "(" + std::to_string(label.index()) + ")" : "")
                  << '\t' << first << '\t' << last << '\t' << label.caption() << '\n';
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    velmo::Frmvelmo model;
    model.set_rng_state(0x50000);
    velmo::qt::FormWindow window(model.form(), model.dispatcher());
    const auto shoot = [&](const char* screen) {
        window.sync();
        const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        print_rows(screen, shot, model.form());
        if (!folder.isEmpty() && !shot.save(QDir(folder).filePath(QString::fromLatin1(screen) + ".png")))
            std::exit(1);
    };
    shoot("title");
    model.click("Cmdstart");
    model.click("cmdready");
    shoot("mission-1-ready");
    return 0;
}
