// SPDX-License-Identifier: MIT
#pragma once

#include "settings/IniDocument.h"
#include "settings/IniStatus.h"

#include <QByteArray>
#include <QString>

namespace tessary {

// The program's settings file, named after the executable and lying in the current
// directory (taken when the object is created). Reads and writes one value per call with
// the semantics of the private-profile functions, but touches the disk only twice: the file
// is read on first use and written once, by flush() or on destruction.
class CiniFile {
public:
    CiniFile();
    explicit CiniFile(const QString& path);
    ~CiniFile();   // writes pending changes; a failure there is dropped
    CiniFile(const CiniFile&) = delete;
    CiniFile& operator=(const CiniFile&) = delete;

    // <current directory>/<executable name>.ini
    static QString defaultPath();
    const QString& path() const { return m_path; }

    // The value, whole. No file: defaultString unchanged; a missing section or key:
    // defaultString without its trailing spaces; a key with nothing after '=': "".
    QString readData(const QString& sectionName, const QString& keyName, const QString& defaultString);
    void writeData(const QString& sectionName, const QString& keyName, const QString& dataString);
    // Whether the file (with what writeData added) holds the key, empty or not.
    bool hasKey(const QString& sectionName, const QString& keyName);

    // Writes what writeData changed, atomically. On failure the old file stays as it was
    // and the changes are dropped. A file that exists but could not be read is never
    // overwritten.
    IniStatus flush();

private:
    void ensureLoaded();

    QString m_path;
    bool m_loaded = false;
    bool m_exists = false;
    bool m_dirty = false;
    IniStatus m_readStatus = IniStatus::success();
    QByteArray m_original;
    IniDocument m_document;
};

} // namespace tessary
