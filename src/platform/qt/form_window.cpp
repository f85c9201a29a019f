#include "form_window.h"

#include "platform/numeric.h"

#include <QApplication>
#include <QLabel>
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
    , lines_(form.lines(), *this)
    , stacking_(form.buttons().size() + form.pictures().size() + form.labels().size(), nullptr)
    , driver_(dispatcher,
          {[this] { return clock_.elapsed(); },
              [this](std::optional<Driver::Millis> wait) {
                  if (wait)
                      waker_.start(static_cast<int>(*wait));
                  else
                      waker_.stop();
              },
              [this] { sync(); },
              [this](const char* what) {
                  // The runtime's run-time error: reported, and the program ends.
                  std::fprintf(stderr, "velmo: run-time error: %s\n", what);
                  QMessageBox::critical(this, windowTitle(), QStringLiteral("Run-time error: %1").arg(what));
                  QApplication::exit(1);
              }})
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

    // Widgets come when their controls are first shown (see sync).
    for (CommandButton& b : form.buttons())
        buttons_.push_back({&b, nullptr});
    for (PictureBox& p : form.pictures())
        pictures_.push_back({&p, nullptr});
    for (Label& l : form.labels())
        labels_.push_back({&l, nullptr});

    waker_.setSingleShot(true);
    waker_.setTimerType(Qt::CoarseTimer);
    connect(&waker_, &QTimer::timeout, this, [this] {
        ++wake_ups_;
        driver_.woken();
    });
    clock_.start();
    sync();
    driver_.start();
}

void FormWindow::sync()
{
    const std::size_t pictures_at = buttons_.size(), labels_at = pictures_at + pictures_.size();
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (made(labels_[i], labels_at + i, make_label))
            repaint_requests_ += sync_view(labels_[i]);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        ButtonView& v = buttons_[i];
        if (!v.widget && v.model->visible()) {
            made(v, i, make_button);
            connect(v.widget, &QPushButton::clicked, this, [this, b = v.model] { driver_.click(*b); });
            follow_tab_order();
        }
        if (v.widget)
            repaint_requests_ += sync_view(v);
    }
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        PictureView& v = pictures_[i];
        if (made(v, pictures_at + i, make_picture))
            repaint_requests_ += static_cast<std::uint64_t>(sync_view(v));
        else
            v.model->raster().take_dirty(); // drawn while never shown: all of it shows when it is
    }
    repaint_requests_ += static_cast<std::uint64_t>(lines_.sync());
}

// A control gets its widget when it is first shown, so that the first frame
// builds only what it shows; the widget takes the place in the stacking
// order that the design gives it (buttons under pictures under labels, each
// kind in design order), as if it had been there from the start.
template <typename V, typename Make> bool FormWindow::made(V& v, std::size_t place, Make make)
{
    if (v.widget)
        return true;
    if (!v.model->visible())
        return false;
    v.widget = make(*v.model, this).widget;
    if (QWidget* above = stacking_.above(place))
        v.widget->stackUnder(above);
    else
        v.widget->raise();
    stacking_.fill(place, v.widget);
    return true;
}

// Tab goes through the buttons by their tab indexes; labels and pictures take no focus.
void FormWindow::follow_tab_order()
{
    std::vector<const ButtonView*> order;
    for (const ButtonView& v : buttons_)
        if (v.widget)
            order.push_back(&v);
    std::sort(order.begin(), order.end(),
        [](const ButtonView* a, const ButtonView* b) { return a->model->tab_index() < b->model->tab_index(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1]->widget, order[i]->widget);
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    lines_.paint(p, event->rect());
}

} // namespace velmo::qt
