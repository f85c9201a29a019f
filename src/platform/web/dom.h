#pragma once

// The page's elements as the view drives them: the few DOM calls it needs,
// written in JavaScript (dom.js) and addressed by small handles. Strings are
// UTF-8; sizes and positions are pixels of the window, which the page's CSS
// places on whole screen pixels at whatever scale it shows the window (see
// start.js), but for canvases, whose pixels are the screen's.
//
// The page comes with every element of the window, written at build time
// (page_writer.h); the game only finds them and changes what changes.

#include <cstdint>

extern "C" {

using VelmoCallback = void (*)(void* user);
// A press: a button's element, or an access key's letter ('a' to 'z').
using VelmoPressCallback = void (*)(void* user, int element, int letter);

// An element of the window by its id.
int velmo_dom_element(const char* id);
void velmo_dom_style(int element, const char* property, const char* value);
void velmo_dom_class(int element, const char* css_class);
void velmo_dom_box(int element, int left, int top, int width, int height);
// How many screen pixels a window pixel is now, in 1024ths (see ScreenScale),
// and a call back whenever that changes: a resize, a zoom, another screen.
int velmo_dom_screen_scale();
void velmo_dom_on_rescale(VelmoCallback rescaled, void* user);
void velmo_dom_show(int element, int shown);
void velmo_dom_text(int element, const char* text);

// Canvases: size in pixels, RGBA rows copied in. The size drops the bitmap
// only where it is another; returns 1 where it did.
int velmo_dom_canvas_size(int canvas, int width, int height);
void velmo_dom_put_pixels(int canvas, const std::uint8_t* rgba, int left, int top, int width, int height);

// A mark in the page's performance timeline.
void velmo_dom_mark(const char* name);

int velmo_dom_focused(int element);
void velmo_dom_focus(int element);
void velmo_dom_blur(int element);
// Every press on the window, one at a time: those the page took before the
// game was up first, in their order, then each as it comes.
void velmo_dom_take_presses(VelmoPressCallback pressed, void* user);
void velmo_dom_report(const char* message);
}
