// SPDX-License-Identifier: MIT
#include "dialogs/AboutText.h"

#include <QCoreApplication>

namespace tessary {

QString AboutText::version(int major, int minor, int revision)
{
    return QCoreApplication::translate("AboutText", "version : %1.%2%3").arg(major).arg(minor).arg(revision);
}

} // namespace tessary
