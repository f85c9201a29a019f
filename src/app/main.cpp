#include "frmvelmo.h"
#include "platform/qt/form_window.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "icons/velmo-16.xpm"
#include "icons/velmo-32.xpm"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmo"));

    velmo::Frmvelmo model;
    velmo::qt::FormWindow window(model.form(), model.dispatcher());
    QIcon icon;
    icon.addPixmap(QPixmap(velmo_icon_16));
    icon.addPixmap(QPixmap(velmo_icon_32));
    window.setWindowIcon(icon);
    window.show();
    return QApplication::exec();
}
