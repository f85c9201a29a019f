#pragma once

#include "colour.h"
#include "control.h"
#include "raster.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmo {

enum class Align { left, centre };
// Which face a label is set in; the view maps each role to a real font.
enum class FontRole { normal, title, credit };

class Label : public Visual {
public:
    struct Design {
        std::string_view caption;
        Colour fore, back;
        Bounds bounds;
        Align align;
        FontRole font;
        bool visible;
        int tab_index;
    };

    Label(std::string_view name, int index, const Design& d)
        : Visual(name, index, d.bounds, d.visible, d.tab_index)
        , caption_(d.caption)
        , fore_(d.fore)
        , back_(d.back)
        , align_(d.align)
        , font_(d.font)
    {
    }

    const std::string& caption() const { return caption_; }
    void set_caption(std::string_view c) { assign(caption_, c); }
    Colour fore() const { return fore_; }
    void set_fore(Colour c) { assign(fore_, c); }
    Colour back() const { return back_; }
    void set_left(int left) { assign(bounds_.left, left); }
    Align align() const { return align_; }
    FontRole font() const { return font_; }

private:
    std::string caption_;
    Colour fore_, back_;
    Align align_;
    FontRole font_;
};

class CommandButton : public Visual {
public:
    struct Design {
        std::string_view caption; // "&" marks the access key
        Colour face;
        Bounds bounds;
        bool visible;
        int tab_index;
    };

    CommandButton(std::string_view name, int index, const Design& d)
        : Visual(name, index, d.bounds, d.visible, d.tab_index)
        , caption_(d.caption)
        , face_(d.face)
    {
    }

    const std::string& caption() const { return caption_; }
    Colour face() const { return face_; }
    // The access letter, lower case, or 0 when the caption has none.
    char access_key() const;

private:
    std::string caption_;
    Colour face_;
};

class PictureBox : public Visual {
public:
    struct Design {
        Colour back, fore;
        Bounds bounds;
        bool visible;
        int tab_index;
    };

    PictureBox(std::string_view name, int index, const Design& d)
        : Visual(name, index, d.bounds, d.visible, d.tab_index)
        , fore_(d.fore)
        , raster_(d.bounds.width, d.bounds.height, d.back)
    {
    }

    Colour fore() const { return fore_; }
    void set_left(int v) { assign(bounds_.left, v); }
    void set_top(int v) { assign(bounds_.top, v); }
    void set_width(int v) { resize(v, bounds_.height); }
    void set_height(int v) { resize(bounds_.width, v); }

    void cls() { raster_.cls(); }
    void pset(int x, int y) { raster_.pset(x, y, fore_); }
    void pset(int x, int y, Colour c) { raster_.pset(x, y, c); }
    void line(int x1, int y1, int x2, int y2, Colour c) { raster_.line(x1, y1, x2, y2, c); }
    void circle(int x, int y, int r, Colour c) { raster_.circle(x, y, r, c); }

    const Raster& raster() const { return raster_; }
    Raster& raster() { return raster_; }

private:
    void resize(int w, int h)
    {
        assign(bounds_, Bounds{bounds_.left, bounds_.top, w, h});
        raster_.resize(w, h);
    }

    Colour fore_;
    Raster raster_;
};

class LineShape : public Control {
public:
    struct Design {
        Colour colour;
        int width;
        Point from, to;
    };

    LineShape(std::string_view name, int index, const Design& d)
        : Control(name, index)
        , colour_(d.colour)
        , width_(d.width)
        , from_(d.from)
        , to_(d.to)
    {
    }

    bool visible() const { return visible_; }
    void set_visible(bool v) { assign(visible_, v); }
    Colour colour() const { return colour_; }
    int width() const { return width_; }
    Point from() const { return from_; }
    Point to() const { return to_; }
    void set_x1(int v) { assign(from_.x, v); }
    void set_y1(int v) { assign(from_.y, v); }
    void set_x2(int v) { assign(to_.x, v); }
    void set_y2(int v) { assign(to_.y, v); }

private:
    bool visible_ = false;
    Colour colour_;
    int width_;
    Point from_, to_;
};

class Timer : public Control {
public:
    struct Design {
        int interval_ms;
        bool enabled;
    };

    Timer(std::string_view name, int index, const Design& d)
        : Control(name, index)
        , interval_ms_(d.interval_ms)
        , enabled_(d.enabled)
    {
    }

    int interval_ms() const { return interval_ms_; }
    bool enabled() const { return enabled_; }
    // Every switch counts, so Enabled off and on again inside one handler
    // restarts the interval.
    void set_enabled(bool e)
    {
        if (e == enabled_)
            return;
        enabled_ = e;
        ++switches_;
    }
    std::uint64_t switches() const { return switches_; }

private:
    int interval_ms_;
    bool enabled_;
    std::uint64_t switches_ = 0;
};

} // namespace velmo
