// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace tessary {

// The colours of the five colour objects (0..2 the sample texts, 3 Shape1, 4 Shape2) as red,
// green and blue channels, and the selected object the accessors act on. All black at first,
// object 0 selected.
class SchemeColors {
public:
    static constexpr int Count = 5;

    std::int16_t selectObject() const { return m_selected; }
    // An index outside 0..4 is ignored: the selection stays where it was.
    void setSelectObject(std::int16_t index);

    // The selected object's colour value; a channel above 255 counts as 255, below 0 as 0.
    std::int32_t getColor() const { return colorOf(m_selected); }
    // Splits a colour value into its three low bytes for the selected object.
    void setColor(std::int32_t c);

    // One channel of the selected object, stored unchanged.
    int red() const { return m_rgb[m_selected][0]; }
    int green() const { return m_rgb[m_selected][1]; }
    int blue() const { return m_rgb[m_selected][2]; }
    void setRed(int v) { m_rgb[m_selected][0] = v; }
    void setGreen(int v) { m_rgb[m_selected][1] = v; }
    void setBlue(int v) { m_rgb[m_selected][2] = v; }

    // The colour value of any object 0..4 (0 for an index outside).
    std::int32_t colorOf(int index) const;

private:
    std::array<std::array<int, 3>, Count> m_rgb{};
    std::int16_t m_selected = 0;
};

} // namespace tessary
