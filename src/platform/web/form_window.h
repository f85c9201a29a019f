#pragma once

#include "button_view.h"
#include "label_view.h"
#include "line_view.h"
#include "picture_view.h"
#include "platform/dispatcher.h"
#include "platform/form.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace velmo::web {

// Shows a window model in the page, one element per control from the moment
// it is first shown, and drives its timers from the page's monotonic clock.
// Handlers change only the model; after each event the view takes over what
// changed and touches only that.
class FormWindow {
public:
    // The window over the page's title screen, which stays as the page
    // brought it until take_over.
    FormWindow(Form& form, Dispatcher& dispatcher);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // The title screen's elements become the window's, made as it makes
    // them, in one task: no frame shows them half made. The window answers
    // from now on.
    void take_over();
    bool taken_over() const { return taken_over_; }
    // Brings every element up to the model. Cheap when nothing changed.
    void sync();
    // Makes, hidden, the elements of the controls not yet shown, so that no
    // click has to build them: as many as fit in about `budget_ms` (at least
    // one). Whether all the hidden ones are made.
    bool make_hidden(double budget_ms);

private:
    struct ClickTarget {
        FormWindow* window;
        const CommandButton* button;
    };

    // A button in tab order, and the element of the title screen that it
    // will take over, or -1.
    struct TabStop {
        const ButtonView* view;
        int waiting;
        int place() const { return view->widget.id >= 0 ? view->widget.id : waiting; }
    };

    template <typename V, typename Make> bool made(V& v, std::size_t place, Make make);
    static void clicked(void* target);
    static int access_key(void* window, int letter);
    static void woken(void* window);
    static void rescaled(void* window);
    // Runs one event on the model, then brings the page up to it.
    void run_event(const std::function<void()>& event);
    void schedule();
    // Where the focused button is to be hidden: the next shown one in tab
    // order takes the focus, as on the desktop.
    void pass_focus_on(const ButtonView& from);
    Dispatcher::Millis elapsed() const;

    Form& form_;
    Dispatcher& dispatcher_;
    int root_; // the window's element, made before any of its children
    std::vector<ButtonView> buttons_;
    std::vector<PictureView> pictures_;
    std::vector<LabelView> labels_;
    std::vector<LineView> lines_;
    std::vector<ClickTarget> targets_;
    std::vector<TabStop> tab_order_;
    double start_ms_;
    ScreenScale scale_;
    long timeout_ = 0;
    bool ended_ = false;
    bool taken_over_ = false;
    double make_until_ = 0; // while making hidden elements, on the clock of emscripten_get_now
};

} // namespace velmo::web
