// SPDX-License-Identifier: MIT
#include "settings/SettingsFolderLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace tessary {

namespace {

// The lock lives in the temporary folder, not beside the settings, which keep holding only
// what the user put there; its name stands for the settings file.
QString lockPath(const QString& settingsPath)
{
    const QByteArray key = QFileInfo(settingsPath).absoluteFilePath().toUtf8();
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    return QDir::tempPath() + QStringLiteral("/tessary-settings-") + hash + QStringLiteral(".lock");
}

} // namespace

SettingsFolderLock::SettingsFolderLock(const QString& settingsPath)
    : m_folder(QFileInfo(settingsPath).absolutePath())
    , m_lock(std::make_unique<QLockFile>(lockPath(settingsPath)))
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
