#include "form_window.h"

#include "platform/numeric.h"

#include <QApplication>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cstdio>

namespace velmo::qt {

FormWindow::FormWindow(Form& form, Dispatcher& dispatcher, QWidget* parent)
    : FormWindow(form, dispatcher, parent, nullptr)
{
}

FormWindow::FormWindow(Form& form, Dispatcher& dispatcher, const QIcon& icon)
    : FormWindow(form, dispatcher, nullptr, &icon)
{
}

FormWindow::FormWindow(Form& form, Dispatcher& dispatcher, QWidget* parent, const QIcon* shown_with)
    : QWidget(parent)
    , dispatcher_(dispatcher)
    , lines_(form.lines(), *this)
{
    setWindowTitle(qstring(form.caption()));
    setFixedSize(form.width(), form.height());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qcolor(form.back()));
    setPalette(pal);
    if (QScreen* screen = QGuiApplication::primaryScreen(); screen && !parent)
        move(screen->availableGeometry().center() - rect().center());
    if (shown_with) {
        setWindowIcon(*shown_with);
        show();
    }

    for (CommandButton& b : form.buttons()) {
        buttons_.push_back(make_button(b, this));
        connect(buttons_.back().widget, &QPushButton::clicked, this, [this, &b] { deliver_click(b); });
    }
    for (PictureBox& p : form.pictures())
        pictures_.push_back(make_picture(p, this));
    // Last, so that the title, raised above the rest, stays on top.
    for (Label& l : form.labels())
        labels_.push_back(make_label(l, this));

    // The tab order is the buttons' tab indexes; labels and pictures take no focus.
    std::vector<ButtonView> order = buttons_;
    std::sort(order.begin(), order.end(),
        [](const auto& a, const auto& b) { return a.model->tab_index() < b.model->tab_index(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].widget, order[i].widget);

    waker_.setSingleShot(true);
    waker_.setTimerType(Qt::CoarseTimer);
    connect(&waker_, &QTimer::timeout, this, &FormWindow::wake);
    clock_.start();
    sync();
    schedule();
}

void FormWindow::sync()
{
    for (auto& v : labels_)
        repaint_requests_ += sync_view(v);
    for (auto& v : buttons_)
        repaint_requests_ += sync_view(v);
    for (auto& v : pictures_)
        repaint_requests_ += static_cast<std::uint64_t>(sync_view(v));
    repaint_requests_ += static_cast<std::uint64_t>(lines_.sync());
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    lines_.paint(p, event->rect());
}

void FormWindow::deliver_click(const CommandButton& b)
{
    run_event([&] {
        // Ticks that fell due before the click come first, as they would have.
        dispatcher_.advance_to(clock_.elapsed());
        dispatcher_.click(b.name(), b.index());
    });
}

void FormWindow::wake()
{
    ++wake_ups_;
    run_event([&] { dispatcher_.advance_to(clock_.elapsed()); });
}

void FormWindow::run_event(const std::function<void()>& event)
{
    try {
        event();
    } catch (const RuntimeError& e) {
        // The runtime's run-time error: reported, and the program ends.
        std::fprintf(stderr, "velmo: run-time error: %s\n", e.what());
        waker_.stop();
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Run-time error: %1").arg(e.what()));
        QApplication::exit(1);
        return;
    }
    sync();
    schedule();
}

// Wakes only for a timer whose tick someone sees; quiet ticks wait for the
// next event, which takes them first.
void FormWindow::schedule()
{
    const auto due = dispatcher_.next_due();
    if (!due) {
        waker_.stop();
        return;
    }
    const auto wait = std::clamp<Dispatcher::Millis>(*due - clock_.elapsed(), 0, 1 << 30);
    waker_.start(static_cast<int>(wait));
}

} // namespace velmo::qt
