#include "application.h"

#include "convert.h"
#include "form_window.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace velmo::qt {

namespace {

// What Qt said while the platform was starting: shown if it starts, and
// otherwise boiled down to one line, since Qt would end the process with a
// core dump and a paragraph about plugins that a player cannot act on.
std::vector<QString> held;
QString platform_said;
bool platform_gave_up = false;

void hold_start_up_message(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QString first_line = message.section(QLatin1Char('\n'), 0, 0);
    if (type != QtFatalMsg) {
        // The plugin loader's own failure follows the cause: the message before it.
        const bool loader = context.category && QLatin1String(context.category) == QLatin1String("qt.qpa.plugin");
        if (!loader && !platform_gave_up)
            platform_said = first_line;
        platform_gave_up = platform_gave_up || loader;
        held.push_back(message);
        return;
    }
    QString why = platform_gave_up && !platform_said.isEmpty() ? platform_said : first_line;
    if (!why.isEmpty())
        why[0] = why[0].toLower();
    std::fprintf(stderr, "velmo: cannot open a window: %s\n", why.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

// A window destroyed from outside (some tools do that without asking it to
// close) leaves Qt with nothing to show; the game then ends as if closed.
class DestroyWatch : public QAbstractNativeEventFilter {
public:
    explicit DestroyWatch(std::uintptr_t window)
        : window_(window)
    {
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        // An X11 DestroyNotify event: code 17, then the event's window and
        // the destroyed window as 32-bit values at bytes 4 and 8.
        if (type != "xcb_generic_event_t")
            return false;
        const auto* bytes = static_cast<const std::uint8_t*>(message);
        std::uint32_t destroyed = 0;
        std::memcpy(&destroyed, bytes + 8, sizeof destroyed);
        if ((bytes[0] & 0x7F) == 17 && destroyed == window_)
            QCoreApplication::exit(0);
        return false;
    }

private:
    std::uintptr_t window_;
};

// The images built in for window lists, 16, 32 and 48 pixels square, read as
// they are: looking up the icon theme or decoding images would cost the first
// frame milliseconds, and desktops find the theme's icons by the app id.
QIcon window_icon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QFile file(QStringLiteral(":/icons/%1x%1.rgb").arg(size));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray rgb = file.readAll();
        if (rgb.size() != size * size * 3)
            continue;
        const QImage image(
            reinterpret_cast<const uchar*>(rgb.constData()), size, size, size * 3, QImage::Format_RGB888);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

} // namespace

int run_window(int argc, char** argv, std::string_view app_id, Form& form, Dispatcher& dispatcher)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "velmo: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    const QtMessageHandler usual = qInstallMessageHandler(hold_start_up_message);
    QApplication app(argc, argv);
    QApplication::setApplicationName(qstring(form.caption()));
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(qstring(app_id));

    FormWindow window(form, dispatcher, window_icon());
    qInstallMessageHandler(usual);
    for (const QString& m : held)
        std::fprintf(stderr, "%s\n", m.toLocal8Bit().constData());
    held.clear();
    DestroyWatch watch(static_cast<std::uintptr_t>(window.winId()));
    app.installNativeEventFilter(&watch);
    return QApplication::exec();
}

} // namespace velmo::qt
