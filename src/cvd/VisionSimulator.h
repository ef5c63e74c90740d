// SPDX-License-Identifier: MIT
#pragma once

#include "cvd/VisionMode.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tessary {

// Turns colours into what a viewer with the given colour vision sees. All methods work on
// linear light: decode sRGB, apply a matrix, clamp, encode, round.
//   P and D dichromacy: Viénot, Brettel & Mollon 1999 (one plane).
//   T dichromacy: Brettel, Viénot & Mollon 1997 (two half-planes).
//   P, D and T anomalous trichromacy: Machado, Oliveira & Fernandes 2009, the strength
//   interpolated between the two neighbouring published matrices.
// None leaves every colour as it is. Cheap to build; immutable, so it may be shared.
class VisionSimulator {
public:
    using Linear = std::array<double, 3>; // linear red, green, blue

    explicit VisionSimulator(const VisionMode& mode);

    const VisionMode& mode() const { return m_mode; }
    // True when no colour changes (None, or an anomalous kind at strength 0).
    bool isIdentity() const { return m_identity; }

    // A colour value (red in the low byte) through the plain formulas; bits above the
    // 24 colour bits are ignored.
    std::int32_t simulate(std::int32_t colorValue) const;
    // Pixels 0xAARRGGBB (straight alpha, as in a non-premultiplied ARGB32 picture) in place,
    // through tables; the same result as simulate() for every colour. Alpha is kept.
    void simulatePixels(std::uint32_t* pixels, std::size_t count) const;
    // The linear-light step alone, unclamped.
    Linear simulateLinear(const Linear& rgb) const;

private:
    using Matrix = std::array<std::array<double, 3>, 3>;

    VisionMode m_mode;
    // A colour on the non-negative side of m_split uses m_first, the others m_second. Methods
    // with one plane have m_second == m_first and a zero m_split.
    Matrix m_first{};
    Matrix m_second{};
    Linear m_split{};
    bool m_identity = true;
};

} // namespace tessary
