#include "x_session.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace velmo::test {

using Clock = std::chrono::steady_clock;

long Shot::count(const Area& a, const std::function<bool(std::uint32_t)>& pred) const
{
    long n = 0;
    for (int y = a.top; y <= a.bottom && y < height; ++y)
        for (int x = a.left; x <= a.right && x < width; ++x)
            n += pred(at(x, y));
    return n;
}

Program::Program(const std::string& path, const std::vector<std::string>& env)
{
    pid_ = fork();
    if (pid_ == 0) {
        for (const std::string& e : env)
            putenv(const_cast<char*>(e.c_str()));
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

Program::~Program()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::optional<int> Program::wait_for_exit(std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(5ms);
    }
    return std::nullopt;
}

std::string window_name(xcb_connection_t* c, xcb_window_t w)
{
    auto* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    std::string name;
    if (r && xcb_get_property_value_length(r) > 0)
        name.assign(static_cast<const char*>(xcb_get_property_value(r)),
            static_cast<std::size_t>(xcb_get_property_value_length(r)));
    free(r);
    return name;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(r);
    return a;
}

void send_close(xcb_connection_t* c, xcb_window_t w)
{
    xcb_client_message_event_t msg{};
    msg.response_type = XCB_CLIENT_MESSAGE;
    msg.format = 32;
    msg.window = w;
    msg.type = atom(c, "WM_PROTOCOLS");
    msg.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    msg.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&msg));
    xcb_flush(c);
}

XSession::XSession()
{
    c_ = xcb_connect(nullptr, nullptr);
    ok_ = !xcb_connection_has_error(c_);
    if (ok_)
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
}

XSession::~XSession() { xcb_disconnect(c_); }

std::optional<xcb_window_t> XSession::find_window(const std::string& title, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        auto* tree = xcb_query_tree_reply(c_, xcb_query_tree(c_, root_), nullptr);
        std::optional<xcb_window_t> found;
        const xcb_window_t* kids = tree ? xcb_query_tree_children(tree) : nullptr;
        for (int i = 0; tree && i < xcb_query_tree_children_length(tree) && !found; ++i) {
            auto* attr = xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, kids[i]), nullptr);
            const bool viewable = attr && attr->map_state == XCB_MAP_STATE_VIEWABLE;
            free(attr);
            if (viewable && window_name(c_, kids[i]) == title)
                found = kids[i];
        }
        free(tree);
        if (found) {
            window_ = *found;
            return found;
        }
        std::this_thread::sleep_for(20ms);
    }
    return std::nullopt;
}

std::pair<int, int> XSession::size()
{
    auto* geo = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window_), nullptr);
    std::pair<int, int> s{geo ? geo->width : 0, geo ? geo->height : 0};
    free(geo);
    return s;
}

Shot XSession::shot()
{
    const auto [w, h] = size();
    Shot s;
    auto* img = xcb_get_image_reply(c_,
        xcb_get_image(
            c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, 0, 0, static_cast<uint16_t>(w), static_cast<uint16_t>(h), ~0u),
        nullptr);
    if (!img)
        return s;
    s.width = w;
    s.height = h;
    s.pixels.resize(static_cast<std::size_t>(w) * h);
    const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(img));
    for (std::size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = data[i] & 0xFFFFFF;
    free(img);
    return s;
}

std::optional<Shot> XSession::wait_for(const std::function<bool(const Shot&)>& check, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    do {
        Shot s = shot();
        if (s.width > 0 && check(s))
            return s;
        std::this_thread::sleep_for(30ms);
    } while (Clock::now() < end);
    return std::nullopt;
}

void XSession::fake(std::uint8_t type, std::uint8_t detail, int x, int y)
{
    xcb_test_fake_input(c_, type, detail, XCB_CURRENT_TIME, root_, static_cast<int16_t>(x), static_cast<int16_t>(y), 0);
}

void XSession::click(int x, int y, bool settle)
{
    auto* at = xcb_translate_coordinates_reply(
        c_, xcb_translate_coordinates(c_, window_, root_, static_cast<int16_t>(x), static_cast<int16_t>(y)), nullptr);
    if (!at)
        return;
    fake(XCB_MOTION_NOTIFY, 0, at->dst_x, at->dst_y);
    free(at);
    fake(XCB_BUTTON_PRESS, 1);
    fake(XCB_BUTTON_RELEASE, 1);
    xcb_flush(c_);
    if (settle)
        std::this_thread::sleep_for(60ms);
}

std::uint8_t XSession::keycode(std::uint32_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(c_);
    const int first = setup->min_keycode, count = setup->max_keycode - setup->min_keycode + 1;
    auto* map = xcb_get_keyboard_mapping_reply(
        c_, xcb_get_keyboard_mapping(c_, static_cast<xcb_keycode_t>(first), static_cast<uint8_t>(count)), nullptr);
    std::uint8_t code = 0;
    if (map) {
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
        for (int k = 0; k < count && !code; ++k)
            for (int j = 0; j < map->keysyms_per_keycode && !code; ++j)
                if (syms[k * map->keysyms_per_keycode + j] == keysym)
                    code = static_cast<std::uint8_t>(first + k);
        free(map);
    }
    return code;
}

void XSession::key(std::uint32_t keysym, bool alt)
{
    const std::uint8_t code = keycode(keysym), alt_code = keycode(keysym::alt);
    if (alt)
        fake(XCB_KEY_PRESS, alt_code);
    fake(XCB_KEY_PRESS, code);
    fake(XCB_KEY_RELEASE, code);
    if (alt)
        fake(XCB_KEY_RELEASE, alt_code);
    xcb_flush(c_);
    std::this_thread::sleep_for(80ms);
}

void XSession::focus()
{
    xcb_set_input_focus(c_, XCB_INPUT_FOCUS_POINTER_ROOT, window_, XCB_CURRENT_TIME);
    xcb_flush(c_);
    std::this_thread::sleep_for(100ms);
}

void XSession::close() { send_close(c_, window_); }

void XSession::destroy()
{
    xcb_destroy_window(c_, window_);
    xcb_flush(c_);
}

void XSession::unmap()
{
    xcb_unmap_window(c_, window_);
    xcb_flush(c_);
}

void XSession::map()
{
    xcb_map_window(c_, window_);
    xcb_flush(c_);
}

std::vector<std::uint32_t> XSession::property(const char* name)
{
    auto* reply = xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, window_, atom(c_, name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1u << 20), nullptr);
    std::vector<std::uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.assign(v, v + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

} // namespace velmo::test
