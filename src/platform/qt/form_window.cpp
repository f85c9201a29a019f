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
    , form_(form)
    , stacking_(form.stacking_places(), nullptr)
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
    for (LineShape& l : form.lines())
        lines_.push_back(make_line(l));

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
    for (LabelView& v : labels_)
        if (made(v, make_label))
            repaint_requests_ += sync_view(v);
    for (ButtonView& v : buttons_) {
        if (!v.widget && v.model->visible()) {
            made(v, make_button);
            connect(v.widget, &QPushButton::clicked, this, [this, b = v.model] { driver_.click(*b); });
            follow_tab_order();
        }
        if (v.widget)
            repaint_requests_ += sync_view(v);
    }
    for (PictureView& v : pictures_) {
        if (made(v, make_picture))
            repaint_requests_ += static_cast<std::uint64_t>(sync_view(v));
        else
            v.model->raster().take_dirty(); // drawn while never shown: all of it shows when it is
    }
    for (LineView& v : lines_)
        repaint_requests_ += sync_view(v, *this);
}

// A control gets its widget when it is first shown, so that the first frame
// builds only what it shows; the widget takes its control's place in the
// window's stacking order, as if it had been there from the start.
template <typename V, typename Make> bool FormWindow::made(V& v, Make make)
{
    if (v.widget)
        return true;
    if (!v.model->visible())
        return false;
    v.widget = make(*v.model, this).widget;
    const std::size_t place = form_.stacking_place(*v.model);
    if (QWidget* above = stacking_.above(place))
        v.widget->stackUnder(above);
    else
        v.widget->raise();
    stacking_.fill(place, v.widget);
    return true;
}

// Tab goes through the shown buttons in the window's tab order; labels and
// pictures take no focus.
void FormWindow::follow_tab_order()
{
    QWidget* before = nullptr;
    for (const CommandButton* b : form_.tab_order()) {
        const auto v = std::find_if(buttons_.begin(), buttons_.end(), [b](const ButtonView& view) { return view.model == b; });
        if (!v->widget)
            continue;
        if (before)
            setTabOrder(before, v->widget);
        before = v->widget;
    }
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const ScreenScale scale = paint_on_screen(p, {});
    for (const LineView& v : lines_)
        paint(p, v, event->rect(), scale);
}

} // namespace velmo::qt
