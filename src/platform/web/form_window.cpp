#include "form_window.h"

#include "dom.h"
#include "platform/numeric.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace velmo::web {

FormWindow::FormWindow(Form& form, Dispatcher& dispatcher)
    : form_(form)
    , dispatcher_(dispatcher)
    , root_(velmo_dom_window(std::string(form.caption()).c_str(), form.width(), form.height(), Css(form.back())))
    , start_ms_(emscripten_get_now())
{
    // Stacked as on the desktop: lines under buttons, under pictures, under labels.
    for (LineShape& l : form.lines())
        lines_.push_back(make_line(l));
    targets_.reserve(form.buttons().size());
    for (CommandButton& b : form.buttons()) {
        buttons_.push_back(make_button(b));
        targets_.push_back({this, &b});
        velmo_dom_on_click(buttons_.back().widget.id, &FormWindow::clicked, &targets_.back());
    }
    for (PictureBox& p : form.pictures())
        pictures_.push_back(make_picture(p));
    for (Label& l : form.labels())
        labels_.push_back(make_label(l));
    for (const ButtonView& v : buttons_)
        tab_order_.push_back(&v);
    std::sort(tab_order_.begin(), tab_order_.end(),
        [](const ButtonView* a, const ButtonView* b) { return a->model->tab_index() < b->model->tab_index(); });
    velmo_dom_on_access_key(&FormWindow::access_key, this);
    sync();
    schedule();
}

void FormWindow::sync()
{
    for (auto& v : labels_)
        sync_view(v);
    for (auto& v : buttons_) {
        const bool focused = v.widget.shown && !v.model->visible() && velmo_dom_focused(v.widget.id);
        sync_view(v);
        if (focused)
            pass_focus_on(v);
    }
    for (auto& v : pictures_)
        sync_view(v);
    for (auto& v : lines_)
        sync_view(v);
}

void FormWindow::pass_focus_on(const ButtonView& from)
{
    const auto at = std::find(tab_order_.begin(), tab_order_.end(), &from);
    for (std::size_t step = 1; step < tab_order_.size(); ++step) {
        const ButtonView* next = tab_order_[(at - tab_order_.begin() + step) % tab_order_.size()];
        if (next->widget.shown) {
            velmo_dom_focus(next->widget.id);
            return;
        }
    }
}

Dispatcher::Millis FormWindow::elapsed() const
{
    return static_cast<Dispatcher::Millis>(std::floor(emscripten_get_now() - start_ms_));
}

void FormWindow::clicked(void* target)
{
    const auto* t = static_cast<ClickTarget*>(target);
    t->window->run_event([t] {
        // Ticks that fell due before the click come first, as they would have.
        t->window->dispatcher_.advance_to(t->window->elapsed());
        t->window->dispatcher_.click(t->button->name(), t->button->index());
    });
}

int FormWindow::access_key(void* window, int letter)
{
    auto* w = static_cast<FormWindow*>(window);
    bool owned = false;
    for (const CommandButton& b : w->form_.buttons()) {
        if (b.access_key() != letter)
            continue;
        owned = true;
        if (b.visible()) {
            w->run_event([w, &b] {
                w->dispatcher_.advance_to(w->elapsed());
                w->dispatcher_.click(b.name(), b.index());
            });
            break;
        }
    }
    // The window's own letters never reach the browser, shown or not.
    return owned ? 1 : 0;
}

void FormWindow::woken(void* window)
{
    auto* w = static_cast<FormWindow*>(window);
    w->timeout_ = 0;
    w->run_event([w] { w->dispatcher_.advance_to(w->elapsed()); });
}

void FormWindow::run_event(const std::function<void()>& event)
{
    if (ended_)
        return;
    try {
        event();
    } catch (const RuntimeError& e) {
        // The runtime's run-time error: reported, and the game ends.
        ended_ = true;
        if (timeout_ != 0)
            emscripten_clear_timeout(timeout_);
        velmo_dom_report((std::string("Run-time error: ") + e.what()).c_str());
        return;
    }
    sync();
    schedule();
}

// Wakes only for a timer whose tick someone sees; quiet ticks wait for the
// next event, which takes them first.
void FormWindow::schedule()
{
    if (timeout_ != 0) {
        emscripten_clear_timeout(timeout_);
        timeout_ = 0;
    }
    const auto due = dispatcher_.next_due();
    if (!due)
        return;
    const auto wait = std::max<Dispatcher::Millis>(*due - elapsed(), 0);
    timeout_ = emscripten_set_timeout(&FormWindow::woken, static_cast<double>(wait), this);
}

} // namespace velmo::web
