// SPDX-License-Identifier: MIT
#include "dialogs/AboutText.h"

namespace tessary {

QString AboutText::version(int major, int minor, int revision)
{
    return QStringLiteral("version : %1.%2%3").arg(major).arg(minor).arg(revision);
}

} // namespace tessary
