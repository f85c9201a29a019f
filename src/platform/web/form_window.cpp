#include "form_window.h"

#include "dom.h"
#include "platform/numeric.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>

namespace velmo::web {

FormWindow::FormWindow(Form& form, Dispatcher& dispatcher)
    : form_(form)
    , dispatcher_(dispatcher)
    , root_(velmo_dom_window(std::string(form.caption()).c_str(), form.width(), form.height(), Css(form.back())))
    , start_ms_(emscripten_get_now())
    , scale_(velmo_dom_screen_scale())
{
    // Elements come when their controls are first shown (see sync).
    for (LineShape& l : form.lines())
        lines_.push_back({&l, {-1, {}}});
    for (CommandButton& b : form.buttons())
        buttons_.push_back({&b, {-1, false}});
    for (PictureBox& p : form.pictures())
        pictures_.push_back({&p, {-1, {}, false}});
    for (Label& l : form.labels())
        labels_.push_back({&l, {-1, {}, 0, 0, {}, false}});
    targets_.reserve(buttons_.size());
    for (const ButtonView& v : buttons_)
        tab_order_.push_back({&v, velmo_dom_prerendered(element_id(*v.model).c_str())});
    std::sort(tab_order_.begin(), tab_order_.end(),
        [](const TabStop& a, const TabStop& b) { return a.view->model->tab_index() < b.view->model->tab_index(); });
    velmo_dom_on_rescale(&FormWindow::rescaled, this);
}

void FormWindow::take_over()
{
    taken_over_ = true;
    velmo_dom_on_access_key(&FormWindow::access_key, this);
    sync();
    velmo_dom_adopted();
    schedule();
}

void FormWindow::sync()
{
    // Places in the stacking order, as on the desktop: lines under buttons,
    // under pictures, under labels, each kind in design order.
    const std::size_t buttons_at = lines_.size(), pictures_at = buttons_at + buttons_.size(),
                      labels_at = pictures_at + pictures_.size();
    // Buttons first: every screen shows some, and they cost the most to make,
    // so that make_hidden makes them before the rest. Shown before any is
    // hidden, so that the focus of one that goes can pass to the next shown
    // one, as on the desktop, even where that one is shown by the same event
    // and the one after it goes too.
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        ButtonView& v = buttons_[i];
        if (v.widget.id < 0 && made(v, buttons_at + i, make_button)) {
            targets_.push_back({this, v.model});
            velmo_dom_on_click(v.widget.id, &FormWindow::clicked, &targets_.back());
        }
        if (v.widget.id >= 0 && v.model->visible())
            sync_view(v);
    }
    // The focus leaves a button before it goes: the browser brings the
    // page's style up to date at once both to hide the focused element and
    // to focus another, and so does it once.
    for (const ButtonView& v : buttons_)
        if (v.widget.id >= 0 && v.widget.shown && !v.model->visible() && velmo_dom_focused(v.widget.id)) {
            pass_focus_on(v);
            break;
        }
    for (ButtonView& v : buttons_)
        if (v.widget.id >= 0 && !v.model->visible())
            sync_view(v);
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        if (made(pictures_[i], pictures_at + i, make_picture))
            sync_view(pictures_[i], scale_);
        else
            pictures_[i].model->raster().take_dirty(); // drawn while never shown: all of it shows when it is
    }
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (made(labels_[i], labels_at + i, make_label))
            sync_view(labels_[i]);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (made(lines_[i], i, make_line))
            sync_view(lines_[i]);
}

bool FormWindow::make_hidden(double budget_ms)
{
    make_until_ = emscripten_get_now() + budget_ms;
    sync();
    make_until_ = 0;
    const auto all = [](const auto& views) {
        return std::all_of(views.begin(), views.end(), [](const auto& v) { return v.widget.id >= 0 || v.model->visible(); });
    };
    return all(labels_) && all(buttons_) && all(pictures_) && all(lines_);
}

// A control gets its element when it is first shown, once the window has
// taken the title screen over, or by make_hidden. Its layer is its place in
// the stacking order; a button goes into the document before the next button
// after it in tab order that is made, or that the page came with and stays
// where it is, so that the document's order is the tab order, as if all had
// been there from the start.
template <typename V, typename Make> bool FormWindow::made(V& v, std::size_t place, Make make)
{
    if (v.widget.id >= 0)
        return true;
    if (v.model->visible() ? !taken_over_ : emscripten_get_now() >= make_until_)
        return false;
    int before = -1;
    if constexpr (std::is_same_v<V, ButtonView>) {
        const auto at = std::find_if(tab_order_.begin(), tab_order_.end(), [&v](const TabStop& t) { return t.view == &v; });
        const auto next = std::find_if(at + 1, tab_order_.end(), [](const TabStop& t) { return t.place() >= 0; });
        if (next != tab_order_.end())
            before = next->place();
    }
    v.widget = make(*v.model, Place{root_, static_cast<int>(place), before}).widget;
    return true;
}

void FormWindow::pass_focus_on(const ButtonView& from)
{
    const auto at = std::find_if(tab_order_.begin(), tab_order_.end(), [&from](const TabStop& t) { return t.view == &from; });
    for (std::size_t step = 1; step < tab_order_.size(); ++step) {
        const ButtonView* next = tab_order_[(at - tab_order_.begin() + step) % tab_order_.size()].view;
        if (next->widget.id >= 0 && next->model->visible()) {
            velmo_dom_focus(next->widget.id);
            return;
        }
    }
    // None shown: the window keeps the focus, as on the desktop. Some engines
    // (WebKit) would leave it on the hidden button.
    velmo_dom_blur(from.widget.id);
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
