#include "platform/colour.h"
#include "platform/numeric.h"
#include "platform/random.h"
#include "support.h"

#include <gtest/gtest.h>

#include <bit>
#include <ostream>

namespace velmo {
namespace {

TEST(RandomGenerator, starts_with_the_published_values)
{
    RandomGenerator rnd;
    EXPECT_EQ(rnd.state(), 327680u);
    EXPECT_FLOAT_EQ(test::next_value(rnd), 0.7055475f);
    EXPECT_EQ(rnd.state(), 11837123u);
    EXPECT_FLOAT_EQ(test::next_value(rnd), 0.5334240f);
    EXPECT_FLOAT_EQ(test::next_value(rnd), 0.5795186f);
}

TEST(RandomGenerator, first_tick_count_after_start_is_241)
{
    RandomGenerator rnd;
    EXPECT_EQ(rnd.draw(201, 100), 241);
}

// Skipping n values lands where n single steps do: every n up to 1000, then
// a spread of n past one full period of 2^24 values, powers of two among them.
TEST(RandomGenerator, skip_of_n_equals_n_single_steps)
{
    constexpr std::uint32_t from = 4242424;
    constexpr std::uint64_t last = (1u << 24) + 3'000'000;
    std::uint32_t walked = from;
    int checked = 0;
    for (std::uint64_t n = 0; n <= last; ++n, walked = test::next_state(walked)) {
        const bool power_of_two_near =
            std::has_single_bit(n) || std::has_single_bit(n + 1) || std::has_single_bit(n - 1);
        if (n > 1000 && n % 9973 != 0 && !power_of_two_near)
            continue;
        RandomGenerator rnd;
        rnd.set_state(from);
        rnd.skip(n);
        ASSERT_EQ(rnd.state(), walked) << "n = " << n;
        ++checked;
    }
    EXPECT_GT(checked, 3000);
}

struct DrawCase {
    std::uint32_t next_state; // the state the draw produces
    int n, a, expected;
};

[[maybe_unused]] void PrintTo(const DrawCase& c, std::ostream* os)
{
    *os << "state " << c.next_state << ", n " << c.n << ", a " << c.a;
}

class DrawBounds : public ::testing::TestWithParam<DrawCase> { };

// floor(R * n) + a at the extremes of the state: never a + n, never below a.
TEST_P(DrawBounds, floors_never_round)
{
    const DrawCase c = GetParam();
    RandomGenerator rnd;
    rnd.set_state(test::state_before(c.next_state));
    EXPECT_EQ(rnd.draw(c.n, c.a), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Extremes, DrawBounds,
    ::testing::Values(DrawCase{16777215, 601, 200, 800}, DrawCase{0, 601, 200, 200}, DrawCase{16777215, 201, 100, 300},
        DrawCase{0, 201, 100, 100}, DrawCase{16777215, 2, 0, 1}, DrawCase{8388607, 2, 0, 0}, DrawCase{8388608, 2, 0, 1},
        DrawCase{16777215, 40000, 0, 39999}, DrawCase{8388608, 480, 20, 260}));

TEST(RandomGenerator, coin_is_r_plus_r)
{
    for (std::uint32_t s : {0u, 8388607u, 8388608u, 16777215u, 4194304u, 12582911u}) {
        RandomGenerator rnd;
        rnd.set_state(test::state_before(s));
        const float r = static_cast<float>(s) / 16777216.0f;
        EXPECT_EQ(rnd.coin(), static_cast<int>(r + r)) << "state " << s;
    }
}

TEST(NumberText, has_one_blank_for_zero_and_above_and_a_minus_below)
{
    EXPECT_EQ(number_text(200), " 200");
    EXPECT_EQ(number_text(0), " 0");
    EXPECT_EQ(number_text(-5), "-5");
    EXPECT_EQ(number_text(40000), " 40000");
}

TEST(Conversions, round_halves_to_even)
{
    EXPECT_EQ(cint(0.5), 0);
    EXPECT_EQ(cint(1.5), 2);
    EXPECT_EQ(cint(2.5), 2);
    EXPECT_EQ(cint(-2.5), -2);
    EXPECT_EQ(cint(1.4999), 1);
    EXPECT_EQ(clng(404.6), 405);
    EXPECT_EQ(clng(40000.0), 40000);
}

TEST(Conversions, out_of_range_raises_the_run_time_error)
{
    EXPECT_EQ(cint(32767.0), 32767);
    EXPECT_THROW(cint(32767.5), RuntimeError); // rounds to 32768
    EXPECT_THROW(cint(-32769.0), RuntimeError);
    EXPECT_THROW(clng(2147483648.0), RuntimeError);
}

TEST(Colour, combines_red_green_blue_with_red_low)
{
    EXPECT_EQ(test::rgb(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(test::rgb(0, 255, 0), 0x00FF00u);
    EXPECT_EQ(test::rgb(0, 0, 255), 0xFF0000u);
    EXPECT_EQ(test::rgb(255, 128, 0), colours::orange);
    EXPECT_EQ(from_argb(to_argb(0x123456)), 0x123456u);
}

} // namespace
} // namespace velmo
