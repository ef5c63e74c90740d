// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

namespace tessary {

class Surface;

// Draws the palette window's chips on its surface: each chip filled with its colour and
// framed by a one-pixel line just inside its square.
class PaletteGridPainter {
public:
    static constexpr std::int32_t kFrame = 0x000000;
    static constexpr std::int32_t kSelectedFrame = 0xFFFFFF;

    // Clears the surface and draws the chips of positions first.. (at most columnCount x
    // rowCount of them, none past lastPosition), colour values from colorAt(position).
    static void drawGrid(Surface& surface, int columnCount, int rowCount, int chipSize, int first,
                         int lastPosition, const std::function<std::int32_t(int)>& colorAt);
    static void fillChip(Surface& surface, int column, int row, int chipSize, std::int32_t color);
    static void frameChip(Surface& surface, int column, int row, int chipSize, std::int32_t color);
};

} // namespace tessary
