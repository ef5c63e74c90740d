// SPDX-License-Identifier: MIT
#include "contrast/LargeTextRule.h"

namespace tessary {

double LargeTextRule::minimumPoints(bool bold) const
{
    if (m_kind == Kind::Wcag)
        return bold ? 14.0 : 18.0;
    return bold ? 18.0 : 22.0;
}

} // namespace tessary
