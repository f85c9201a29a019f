#include "application.h"

#include "convert.h"
#include "form_window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace velmo::qt {

int run_window(int argc, char** argv, std::string_view app_id, Form& form, Dispatcher& dispatcher)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(qstring(form.caption()));
    const QString id = qstring(app_id);
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(id);

    FormWindow window(form, dispatcher);
    // The installed theme's icon; where there is none, the same images built in.
    QIcon built_in;
    for (const QString& size : QDir(QStringLiteral(":/icons")).entryList())
        built_in.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size, id));
    window.setWindowIcon(QIcon::fromTheme(id, built_in));
    window.show();
    return QApplication::exec();
}

} // namespace velmo::qt
