#pragma once

// The page's elements as the view drives them: the few DOM calls it needs,
// written in JavaScript (dom.js) and addressed by small handles. Strings are
// UTF-8; sizes and positions are pixels of the window, which the page's CSS
// places on whole screen pixels at whatever scale it shows the window (see
// index.html), but for canvases, whose pixels are the screen's.

#include <cstdint>

extern "C" {

using VelmoCallback = void (*)(void* user);
using VelmoKeyCallback = int (*)(void* user, int letter);

// The window: the page's one element of width x height, its title the page's.
// It takes over the elements of the title screen that the page comes with:
// each that it makes by the same name and tag, where it stands, up to
// velmo_dom_adopted, which removes the rest and plays a click the page took
// before the game was up. velmo_dom_prerendered: one of them by name, to
// place others before it, or -1.
int velmo_dom_window(const char* title, int width, int height, const char* back);
int velmo_dom_prerendered(const char* name);
void velmo_dom_adopted();
// Whether a click or an access key on the title screen waits for the game.
int velmo_dom_press_waiting();
// A child of a window, its id `name` in the page's own window, stacked at
// `layer` (higher over lower) and put in the document before the element
// `before`, or last where that is -1 (one taken over stays where it is): the
// document order is the tab order, the layers the stacking.
int velmo_dom_create(int parent, const char* tag, const char* name, const char* css_class, int layer, int before);
void velmo_dom_style(int element, const char* property, const char* value);
void velmo_dom_attribute(int element, const char* name, const char* value);
void velmo_dom_box(int element, int left, int top, int width, int height);
// How many screen pixels a window pixel is now, in 1024ths (see ScreenScale),
// and a call back whenever that changes: a resize, a zoom, another screen.
int velmo_dom_screen_scale();
void velmo_dom_on_rescale(VelmoCallback rescaled, void* user);
void velmo_dom_show(int element, int shown);
void velmo_dom_text(int element, const char* text);
// A button's caption with its access letter, at byte `key_at` (or -1), underlined.
void velmo_dom_caption(int element, const char* text, int key_at);

// A button's focus ring, from the dots of its data-ring ("x,y x,y ..." in
// window pixels) in its colour, on a transparent image of its box on the
// screen, shown while it has the focus; drawn again at each new scale (by
// index.html's velmoRing), each dot a stroke wide.
void velmo_dom_focus_ring(int element);

// Canvases: size in pixels, RGBA rows copied in. The size drops the bitmap
// only where it is another; returns 1 where it did.
int velmo_dom_canvas_size(int canvas, int width, int height);
void velmo_dom_put_pixels(int canvas, const std::uint8_t* rgba, int left, int top, int width, int height);

// The width of an element's text in a CSS font, which it takes, in whole
// window pixels; its face must be loaded.
int velmo_dom_text_width(int element, const char* font);
// Calls back once, in a task of its own after the next frame is drawn.
void velmo_dom_after_frame(VelmoCallback done, void* user);
// A mark in the page's performance timeline.
void velmo_dom_mark(const char* name);
// Calls back once every face of the list (CSS fonts, one a line) is loaded.
void velmo_dom_when_fonts_loaded(const char* fonts, VelmoCallback done, void* user);

int velmo_dom_focused(int element);
void velmo_dom_focus(int element);
void velmo_dom_blur(int element);
void velmo_dom_on_click(int element, VelmoCallback clicked, void* user);
// Alt+letter anywhere in the page; the browser keeps the key where the
// callback returns 0.
void velmo_dom_on_access_key(VelmoKeyCallback pressed, void* user);
void velmo_dom_report(const char* message);
}
