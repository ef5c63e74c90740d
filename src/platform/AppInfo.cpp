// SPDX-License-Identifier: MIT
#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessary {

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString AppInfo::programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeDir + QStringLiteral("/palette")).isDir())
        return exeDir;
    // Installed layout: <prefix>/bin/tessary and <prefix>/share/tessary/{palette,doc}.
    const QString shared = QDir::cleanPath(exeDir + QStringLiteral("/../share/tessary"));
    if (QFileInfo(shared).isDir())
        return shared;
    return exeDir;
}

QString AppInfo::exeName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString AppInfo::currentDirectory()
{
    return QDir::currentPath();
}

void AppInfo::setProgramFolderOverride(const QString& folder)
{
    overrideFolder() = folder;
}

} // namespace tessary
