#include "application.h"

#include "form_window.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace velmo::qt {

int run_window(int argc, char** argv, std::string_view desktop_id, Form& form, Dispatcher& dispatcher,
    std::initializer_list<const char* const*> xpm_icons)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8(form.caption().data(), static_cast<qsizetype>(form.caption().size())));
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(desktop_id.data(), static_cast<qsizetype>(desktop_id.size())));

    FormWindow window(form, dispatcher);
    QIcon icon;
    for (const char* const* xpm : xpm_icons)
        icon.addPixmap(QPixmap(xpm));
    window.setWindowIcon(icon);
    window.show();
    return QApplication::exec();
}

} // namespace velmo::qt
