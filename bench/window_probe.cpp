// Runs two windowed programs alternately on an X server and measures, for each
// run: the time from process start to its window being mapped, and to the
// first frame with its title drawn (the title label's area in two colours:
// text on its ground); the CPU it uses and how often it wakes over 10 s left
// at rest, and its peak resident size. Velmo rests twice: on the title
// screen, then in the result of mission 1 (Alt+S, Alt+R); the other program
// simply rests twice as long. Prints medians and ratios. With REST=0 in the
// environment it measures start-up alone.
//
//   velmo_window_probe RUNS TITLE_A PROGRAM_A TITLE_B PROGRAM_B

#include "app/x_session.h"
#include "median.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto idle_span = std::chrono::seconds(10);

// CPU and wake-ups of one span at rest.
struct Rest {
    double cpu_percent, wakes_per_s;
};

struct Sample {
    double startup_ms, title_ms;
    Rest title, result;
    double peak_rss_kb;
};

// Over all threads of the process: the nanoseconds they ran (schedstat, far
// finer than the clock ticks of stat), and the times they gave up the
// processor to wait, each of which ends in a wake-up.
struct Usage {
    double cpu_ns = 0;
    long long waits = 0;
};

Usage usage(pid_t pid)
{
    Usage u;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream sched(task.path() / "schedstat");
        double ns = 0;
        if (sched >> ns)
            u.cpu_ns += ns;
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                u.waits += std::atoll(line.c_str() + 24);
    }
    return u;
}

double peak_rss_kb(pid_t pid)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(f, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6);
    return 0;
}

Rest rest(pid_t pid)
{
    const Usage before = usage(pid);
    std::this_thread::sleep_for(idle_span);
    const Usage after = usage(pid);
    const double span = std::chrono::duration<double>(idle_span).count();
    return {
        100.0 * (after.cpu_ns - before.cpu_ns) / 1e9 / span, static_cast<double>(after.waits - before.waits) / span};
}

// Alt+S, then Alt+R: Start's yellow face gives way to mission 1, and Ready
// shows "RIGHT ANSWER" in orange.
bool reach_result(const std::string& title)
{
    velmo::test::XSession x;
    if (!x.find_window(title, std::chrono::seconds(5)))
        return false;
    x.focus();
    x.key('s', true);
    if (!x.wait_for([](const velmo::test::Shot& s) { return s.at(356, 212) != 0xFFFF00; }, std::chrono::seconds(5)))
        return false;
    x.key('r', true);
    if (!x.wait_for(
            [](const velmo::test::Shot& s) {
                return s.count_of({344, 152, 456, 168}, 0xFF8000) > 0;
            },
            std::chrono::seconds(5)))
        return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return true;
}

// Where both windows show their title: a band across the middle of the title
// label's box, which the letters of both cross. A small area, so that the
// polling keeps the X server no busier than it must.
constexpr int title_left = 240, title_top = 55, title_width = 305, title_height = 11;

// Polls the title's band until some of it is text on a ground: two colours,
// the rarer in at least 20 pixels. Returns when that was seen.
std::optional<Clock::time_point> title_drawn(xcb_connection_t* c, xcb_window_t w)
{
    const auto give_up = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < give_up) {
        auto* img = xcb_get_image_reply(c,
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, title_left, title_top, title_width, title_height, ~0u),
            nullptr);
        if (img) {
            const auto* p = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(img));
            const int n = xcb_get_image_data_length(img) / 4;
            const std::uint32_t first = p[0] & 0xFFFFFF;
            int other = 0;
            for (int i = 0; i < n; ++i)
                other += (p[i] & 0xFFFFFF) != first;
            free(img);
            if (other >= 20 && n - other >= 20)
                return Clock::now();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return std::nullopt;
}

