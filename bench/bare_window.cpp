// The baseline of the window benchmark: a bare Qt window of Velmo's size with
// one label and no game, built with the same toolchain and flags.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(760, 555);
    QLabel label(QStringLiteral("VELMO"), &window);
    label.setGeometry(240, 8, 305, 105);
    window.show();
    return QApplication::exec();
}
