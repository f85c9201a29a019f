#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmo {

// A control as a view shows it: its model, the toolkit's handle of what shows
// it (a widget, a page element), and the model revision it last showed.
template <typename Model, typename Widget> struct View {
    Model* model;
    Widget widget;
    std::uint64_t seen = ~std::uint64_t{0};

    // Whether the model changed since the last look; remembers this look.
    bool changed()
    {
        if (model->revision() == seen)
            return false;
        seen = model->revision();
        return true;
    }
};

// The stacking order of a window's controls, each place filled with its
// widget or element when the control is first shown: a newcomer goes under
// the nearest filled place above its own, as if all had been there from the
// start.
template <typename Handle> class Stacking {
public:
    Stacking(std::size_t places, Handle empty)
        : order_(places, empty)
        , empty_(empty)
    {
    }

    // The nearest filled place above `place`, or the empty handle where none is.
    Handle above(std::size_t place) const
    {
        const auto it = std::find_if(order_.begin() + static_cast<std::ptrdiff_t>(place) + 1, order_.end(),
            [this](const Handle& h) { return h != empty_; });
        return it == order_.end() ? empty_ : *it;
    }
    void fill(std::size_t place, Handle h) { order_[place] = h; }

private:
    std::vector<Handle> order_;
    Handle empty_;
};

} // namespace velmo
