// The README's screenshots of the desktop, from one game played from a fixed
// random state, as the Qt view draws the window: the title screen, mission
// 1, its result after "+1" and Ready, and missions 2 and 10.
//
//   velmo_screenshots FOLDER     QT_QPA_PLATFORM=offscreen

#include "app/frmvelmo.h"
#include "platform/qt/form_window.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmo_screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    velmo::Frmvelmo model;
    model.set_rng_state(0x50000);
    velmo::qt::FormWindow window(model.form(), model.dispatcher());
    bool saved = true;
    const auto shoot = [&](const char* name) {
        window.sync();
        saved = window.grab().toImage().convertToFormat(QImage::Format_RGB888).save(
                    folder.filePath(QString::fromLatin1(name) + ".png")) &&
                saved;
    };
    const auto next = [&] {
        model.click("cmdcont");
        model.advance(3000);
    };
    shoot("title");
    model.click("Cmdstart");
    shoot("mission-1");
    model.click("cmdchange", 1);
    model.click("cmdready");
    shoot("result");
    next();
    shoot("mission-2");
    for (int m = 2; m < 10; ++m) {
        model.click("cmdready");
        next();
    }
    shoot("mission-10");
    return saved ? 0 : 1;
}
