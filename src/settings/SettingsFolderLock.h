// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace tessary {

// Marks the settings' folder as in use by this instance for as long as the object lives, so
// that an instance starting later knows whether the temporary files there may still be
// written by someone.
class SettingsFolderLock {
public:
    explicit SettingsFolderLock(const QString& settingsPath);
    ~SettingsFolderLock();

    // True when no other running instance uses the folder.
    bool isOnlyInstance() const { return m_held; }

    // Removes the temporary files that a save of one of the named files (".name.*.tmp" in
    // the folder) left when it was killed halfway; only when no other instance could be
    // writing them. Returns how many were removed.
    int removeStaleTemporaries(const QStringList& fileNames) const;

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

} // namespace tessary
