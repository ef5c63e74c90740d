// SPDX-License-Identifier: MIT
#include "oklch/OklchEditor.h"

#include "contrast/Oklch.h"
#include "csscolor/CssColorReader.h"

#include <algorithm>
#include <cmath>

namespace tessary {

void OklchEditor::adopt(std::int32_t color)
{
    if (color == m_color)
        return;
    const Oklch c = Oklch::fromColorValue(color);
    m_lch[L] = std::clamp(c.L, 0.0, 1.0);
    m_lch[C] = std::min(c.C, kMaxChroma);
    if (c.hasHue())
        m_lch[H] = c.h;
    settle();
}

std::int32_t OklchEditor::set(Component component, double value)
{
    switch (component) {
    case L:
        m_lch[L] = std::clamp(value, 0.0, 1.0);
        break;
    case C:
        m_lch[C] = std::clamp(value, 0.0, kMaxChroma);
        break;
    case H:
        m_lch[H] = std::fmod(std::fmod(value, 360.0) + 360.0, 360.0);
        break;
    }
    settle();
    return m_color;
}

void OklchEditor::settle()
{
    bool outside = false;
    m_color = CssColorReader::fromOklch(m_lch[L], m_lch[C], m_lch[H], &outside);
    m_inGamut = !outside;
}

} // namespace tessary
