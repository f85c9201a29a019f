#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmo {

// What every control has: its name and Index, and a revision that each real
// change bumps, so a view can skip every control that did not change.
class Control {
public:
    Control(std::string_view name, int index)
        : name_(name)
        , index_(index)
    {
    }

    std::string_view name() const { return name_; }
    int index() const { return index_; } // -1 when not in a control array
    std::uint64_t revision() const { return revision_; }

protected:
    template <typename T> void assign(T& field, const T& value)
    {
        // A set that changes nothing does nothing: no revision, no repaint.
        if (field == value)
            return;
        field = value;
        ++revision_;
    }
    // Text compared as it comes, so that an unchanged caption costs no copy.
    void assign(std::string& field, std::string_view value)
    {
        if (field == value)
            return;
        field.assign(value);
        ++revision_;
    }

private:
    std::string name_;
    int index_;
    std::uint64_t revision_ = 0;
};

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Bounds&) const = default;

    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return left + width; } // one past the last column
    int bottom() const { return top + height; }
    // The smallest box that holds both; an empty box adds nothing.
    Bounds united(const Bounds& o) const
    {
        if (empty())
            return o;
        if (o.empty())
            return *this;
        const int l = std::min(left, o.left), t = std::min(top, o.top);
        return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
    }
    Bounds intersected(const Bounds& o) const
    {
        const int l = std::max(left, o.left), t = std::max(top, o.top);
        const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return r > l && b > t ? Bounds{l, t, r - l, b - t} : Bounds{};
    }
};

class Visual : public Control {
public:
    Visual(std::string_view name, int index, Bounds bounds, bool visible, int tab_index)
        : Control(name, index)
        , bounds_(bounds)
        , visible_(visible)
        , tab_index_(tab_index)
    {
    }

    bool visible() const { return visible_; }
    void set_visible(bool v) { assign(visible_, v); }
    const Bounds& bounds() const { return bounds_; }
    int tab_index() const { return tab_index_; }
    // What a screen reader calls the control, where its caption does not say;
    // empty where it does.
    std::string_view spoken_name() const { return spoken_name_; }
    void set_spoken_name(std::string_view n) { spoken_name_ = n; }

protected:
    Bounds bounds_;

private:
    bool visible_;
    int tab_index_;
    std::string_view spoken_name_;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

} // namespace velmo
