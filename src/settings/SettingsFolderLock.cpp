// SPDX-License-Identifier: MIT
#include "settings/SettingsFolderLock.h"

#include <QDir>
#include <QFileInfo>

namespace tessary {

SettingsFolderLock::SettingsFolderLock(const QString& settingsPath)
    : m_folder(QFileInfo(settingsPath).absolutePath())
    , m_lock(std::make_unique<QLockFile>(m_folder + u'/' + u'.' + QFileInfo(settingsPath).fileName()
                                         + QStringLiteral(".lock")))
{
    // The lock of an instance that was killed names a process that is gone: it counts as free.
    m_lock->setStaleLockTime(0);
    m_held = m_lock->tryLock(0);
}

SettingsFolderLock::~SettingsFolderLock() = default;

int SettingsFolderLock::removeStaleTemporaries(const QStringList& fileNames) const
{
    if (!m_held)
        return 0;
    QStringList patterns;
    for (const QString& name : fileNames)
        patterns << u'.' + name + QStringLiteral(".*.tmp");
    int removed = 0;
    const QDir folder(m_folder);
    for (const QFileInfo& f : folder.entryInfoList(patterns, QDir::Files | QDir::Hidden | QDir::System)) {
        if (QFile::remove(f.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace tessary
