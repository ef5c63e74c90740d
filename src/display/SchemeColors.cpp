// SPDX-License-Identifier: MIT
#include "display/SchemeColors.h"

#include "platform/ColorValue.h"

#include <algorithm>

namespace tessary {

void SchemeColors::setSelectObject(std::int16_t index)
{
    if (index >= 0 && index < Count)
        m_selected = index;
}

void SchemeColors::setColor(std::int32_t c)
{
    m_rgb[m_selected] = {ColorValue::red(c), ColorValue::green(c), ColorValue::blue(c)};
}

std::int32_t SchemeColors::colorOf(int index) const
{
    if (index < 0 || index >= Count)
        return 0;
    const auto& rgb = m_rgb[index];
    return ColorValue::pack(std::clamp(rgb[0], 0, 255), std::clamp(rgb[1], 0, 255), std::clamp(rgb[2], 0, 255));
}

} // namespace tessary