std::optional<Sample> measure(xcb_connection_t* c, const std::string& title, const char* program)
{
    // The last run's program has gone; let the server and the system settle.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<xcb_window_t> window;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (!window && Clock::now() - started < std::chrono::seconds(20)) {
        poll(&fd, 1, 100);
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
                if (velmo::test::window_name(c, map->window) == title)
                    window = map->window;
            }
            free(e);
        }
    }
    const auto ms_since_start = [&](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(t - started).count();
    };
    const double startup_ms = ms_since_start(Clock::now());
    const auto drawn = window ? title_drawn(c, *window) : std::nullopt;
    std::optional<Sample> sample;
    if (drawn) {
        const char* rests = std::getenv("REST");
        const bool at_rest = !rests || std::strcmp(rests, "0") != 0;
        const Rest on_title = at_rest ? rest(pid) : Rest{};
        if (!at_rest || title != "Velmo" || reach_result(title)) {
            const Rest in_result = at_rest ? rest(pid) : Rest{};
            sample = Sample{startup_ms, ms_since_start(*drawn), on_title, in_result, peak_rss_kb(pid)};
        } else {
            std::fprintf(stderr, "%s: did not reach the result of mission 1\n", program);
        }

        velmo::test::send_close(c, *window);
    }
    for (int i = 0; i < 300 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return sample;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s RUNS TITLE_A PROGRAM_A TITLE_B PROGRAM_B\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    std::vector<Sample> a, b;
    for (int r = 0; r < runs; ++r) {
        for (auto [title, program, out] : {std::tuple{argv[2], argv[3], &a}, std::tuple{argv[4], argv[5], &b}}) {
            const auto s = measure(c, title, program);
            if (!s) {
                std::fprintf(stderr, "%s: no window titled %s\n", program, title);
                return 1;
            }
            std::printf("run %d %-6s mapped %7.1f ms, title drawn %7.1f ms  at rest: title %5.2f %% CPU %6.1f "
                        "wakes/s, result %5.2f %% CPU %6.1f wakes/s  peak RSS %8.0f kB\n",
                r + 1, title, s->startup_ms, s->title_ms, s->title.cpu_percent, s->title.wakes_per_s,
                s->result.cpu_percent, s->result.wakes_per_s, s->peak_rss_kb);
            out->push_back(*s);
        }
    }
    auto med = [](const std::vector<Sample>& v, auto field) {
        std::vector<double> x;
        for (const Sample& s : v)
            x.push_back(field(s));
        return median(x);
    };
    const auto startup = [](const Sample& s) { return s.startup_ms; };
    const auto drawn = [](const Sample& s) { return s.title_ms; };
    const auto rss = [](const Sample& s) { return s.peak_rss_kb; };
    const double sa = med(a, startup), sb = med(b, startup), ra = med(a, rss), rb = med(b, rss);
    const double da = med(a, drawn), db = med(b, drawn);
    std::printf("\nmedians of %d runs       %-10s %-10s ratio\n", runs, argv[2], argv[4]);
    std::printf("start-up to mapped      %7.1f ms %7.1f ms %5.2fx (target: within 1.10x)\n", sa, sb, sa / sb);
    std::printf("start-up to title drawn %7.1f ms %7.1f ms %5.2fx (target: within 1.10x)\n", da, db, da / db);
    std::printf("peak RSS                %7.0f kB %7.0f kB %5.2fx (target: within 1.2x)\n", ra, rb, ra / rb);
    const char* rests = std::getenv("REST");
    for (auto [phase, part] : {std::pair{"title", &Sample::title}, std::pair{"result", &Sample::result}}) {
        if (rests && std::strcmp(rests, "0") == 0)
            break;
        const auto cpu = [part](const Sample& s) { return (s.*part).cpu_percent; };
        const auto wakes = [part](const Sample& s) { return (s.*part).wakes_per_s; };
        const double ca = med(a, cpu), cb = med(b, cpu), wa = med(a, wakes), wb = med(b, wakes);
        std::printf("at rest, %-6s CPU     %7.2f %%  %7.2f %%  %+5.2f points (target: at most 0.05 above)\n", phase, ca,
            cb, ca - cb);
        std::printf(
            "at rest, %-6s wakes/s %7.1f    %7.1f    %+5.1f (target: at most 1 above)\n", phase, wa, wb, wa - wb);
    }
    xcb_disconnect(c);
    return 0;
}
