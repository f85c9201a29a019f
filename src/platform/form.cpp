#include "form.h"

#include "numeric.h"

#include <algorithm>

namespace velmo {

namespace {

template <typename Control> std::vector<Control> build(std::span<const Entry<Control>> entries)
{
    std::vector<Control> out;
    out.reserve(entries.size());
    for (const auto& e : entries)
        out.emplace_back(e.name, e.index, e.design);
    return out;
}

template <typename Control> Control* find(std::vector<Control>& all, std::string_view name, int index)
{
    auto it =
        std::find_if(all.begin(), all.end(), [&](const Control& c) { return c.name() == name && c.index() == index; });
    return it == all.end() ? nullptr : &*it;
}

template <typename Control> Control& get(std::vector<Control>& all, std::string_view name, int index)
{
    if (Control* c = find(all, name, index))
        return *c;
    throw RuntimeError("Control not found: " + control_name(name, index));
}

} // namespace

Form::Form(const FormDesign& d)
    : caption_(d.caption)
    , back_(d.back)
    , width_(d.width)
    , height_(d.height)
    , buttons_(build(d.buttons))
    , labels_(build(d.labels))
    , pictures_(build(d.pictures))
    , lines_(build(d.lines))
    , timers_(build(d.timers))
{
    for (const SpokenName& s : d.spoken) {
        Visual* v = find(labels_, s.name, s.index);
        if (!v)
            v = find(pictures_, s.name, s.index);
        if (!v)
            v = find(buttons_, s.name, s.index);
        if (!v)
            throw RuntimeError("Control not found: " + control_name(s.name, s.index));
        v->set_spoken_name(s.spoken);
    }
}

Label& Form::label(std::string_view name, int index) { return get(labels_, name, index); }
CommandButton& Form::button(std::string_view name, int index) { return get(buttons_, name, index); }
PictureBox& Form::picture(std::string_view name, int index) { return get(pictures_, name, index); }
LineShape& Form::line(std::string_view name, int index) { return get(lines_, name, index); }
Timer& Form::timer(std::string_view name, int index) { return get(timers_, name, index); }
CommandButton* Form::find_button(std::string_view name, int index) { return find(buttons_, name, index); }

char CommandButton::access_key() const
{
    const auto amp = caption_.find('&');
    if (amp == std::string::npos || amp + 1 >= caption_.size())
        return 0;
    const char c = caption_[amp + 1];
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

std::string control_name(std::string_view name, int index)
{
    std::string s(name);
    if (index >= 0) {
        s += '(';
        s += std::to_string(index);
        s += ')';
    }
    return s;
}

std::string display_name(const Control& c) { return control_name(c.name(), c.index()); }

std::vector<CommandButton*> Form::tab_order()
{
    std::vector<CommandButton*> order;
    for (CommandButton& b : buttons_)
        order.push_back(&b);
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tab_index() < b->tab_index(); });
    return order;
}

} // namespace velmo

namespace velmo {

CommandButton* Form::access_key_button(char letter)
{
    if (letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    for (CommandButton& b : buttons_)
        if (b.visible() && letter != 0 && b.access_key() == letter)
            return &b;
    return nullptr;
}

std::size_t Form::stacking_place(const Control& c) const
{
    std::size_t place = 0;
    const auto find_in = [&](const auto& kind) {
        for (const Control& k : kind) {
            if (&k == &c)
                return true;
            ++place;
        }
        return false;
    };
    if (find_in(lines_) || find_in(buttons_) || find_in(pictures_) || find_in(labels_))
        return place;
    throw RuntimeError("Control not in this window: " + display_name(c));
}

std::string access_shortcut(const CommandButton& b)
{
    const char key = b.access_key();
    if (key == 0)
        return {};
    return std::string("Alt+") + static_cast<char>(key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key);
}

} // namespace velmo
