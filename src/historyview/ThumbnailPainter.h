// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <array>
#include <cstdint>

namespace tessary {

// Paints a scheme's thumbnail as ThumbnailLayout places it: each band filled with its colour
// (colour values, red in the low byte), a thin grey frame so a white scheme shows on white.
class ThumbnailPainter {
public:
    static QImage paint(const QSize& size, const std::array<std::int32_t, 5>& colors);
};

} // namespace tessary
