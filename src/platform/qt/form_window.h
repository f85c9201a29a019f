#pragma once

#include "button_view.h"
#include "label_view.h"
#include "line_view.h"
#include "picture_view.h"
#include "platform/dispatcher.h"
#include "platform/driver.h"
#include "platform/form.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace velmo::qt {

// Shows a window model in real widgets, one per control from the moment it
// is first shown (the page has every element from the start, written at
// build time; a widget costs the desktop's first frame), and drives its
// timers from real time. Handlers change only the model; after each event
// the view takes over what changed and repaints only that.
// It declares no signals or slots of its own, so it needs no moc.
class FormWindow : public QWidget {
public:
    FormWindow(Form& form, Dispatcher& dispatcher, QWidget* parent = nullptr);
    // The program's window: shown with its icon as soon as it has its size,
    // title and place, so that the window system maps it while its controls
    // are built; they are all there for its first frame.
    FormWindow(Form& form, Dispatcher& dispatcher, const QIcon& icon);

    // Brings every widget up to the model. Cheap when nothing changed.
    void sync();
    // How many times the view has asked for a repaint, and woken for a timer,
    // for tests and benchmarks.
    std::uint64_t repaint_requests() const { return repaint_requests_; }
    std::uint64_t wake_ups() const { return wake_ups_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FormWindow(Form& form, Dispatcher& dispatcher, QWidget* parent, const QIcon* shown_with);
    template <typename V, typename Make> bool made(V& v, Make make);
    void follow_tab_order();

    Form& form_;
    std::vector<LabelView> labels_;
    std::vector<ButtonView> buttons_;
    std::vector<PictureView> pictures_;
    std::vector<LineView> lines_;
    Stacking<QWidget*> stacking_;
    QElapsedTimer clock_;
    QTimer waker_;
    Driver driver_;
    std::uint64_t repaint_requests_ = 0;
    std::uint64_t wake_ups_ = 0;
};

} // namespace velmo::qt
