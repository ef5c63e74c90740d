// SPDX-License-Identifier: MIT
#pragma once

#include "history/HistoryStep.h"

#include <QByteArray>
#include <QString>

namespace tessary {

// The history file beside the settings. A file that cannot be used (damaged, unreadable,
// from a newer version) is kept aside as "<name>.bak" before anything is written over it;
// a file another instance wrote since this one read it is kept aside the same way. Problems
// come back as Japanese sentences for the user; empty means all went well.
class HistoryStore {
public:
    explicit HistoryStore(const QString& path);

    static QString fileName() { return QStringLiteral("tessary-history.json"); }
    // The history file in the folder of the settings file.
    static QString pathBeside(const QString& settingsPath);

    const QString& path() const { return m_path; }
    QString asidePath() const { return m_path + QStringLiteral(".bak"); }

    struct Loaded {
        HistoryData data;
        QString problem;
    };
    Loaded load();
    QString save(const HistoryData& data);

private:
    QString keepAside(const QByteArray& bytes, const QString& why);

    QString m_path;
    // The file's bytes as this instance last read or wrote them; null when there was none.
    QByteArray m_known;
    // The file could not be kept aside: it is not written over.
    bool m_blocked = false;
};

} // namespace tessary
