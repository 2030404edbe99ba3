// The interval all three repeaters start with.
#pragma once
#include <cstdint>

constexpr std::uint32_t DEFAULT_INTERVAL = 100;  // msec, all three repeaters
