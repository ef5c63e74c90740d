// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace tessary {

// What the OKLCH page edits: L (0..1), C (0..kMaxChroma) and H (degrees) as the user set
// them, and the 8-bit colour they give once brought into sRGB. The values are held, not
// recomputed from the 8-bit colour, so moving one slider never moves the others and going
// back and forth never drifts.
class OklchEditor {
public:
    static constexpr double kMaxChroma = 0.4;
    enum Component { L = 0, C = 1, H = 2 };

    // A colour from elsewhere: L, C and H become the colour's, unless it is the colour these
    // values give already (the page's own change coming back). A grey keeps the last hue.
    void adopt(std::int32_t color);
    // Sets one component (clamped to its range) and returns the colour.
    std::int32_t set(Component component, double value);

    double value(Component component) const { return m_lch[std::size_t(component)]; }
    std::int32_t color() const { return m_color; }
    // Whether L, C, H lie inside sRGB as they are (before the gamut mapping).
    bool inGamut() const { return m_inGamut; }

private:
    void settle();

    std::array<double, 3> m_lch{};
    std::int32_t m_color = 0;
    bool m_inGamut = true;
};

} // namespace tessary
