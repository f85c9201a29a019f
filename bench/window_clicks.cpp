// Clicks to frames on the desktop, as bench/web-bench times them in the page:
// starts the game afresh for each run on an X server, then plays a whole
// game with the mouse through XTEST and times each click, from the moment
// the server has it to the moment the window's pixels where it shows change:
// Start's face, the estimate after a step, "RIGHT ANSWER" after Ready,
// Continue's face. Prints the median and the worst of each. With
// QT_SCALE_FACTOR set, the game (which inherits it) runs at that scale, and
// the clicks and the areas watched are scaled alike.
//
//   velmo_window_clicks RUNS PROGRAM

#include "app/x_session.h"
#include "median.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using velmo::test::Area;

struct Click {
    const char* name;
    int x, y;
    Area shows; // where the window changes when the click is taken
};

// From the design table: where each button is, and what shows it was taken.
constexpr Click start{"first Start of a visit", 400, 220, {352, 208, 448, 232}};
constexpr Click step{"a step", 444, 280, {368, 272, 432, 288}};
constexpr Click ready{"Ready", 400, 304, {344, 152, 456, 168}};
constexpr Click cont{"Continue", 400, 252, {352, 240, 448, 264}};

// Screen pixels per window pixel, as the game is given it.
const double scale = std::getenv("QT_SCALE_FACTOR") ? std::atof(std::getenv("QT_SCALE_FACTOR")) : 1.0;
int on_screen(int window_px) { return static_cast<int>(window_px * scale + 0.5); }

std::vector<std::uint32_t> pixels(xcb_connection_t* c, xcb_window_t w, const Area& a)
{
    std::vector<std::uint32_t> out;
    auto* img = xcb_get_image_reply(c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, static_cast<int16_t>(a.left), static_cast<int16_t>(a.top),
            static_cast<uint16_t>(a.right - a.left + 1), static_cast<uint16_t>(a.bottom - a.top + 1), ~0u),
        nullptr);
    if (img) {
        const auto* p = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(img));
        out.assign(p, p + xcb_get_image_data_length(img) / 4);
        free(img);
    }
    return out;
}

// The click, then the time until its area differs from what it was; a
// negative time where it never did.
double time_click(velmo::test::XSession& x, xcb_connection_t* c, xcb_window_t w, const Click& k)
{
    const Area shows{on_screen(k.shows.left), on_screen(k.shows.top), on_screen(k.shows.right), on_screen(k.shows.bottom)};
    const auto before = pixels(c, w, shows);
    x.click(on_screen(k.x), on_screen(k.y), false);
    const auto sent = Clock::now();
    while (Clock::now() - sent < std::chrono::seconds(2)) {
        if (pixels(c, w, shows) != before)
            return std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    std::map<std::string, std::vector<double>> seen;
    for (int r = 0; r < runs; ++r) {
        const pid_t pid = fork();
        if (pid == 0) {
            execl(argv[2], argv[2], static_cast<char*>(nullptr));
            _exit(127);
        }
        velmo::test::XSession x;
        const auto w = x.find_window("Velmo", std::chrono::seconds(10));
        if (!w) {
            std::fprintf(stderr, "%s: no window titled Velmo\n", argv[2]);
            return 1;
        }
        x.focus();
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // a person reads the title first
        // Mission 8's steps change its line, not the estimate: its step is not timed.
        std::vector<const Click*> game{&start};
        for (int m = 1; m <= 10; ++m) {
            game.insert(game.end(), {m == 8 ? nullptr : &step, &ready});
            if (m < 10)
                game.push_back(&cont);
        }
        for (const Click* k : game) {
            if (k != &start && k != &cont) // the mission comes 3 s after Continue: Ready's orange face
                x.wait_for([](const velmo::test::Shot& s) { return s.at(on_screen(230), on_screen(300)) == 0xFF8000; }, std::chrono::seconds(5));
            if (!k)
                continue;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const double ms = time_click(x, c, *w, *k);
            if (ms < 0)
                std::fprintf(stderr, "run %d: %s showed nothing\n", r + 1, k->name);
            else
                seen[k->name].push_back(ms);
        }
        velmo::test::send_close(c, *w);
        xcb_flush(c);
        for (int i = 0; i < 300 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::printf("desktop at scale %g: a click to the window's pixels changed, over %d runs, a whole game each:\n",
        scale, runs);
    for (const Click* k : {&start, &step, &ready, &cont}) {
        const auto& v = seen[k->name];
        if (!v.empty())
            std::printf("  %-28s %4zu clicks  median %6.2f, worst %6.2f ms\n", k->name, v.size(), median(v),
                *std::max_element(v.begin(), v.end()));
    }
    xcb_disconnect(c);
    return 0;
}
