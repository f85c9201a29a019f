#include "platform/dispatcher.h"
#include "platform/driver.h"
#include "platform/numeric.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace velmo {
namespace {

constexpr std::array<Entry<CommandButton>, 2> buttons{{
    {"Go", -1, {"&Go", colours::green, {0, 0, 10, 10}, true, 0}},
    {"Hidden", -1, {"&Hidden", colours::red, {0, 0, 10, 10}, false, 1}},
}};
constexpr std::array<Entry<Timer>, 2> timers{{
    {"Fast", -1, {2, true}},
    {"Slow", -1, {3000, false}},
}};
constexpr FormDesign design{"t", colours::black, 100, 100, buttons, {}, {}, {}, timers};

struct Dispatching : ::testing::Test {
    Form form{design};
    Dispatcher d{form};
    std::vector<std::string> log;

    void SetUp() override
    {
        d.on_click("Go", [this](int) { log.push_back("Go@" + std::to_string(d.now())); });
        d.on_click("Hidden", [this](int) { log.push_back("Hidden"); });
        d.on_tick("Fast", [this] { log.push_back("Fast@" + std::to_string(d.now())); });
        d.on_tick("Slow", [this] {
            log.push_back("Slow@" + std::to_string(d.now()));
            form.timer("Slow").set_enabled(false);
        });
    }
};

TEST_F(Dispatching, fires_due_ticks_in_time_order)
{
    d.advance(7);
    EXPECT_EQ(log, (std::vector<std::string>{"Fast@2", "Fast@4", "Fast@6"}));
    EXPECT_EQ(d.now(), 7);
}

TEST_F(Dispatching, one_shot_fires_once_at_its_interval_and_not_before)
{
    form.timer("Fast").set_enabled(false);
    d.click("Go"); // lets the dispatcher see the switch
    log.clear();
    form.timer("Slow").set_enabled(true);
    d.click("Go");
    d.advance(2999);
    EXPECT_EQ(log, (std::vector<std::string>{"Go@0"}));
    d.advance(1);
    d.advance(10000);
    EXPECT_EQ(log, (std::vector<std::string>{"Go@0", "Slow@3000"}));
}

TEST_F(Dispatching, a_stopped_timer_neither_ticks_nor_can_be_fired)
{
    form.timer("Fast").set_enabled(false);
    d.click("Go");
    log.clear();
    d.advance(100);
    EXPECT_FALSE(d.tick("Fast"));
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(d.next_due().has_value());
}

TEST_F(Dispatching, re_enabling_restarts_the_interval_from_now)
{
    d.advance(3);
    form.timer("Fast").set_enabled(false);
    d.click("Go");
    d.advance(10);
    form.timer("Fast").set_enabled(true);
    d.click("Go");
    EXPECT_EQ(d.next_due(), 15);
}

TEST_F(Dispatching, hidden_and_unknown_buttons_take_no_click)
{
    EXPECT_FALSE(d.click("Hidden"));
    EXPECT_FALSE(d.click("Nothing"));
    EXPECT_TRUE(d.click("Go"));
    EXPECT_EQ(log, (std::vector<std::string>{"Go@0"}));
}

TEST(Dispatcher, a_click_raised_inside_a_handler_runs_after_it)
{
    Form form{design};
    Dispatcher d{form};
    std::vector<std::string> seen;
    int n = 0;
    d.on_click("Go", [&](int) {
        seen.push_back(n == 0 ? "first" : "second");
        if (n++ == 0) {
            d.click("Go");
            seen.push_back("first end");
        }
    });
    d.click("Go");
    EXPECT_EQ(seen, (std::vector<std::string>{"first", "first end", "second"}));
}

TEST_F(Dispatching, ticks_that_fell_due_are_not_lost_on_a_jump)
{
    d.advance(5000);
    EXPECT_EQ(log.size(), 2500u);
    EXPECT_EQ(log.back(), "Fast@5000");
}

TEST_F(Dispatching, quiet_ticks_wake_no_one_and_are_taken_together_before_the_next_event)
{
    d.on_quiet_ticks(
        "Fast", [this](std::int64_t n) { log.push_back(std::to_string(n) + " Fast@" + std::to_string(d.now())); });
    EXPECT_FALSE(d.next_due().has_value()); // Slow is off and Fast is quiet
    d.advance(7);
    EXPECT_TRUE(log.empty());
    d.click("Go");
    d.advance(1);
    d.catch_up();
    EXPECT_EQ(log, (std::vector<std::string>{"3 Fast@7", "Go@7", "1 Fast@8"}));
}

// Ticks due at the same millisecond fire in the order the design lists the timers.
TEST(Dispatcher, ties_fire_in_design_order)
{
    static constexpr std::array<Entry<Timer>, 2> both{{{"Slow", -1, {4, true}}, {"Fast", -1, {2, true}}}};
    Form form{FormDesign{"t", colours::black, 10, 10, {}, {}, {}, {}, both}};
    Dispatcher d{form};
    std::vector<std::string> log;
    for (const char* name : {"Slow", "Fast"})
        d.on_tick(name, [&, name] { log.push_back(name + ("@" + std::to_string(d.now()))); });
    d.advance(8);
    EXPECT_EQ(log, (std::vector<std::string>{"Fast@2", "Slow@4", "Fast@4", "Fast@6", "Slow@8", "Fast@8"}));
}

// The driver both views run the dispatcher with: what it asks the view to
// do after each event, on a clock the test sets.
struct Driving : Dispatching {
    Driver::Millis clock = 0;
    bool failing = false;
    std::vector<std::string> seen; // what the view was asked to do

