#pragma once

#include <cstdint>

namespace velmo {

// The runtime's 24-bit linear congruential generator. It is a value owned by
// the game state, so any test can start from a known state and replay it.
class RandomGenerator {
public:
    static constexpr std::uint32_t start_state = 327680; // 0x50000
    static constexpr std::uint32_t modulus = 1u << 24;

    constexpr std::uint32_t state() const { return state_; }
    constexpr void set_state(std::uint32_t s) { state_ = s & (modulus - 1); }

    // floor(R * n) + a. R * n is exact (s * n < 2^34), so this is a shift.
    constexpr int draw(int n, int a = 0)
    {
        return static_cast<int>((static_cast<std::uint64_t>(step()) * static_cast<std::uint64_t>(n)) >> 24) + a;
    }

    // The 0-or-1 coin, formed as R + R, which equals floor(R * 2).
    constexpr int coin() { return static_cast<int>(step() >> 23); }

    // Takes n values at once, in O(log n): n steps of s -> a s + c are one
    // step of s -> A s + C, built by squaring the step and multiplying in the
    // powers that n's bits select. Arithmetic modulo 2^32 is exact modulo 2^24.
    constexpr void skip(std::uint64_t n)
    {
        std::uint32_t a = multiplier, c = increment, big_a = 1, big_c = 0;
        for (; n != 0; n >>= 1) {
            if (n & 1) {
                big_a *= a;
                big_c = big_c * a + c;
            }
            c *= a + 1;
            a *= a;
        }
        state_ = (big_a * state_ + big_c) & (modulus - 1);
    }

private:
    static constexpr std::uint32_t multiplier = 16598013u, increment = 12820163u;

    constexpr std::uint32_t step()
    {
        state_ = (state_ * multiplier + increment) & (modulus - 1);
        return state_;
    }

    std::uint32_t state_ = start_state;
};

} // namespace velmo
