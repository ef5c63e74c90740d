// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessary {

// The contrast of a text colour over the pixels of a picture under the text's box. The pixels'
// luminances are sorted once; each text colour is then measured in logarithmic time, since
// the ratio only grows with the distance between log(Y + 0.05) of text and pixel.
class PictureContrast {
public:
    enum class PixelOrder {
        ColorValue, // red in the low byte
        Argb32,     // 0xAARRGGBB, as 32-bit image rows hold them; alpha is ignored
    };

    struct Measure {
        double lowest = 0.0;
        // The ratio that 5 % of the pixels do not exceed (nearest rank: the ceil(0.05 n)-th lowest).
        double percentile5 = 0.0;
        qsizetype pixels = 0;
        bool operator==(const Measure&) const = default;
    };

    PictureContrast() = default;
    explicit PictureContrast(std::span<const std::uint32_t> pixels, PixelOrder order = PixelOrder::ColorValue);

    bool isEmpty() const { return m_luminances.empty(); }
    qsizetype pixelCount() const { return qsizetype(m_luminances.size()); }
    // Nothing without pixels.
    std::optional<Measure> measure(std::int32_t textColor) const;

private:
    // The ratio of the k-th lowest (1-based) over the pixels.
    double kthLowest(double text, std::size_t k) const;

    std::vector<double> m_luminances; // ascending
};

} // namespace tessary
