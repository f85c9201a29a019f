// The real program in a real X window (run under xvfb-run): it starts, its
// window appears with the yellow Start button at its place, and closing the
// window the way a window manager does ends the program with status 0.

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return a;
}

std::string window_name(xcb_connection_t* c, xcb_window_t w)
{
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    std::string name;
    if (reply && xcb_get_property_value_length(reply) > 0)
        name.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    free(reply);
    return name;
}

std::optional<xcb_window_t> find_viewable(xcb_connection_t* c, xcb_window_t root, const std::string& title)
{
    auto* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    if (!tree)
        return std::nullopt;
    std::optional<xcb_window_t> found;
    const xcb_window_t* kids = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        auto* attr = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, kids[i]), nullptr);
        const bool viewable = attr && attr->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attr);
        if (viewable && window_name(c, kids[i]) == title)
            found = kids[i];
    }
    free(tree);
    return found;
}

// The pixel at (x, y) of a window as 0xRRGGBB, on a 24-bit screen.
std::optional<uint32_t> pixel(xcb_connection_t* c, xcb_window_t w, int x, int y)
{
    auto* img = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, static_cast<int16_t>(x), static_cast<int16_t>(y), 1, 1, ~0u),
        nullptr);
    if (!img)
        return std::nullopt;
    uint32_t v = 0;
    std::memcpy(&v, xcb_get_image_data(img), 4);
    free(img);
    return v & 0xFFFFFF;
}

struct Program {
    pid_t pid = -1;
    explicit Program(const char* path)
    {
        pid = fork();
        if (pid == 0) {
            execl(path, path, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    // Waits for the program to end; its exit status, or nothing on time-out.
    std::optional<int> wait_for_exit(std::chrono::milliseconds limit)
    {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(10ms);
        }
        return std::nullopt;
    }
    ~Program()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
};

TEST(RealWindow, opens_with_start_and_closes_with_status_0)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(c)) << "no X display; run under xvfb-run";
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;

    // The build's binary, or another (an installed one) named by the caller.
    const char* binary = std::getenv("VELMO_BINARY") ? std::getenv("VELMO_BINARY") : VELMO_BINARY;
    Program velmo(binary);
    std::optional<xcb_window_t> win;
    std::optional<uint32_t> start_face;
    const auto deadline = Clock::now() + 15s;
    while (Clock::now() < deadline) {
        win = find_viewable(c, root, "Velmo");
        // The face of Start, clear of its caption.
        if (win && (start_face = pixel(c, *win, 356, 212)) && *start_face == 0xFFFF00)
            break;
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_TRUE(win) << "no window named Velmo appeared";
    ASSERT_EQ(start_face, 0xFFFF00u) << "the Start button is not yellow at its place";

    auto* geo = xcb_get_geometry_reply(c, xcb_get_geometry(c, *win), nullptr);
    ASSERT_NE(geo, nullptr);
    EXPECT_EQ(geo->width, 760);
    EXPECT_EQ(geo->height, 555);
    free(geo);
    EXPECT_EQ(pixel(c, *win, 100, 400), 0x000000u);

    // What a window manager sends when the player closes the window.
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = *win;
    close.type = atom(c, "WM_PROTOCOLS");
    close.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, *win, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
    xcb_flush(c);

    EXPECT_EQ(velmo.wait_for_exit(5s), 0);
    xcb_disconnect(c);
}

} // namespace
