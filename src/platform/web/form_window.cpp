#include "form_window.h"

#include "dom.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace velmo::web {

FormWindow::FormWindow(Form& form, Dispatcher& dispatcher)
    : form_(form)
    , start_ms_(emscripten_get_now())
    , scale_(velmo_dom_screen_scale())
    , driver_(dispatcher,
          {[this] { return static_cast<Driver::Millis>(std::floor(emscripten_get_now() - start_ms_)); },
              [this](std::optional<Driver::Millis> wait) {
                  if (timeout_ != 0)
                      emscripten_clear_timeout(timeout_);
                  timeout_ = wait ? emscripten_set_timeout(&FormWindow::woken, static_cast<double>(*wait), this) : 0;
              },
              [this] { sync(); },
              [](const char* what) {
                  // The runtime's run-time error: reported, and the game ends.
                  velmo_dom_report((std::string("Run-time error: ") + what).c_str());
              }})
{
    for (CommandButton* b : form.tab_order())
        buttons_.push_back(bind_button(*b));
    for (PictureBox& p : form.pictures())
        pictures_.push_back(bind_picture(p));
    for (Label& l : form.labels())
        labels_.push_back(bind_label(l));
    for (LineShape& l : form.lines())
        lines_.push_back(bind_line(l));
    velmo_dom_on_rescale(&FormWindow::rescaled, this);
    sync();
    driver_.start();
    velmo_dom_take_presses(&FormWindow::pressed, this);
}

void FormWindow::sync()
{
    // Shown before any is hidden, so that the focus of one that goes can pass
    // to the next shown one, as on the desktop, even where that one is shown
    // by the same event and the one after it goes too.
    for (ButtonView& v : buttons_)
        if (v.model->visible())
            sync_view(v);
    // The focus leaves a button before it goes: the browser brings the
    // page's style up to date at once both to hide the focused element and
    // to focus another, and so does it once.
    for (const ButtonView& v : buttons_)
        if (v.widget.shown && !v.model->visible() && velmo_dom_focused(v.widget.id)) {
            pass_focus_on(v);
            break;
        }
    for (ButtonView& v : buttons_)
        if (!v.model->visible())
            sync_view(v);
    for (PictureView& v : pictures_)
        sync_view(v, scale_);
    for (LabelView& v : labels_)
        sync_view(v);
    for (LineView& v : lines_)
        sync_view(v);
}

void FormWindow::pass_focus_on(const ButtonView& from)
{
    const auto at = static_cast<std::size_t>(&from - buttons_.data());
    for (std::size_t step = 1; step < buttons_.size(); ++step) {
        const ButtonView& next = buttons_[(at + step) % buttons_.size()];
        if (next.model->visible()) {
            velmo_dom_focus(next.widget.id);
            return;
        }
    }
    // None shown: the window keeps the focus, as on the desktop. Some engines
    // (WebKit) would leave it on the hidden button.
    velmo_dom_blur(from.widget.id);
}

// A click on a button's element, or an access key's letter (start.js keeps
// the window's keys from the browser, shown or not).
void FormWindow::pressed(void* window, int element, int letter)
{
    auto* w = static_cast<FormWindow*>(window);
    if (letter != 0) {
        if (const CommandButton* b = w->form_.access_key_button(static_cast<char>(letter)))
            w->driver_.click(*b);
        return;
    }
    const auto pressed = std::find_if(
        w->buttons_.begin(), w->buttons_.end(), [&](const ButtonView& v) { return v.widget.id == element; });
    if (pressed != w->buttons_.end())
        w->driver_.click(*pressed->model);
}

// Only the canvases follow a new scale here: every other box is the page's
// CSS, which places it from the same window pixels.
void FormWindow::rescaled(void* window)
{
    auto* w = static_cast<FormWindow*>(window);
    w->scale_ = ScreenScale(velmo_dom_screen_scale());
    w->sync();
}

void FormWindow::woken(void* window)
{
    auto* w = static_cast<FormWindow*>(window);
    w->timeout_ = 0;
    w->driver_.woken();
}

} // namespace velmo::web
