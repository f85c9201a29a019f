#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace velmo {

// The two whole-number widths the game's arithmetic is defined on.
using Integer = std::int16_t;
using Long = std::int32_t;

// The runtime's run-time error. Nothing reachable in play raises it; if it
// does, the program reports it and ends rather than go on with a wrong value.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace detail {
template <typename T> T checked_round(double value)
{
    // nearbyint rounds halves to even under the default rounding mode.
    const double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max()))
        throw RuntimeError("Overflow");
    return static_cast<T>(r);
}
} // namespace detail

// Conversion to a 16-bit integer, halves to even, overflow checked.
inline Integer cint(double value) { return detail::checked_round<Integer>(value); }

// Conversion to a 32-bit integer, halves to even, overflow checked.
inline Long clng(double value) { return detail::checked_round<Long>(value); }

// The number text: digits after one blank for 0 and above, after "-" below.
inline std::string number_text(long long value)
{
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace velmo
