#include "label_view.h"

#include "dom.h"
#include "fonts.h"
#include "platform/appearance.h"

namespace velmo::web {

namespace {

// A face at its size in window pixels, whatever the window's scale.
void set_font(int id, FontRole role, int size)
{
    velmo_dom_style(id, "font", css_font(role, size).c_str());
    velmo_dom_style(id, "font-size", scaled(size).c_str());
    velmo_dom_style(id, "line-height", scaled(line_height(role, size)).c_str());
}

// The title face, made smaller where it is too wide for the label, as on the desktop.
void fit_title(const LabelView& v)
{
    const Label& model = *v.model;
    const int size = fitted_pixel_size(face(FontRole::title).pixel_size,
        velmo_dom_text_width(v.widget.id, css_font(FontRole::title).c_str()), model.bounds().width);
    set_font(v.widget.id, FontRole::title, size);
}

} // namespace

LabelView make_label(Label& model, int layer)
{
    // The title is the page's heading, so it stays for assistive technology
    // on the screens that do not show it.
    const bool title = model.font() == FontRole::title;
    const int id = velmo_dom_create(title ? "h1" : "div", element_id(model).c_str(), "label", layer);
    set_font(id, model.font(), face(model.font()).pixel_size);
    if (model.align() == Align::centre)
        velmo_dom_style(id, "text-align", "center");
    if (!model.spoken_name().empty())
        velmo_dom_attribute(id, "aria-label", std::string(model.spoken_name()).c_str());
    // Nothing shown yet: the first sync sets every property.
    LabelView v{&model, {id, {}, ~Colour{0}, ~Colour{0}, {-1, -1, -1, -1}, true}};
    sync_view(v);
    return v;
}

LabelView bind_label(Label& model)
{
    LabelView v{&model, {velmo_dom_element(element_id(model).c_str()), model.caption(), model.fore(), model.back(),
                            model.bounds(), model.visible()}};
    v.changed();
    return v;
}

bool sync_view(LabelView& v)
{
    if (!v.changed())
        return false;
    const Label& model = *v.model;
    LabelElement& e = v.widget;
    if (e.caption != model.caption()) {
        e.caption = model.caption();
        velmo_dom_text(e.id, e.caption.c_str());
        if (model.font() == FontRole::title)
            fit_title(v);
    }
    if (e.fore != model.fore()) {
        e.fore = model.fore();
        velmo_dom_style(e.id, "color", Css(e.fore));
    }
    // The title's tall face reaches into the credit line's strip; without a
    // fill of its own, as on the desktop, its letters are cut only where the
    // credit labels, stacked above it, fill their boxes.
    if (e.back != model.back() && model.font() != FontRole::title) {
        e.back = model.back();
        velmo_dom_style(e.id, "background-color", Css(e.back));
    }
    if (e.bounds != model.bounds()) {
        e.bounds = model.bounds();
        velmo_dom_box(e.id, e.bounds.left, e.bounds.top, e.bounds.width, e.bounds.height);
    }
    if (e.shown != model.visible()) {
        e.shown = model.visible();
        if (model.font() == FontRole::title)
            velmo_dom_attribute(e.id, "class", e.shown ? "label" : "label offstage");
        else
            velmo_dom_show(e.id, e.shown);
    }
    return true;
}

} // namespace velmo::web
