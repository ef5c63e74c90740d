// SPDX-License-Identifier: MIT
#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace tessary {

bool QtShell::openDocument(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace tessary
