#pragma once

#include "button_view.h"
#include "label_view.h"
#include "line_view.h"
#include "picture_view.h"
#include "platform/dispatcher.h"
#include "platform/driver.h"
#include "platform/form.h"

#include <vector>

namespace velmo::web {

// Shows a window model in the page, whose markup comes with an element for
// every control as the window is when created, and drives its timers from
// the page's monotonic clock. Handlers change only the model; after each
// event the view takes over what changed and touches only that.
class FormWindow {
public:
    // The window over the page's elements; it answers every press from now
    // on, the ones the page took before first.
    FormWindow(Form& form, Dispatcher& dispatcher);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Brings every element up to the model. Cheap when nothing changed.
    void sync();

private:
    static void pressed(void* window, int element, int letter);
    static void woken(void* window);
    static void rescaled(void* window);
    // Where the focused button is to be hidden: the next shown one in tab
    // order takes the focus, as on the desktop.
    void pass_focus_on(const ButtonView& from);

    Form& form_;
    std::vector<ButtonView> buttons_; // in tab order
    std::vector<PictureView> pictures_;
    std::vector<LabelView> labels_;
    std::vector<LineView> lines_;
    double start_ms_;
    ScreenScale scale_;
    long timeout_ = 0;
    Driver driver_;
};

} // namespace velmo::web
