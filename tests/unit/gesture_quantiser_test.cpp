#include "core/triggers/gesture_quantiser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <limits>

namespace {

constexpr std::int32_t MIN32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t MAX32 = std::numeric_limits<std::int32_t>::max();
constexpr std::uint32_t MAXU32 = std::numeric_limits<std::uint32_t>::max();

struct Move {
    GesturePoint anchor;
    GesturePoint cursor;
    std::uint32_t minDistance;
    GestureDirection expected;
};

void ExpectMoves(const Move* moves, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        const Move& m = moves[i];
        EXPECT_EQ(QuantiseGestureMove(m.anchor, m.cursor, m.minDistance), m.expected)
            << "row " << i << ": (" << m.anchor.x << "," << m.anchor.y << ") -> ("
            << m.cursor.x << "," << m.cursor.y << "), D " << m.minDistance;
    }
}

TEST(GestureQuantiser, StepNeedsMoreThanRootTwoTimesTheDistance)
{
    const Move moves[] = {
        {{0, 0}, {64, 64}, 64, GESTURE_NONE},  // 8192 = 2·64²: not a step
        {{0, 0}, {65, 64}, 64, DIR_RIGHT},
        {{0, 0}, {64, 65}, 64, DIR_DOWN},
        {{0, 0}, {-64, -65}, 64, DIR_UP},
        {{0, 0}, {-65, 64}, 64, DIR_LEFT},
        {{0, 0}, {0, 90}, 64, GESTURE_NONE},   // 8100
        {{0, 0}, {0, 91}, 64, DIR_DOWN},       // 8281
        {{0, 0}, {-90, 0}, 64, GESTURE_NONE},
        {{0, 0}, {-91, 0}, 64, DIR_LEFT},
        {{0, 0}, {1, 1}, 1, GESTURE_NONE},     // 2 = 2·1²
        {{0, 0}, {2, 0}, 1, DIR_RIGHT},
        {{1000, 500}, {1065, 564}, 64, DIR_RIGHT},  // measured from the anchor
        {{1000, 500}, {1064, 564}, 64, GESTURE_NONE},
        {{-300, -300}, {-365, -364}, 64, DIR_LEFT},
    };
    ExpectMoves(moves, std::size(moves));
}

TEST(GestureQuantiser, ZeroDistanceTakesEveryPixel)
{
    const Move moves[] = {
        {{5, 5}, {5, 5}, 0, GESTURE_NONE},
        {{5, 5}, {6, 5}, 0, DIR_RIGHT},
        {{5, 5}, {4, 5}, 0, DIR_LEFT},
        {{5, 5}, {5, 6}, 0, DIR_DOWN},
        {{5, 5}, {5, 4}, 0, DIR_UP},
    };
    ExpectMoves(moves, std::size(moves));
}

TEST(GestureQuantiser, DiagonalsAndTiesAreVertical)
{
    const Move moves[] = {
        {{0, 0}, {100, 100}, 64, DIR_DOWN},
        {{0, 0}, {-100, 100}, 64, DIR_DOWN},
        {{0, 0}, {100, -100}, 64, DIR_UP},
        {{0, 0}, {-100, -100}, 64, DIR_UP},
        {{0, 0}, {101, 100}, 64, DIR_RIGHT},
        {{0, 0}, {-101, -100}, 64, DIR_LEFT},
        {{0, 0}, {100, -101}, 64, DIR_UP},
        {{0, 0}, {1, 1}, 0, DIR_DOWN},
    };
    ExpectMoves(moves, std::size(moves));
}

TEST(GestureQuantiser, ExactAtTheEndsOfThe32BitRange)
{
    const Move moves[] = {
        // The coordinate difference itself overflows 32 bits.
        {{MIN32, 0}, {MAX32, 0}, 0, DIR_RIGHT},
        {{MAX32, 0}, {MIN32, 0}, 0, DIR_LEFT},
        {{0, MIN32}, {0, MAX32}, 0, DIR_DOWN},
        {{0, MAX32}, {0, MIN32}, 0, DIR_UP},
        // dx² + dy² = 2^64 + 2^33 + 1 is above 2·D² = 2^33 + 2^18 + 2, though
        // its low 64 bits are not.
        {{MIN32, 0}, {MAX32, 1 << 17}, 65537, DIR_RIGHT},
        // 2·D² is above 2^64 while D² and dx² are below it.
        {{-1518500250, 0}, {1518500250, 0}, 3037000500u, GESTURE_NONE},
        {{MIN32, 0}, {MAX32, 0}, 3037000500u, GESTURE_NONE},
        // The largest D: even the longest move is no step.
        {{MIN32, 0}, {MAX32, 0}, MAXU32, GESTURE_NONE},
        {{MIN32, MIN32}, {MAX32, MAX32}, MAXU32, GESTURE_NONE},  // exactly 2·D²
        {{MIN32, MIN32}, {MAX32, MAX32}, MAXU32 - 1, DIR_DOWN},
        {{MIN32, MAX32}, {MAX32, MIN32}, MAXU32 - 1, DIR_UP},
    };
    ExpectMoves(moves, std::size(moves));
}

}  // namespace
