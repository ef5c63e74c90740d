// SPDX-License-Identifier: MIT
#include "palette/DefinedColorModel.h"

namespace tessary {

QString DefinedColorModel::colorName() const
{
    if (m_colorName.isEmpty())
        m_colorName = m_colorCode;
    return m_colorName;
}

} // namespace tessary