    Driver::Toolkit toolkit()
    {
        return {[this] { return clock; },
            [this](std::optional<Driver::Millis> w) { seen.push_back(w ? "wake in " + std::to_string(*w) : "no wake"); },
            [this] { seen.push_back("sync"); }, [this](const char* what) { seen.push_back(std::string("failed: ") + what); }};
    }
    void SetUp() override
    {
        Dispatching::SetUp();
        d.on_tick("Fast", [this] {
            if (failing)
                throw RuntimeError("Overflow");
            log.push_back("Fast@" + std::to_string(d.now()));
        });
    }
};

TEST_F(Driving, a_click_takes_the_ticks_due_before_it_then_syncs_and_wakes_for_the_next)
{
    Driver driver{d, toolkit()};
    driver.start();
    clock = 7;
    driver.click(form.button("Go"));
    EXPECT_EQ(log, (std::vector<std::string>{"Fast@2", "Fast@4", "Fast@6", "Go@7"}));
    EXPECT_EQ(seen, (std::vector<std::string>{"wake in 2", "sync", "wake in 1"}));
}

TEST_F(Driving, a_wake_up_fires_the_ticks_due_then_syncs)
{
    Driver driver{d, toolkit()};
    driver.start();
    clock = 9;
    driver.woken();
    EXPECT_EQ(log, (std::vector<std::string>{"Fast@2", "Fast@4", "Fast@6", "Fast@8"}));
    EXPECT_EQ(seen, (std::vector<std::string>{"wake in 2", "sync", "wake in 1"}));
}

// A toolkit's timer holds no more than 2^30 ms.
TEST_F(Driving, the_wait_asked_for_is_at_most_2_to_the_30_ms)
{
    static constexpr std::array<Entry<Timer>, 1> longest{{{"Long", -1, {INT_MAX, true}}}};
    Form far{FormDesign{"t", colours::black, 10, 10, {}, {}, {}, {}, longest}};
    Dispatcher far_off{far};
    Driver driver{far_off, toolkit()};
    driver.start();
    EXPECT_EQ(seen, (std::vector<std::string>{"wake in 1073741824"}));
}

TEST_F(Driving, a_run_time_error_is_reported_once_and_ends_every_event_after_it)
{
    Driver driver{d, toolkit()};
    driver.start();
    failing = true;
    clock = 4;
    driver.woken();
    driver.click(form.button("Go"));
    driver.woken();
    EXPECT_EQ(log, std::vector<std::string>{});
    EXPECT_EQ(seen, (std::vector<std::string>{"wake in 2", "no wake", "failed: Overflow"}));
    EXPECT_TRUE(driver.ended());
}

} // namespace
} // namespace velmo
