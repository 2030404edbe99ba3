#include "core/triggers/gesture_quantiser.h"

namespace {

// A non-negative number of up to 65 bits: the sum of two squares of 32-bit
// magnitudes, or twice one such square. 32-bit Windows has no 128-bit integer,
// so the carry is kept by hand.
struct Wide {
    std::uint64_t high;  // 0 or 1
    std::uint64_t low;
};

bool NotAbove(Wide a, Wide b)
{
    return a.high != b.high ? a.high < b.high : a.low <= b.low;
}

std::uint64_t Magnitude(std::int64_t v)
{
    return static_cast<std::uint64_t>(v < 0 ? -v : v);
}

}  // namespace

GestureDirection QuantiseGestureMove(GesturePoint anchor, GesturePoint cursor,
                                     std::uint32_t minDistance)
{
    // The difference of two 32-bit coordinates needs 33 bits; each magnitude
    // is below 2^32, so its square fits 64 bits and only the sums carry.
    const std::int64_t dx = static_cast<std::int64_t>(cursor.x) - anchor.x;
    const std::int64_t dy = static_cast<std::int64_t>(cursor.y) - anchor.y;
    const std::uint64_t ax = Magnitude(dx);
    const std::uint64_t ay = Magnitude(dy);

    const std::uint64_t dx2 = ax * ax;
    const std::uint64_t sumLow = dx2 + ay * ay;
    const Wide moved = {sumLow < dx2 ? 1u : 0u, sumLow};
    const std::uint64_t d2 = static_cast<std::uint64_t>(minDistance) * minDistance;
    const Wide limit = {d2 >> 63, d2 << 1};
    if (NotAbove(moved, limit)) return GESTURE_NONE;

    if (ax > ay) return dx > 0 ? DIR_RIGHT : DIR_LEFT;
    return dy >= 0 ? DIR_DOWN : DIR_UP;
}
