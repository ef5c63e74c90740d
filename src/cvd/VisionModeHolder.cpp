// SPDX-License-Identifier: MIT
#include "cvd/VisionModeHolder.h"

namespace tessary {

VisionModeHolder& VisionModeHolder::instance()
{
    static VisionModeHolder holder;
    return holder;
}

void VisionModeHolder::setMode(const VisionMode& mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    emit modeChanged(m_mode);
}

} // namespace tessary
