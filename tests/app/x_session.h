#pragma once

// A test's hold on a real program's window on an X server (run under
// xvfb-run): start the program, find its window, read its pixels, send it
// clicks and keys through XTEST, and close it as a window manager would.

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace velmo::test {

using namespace std::chrono_literals;

struct Area {
    int left, top, right, bottom; // inclusive, in window pixels
};

// An image of a window: 0xRRGGBB pixels.
struct Shot {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    long count(const Area& a, const std::function<bool(std::uint32_t)>& pred) const;
    long count_of(const Area& a, std::uint32_t colour) const
    {
        return count(a, [&](std::uint32_t p) { return p == colour; });
    }
    long lit(const Area& a) const
    {
        return count(a, [](std::uint32_t p) { return p != 0; });
    }
};

class Program {
public:
    explicit Program(const std::string& path, const std::vector<std::string>& env = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The program's exit status once it has ended, or nothing on time-out.
    std::optional<int> wait_for_exit(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
};

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool ok() const { return ok_; }
    // Waits for a viewable top-level window of that title.
    std::optional<xcb_window_t> find_window(const std::string& title, std::chrono::milliseconds limit);
    std::pair<int, int> size();

    Shot shot();
    // Polls shots until one satisfies the check; returns the last one.
    std::optional<Shot> wait_for(const std::function<bool(const Shot&)>& check, std::chrono::milliseconds limit);

    // A click, then a pause for the program to take it unless told not to.
    void click(int x, int y, bool settle = true);
    // A key by its keysym (XK values), with Alt held when asked.
    void key(std::uint32_t keysym, bool alt = false);
    // What a window manager does when a window maps: give it the focus.
    void focus();
    // What a window manager sends when the player closes the window.
    void close();
    // What some tools do instead: destroy the window without asking.
    void destroy();
    // What a window manager does to minimise a window, and to restore it.
    void unmap();
    void map();
    // A property of the window as 32-bit values, empty where it has none.
    std::vector<std::uint32_t> property(const char* name);

private:
    std::uint8_t keycode(std::uint32_t keysym);
    void fake(std::uint8_t type, std::uint8_t detail, int x = 0, int y = 0);

    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0, window_ = 0;
    bool ok_ = false;
};

// The title of a window, an atom by name, and a window manager's close request.
std::string window_name(xcb_connection_t* c, xcb_window_t w);
xcb_atom_t atom(xcb_connection_t* c, const char* name);
void send_close(xcb_connection_t* c, xcb_window_t w);

namespace keysym {
inline constexpr std::uint32_t tab = 0xFF09, space = 0x20, alt = 0xFFE9;
} // namespace keysym

} // namespace velmo::test
