#pragma once

#include <cstdint>

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

} // namespace velmo
