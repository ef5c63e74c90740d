// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessary {

// A colour value is red + 256 * green + 65536 * blue (red in the low byte), 0..0xFFFFFF.
namespace ColorValue {
constexpr std::int32_t pack(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int red(std::int32_t c) { return c & 0xFF; }
constexpr int green(std::int32_t c) { return (c >> 8) & 0xFF; }
constexpr int blue(std::int32_t c) { return (c >> 16) & 0xFF; }
} // namespace ColorValue

} // namespace tessary
