// SPDX-License-Identifier: MIT
#include "history/HistoryStore.h"

#include "history/HistoryFile.h"
#include "platform/AtomicFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessary {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

enum class Read { Missing, Ok, Failed };

Read readAll(const QString& path, QByteArray& bytes)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Read::Missing;
    QFile file(path);
    if (!info.isFile() || info.size() > HistoryFile::kMaxBytes || !file.open(QIODevice::ReadOnly))
        return Read::Failed;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Read::Failed;
    if (bytes.isNull())
        bytes = QByteArray("");
    return Read::Ok;
}

} // namespace

HistoryStore::HistoryStore(const QString& path)
    : m_path(path)
{
}

QString HistoryStore::pathBeside(const QString& settingsPath)
{
    return QFileInfo(settingsPath).absolutePath() + u'/' + fileName();
}

QString HistoryStore::keepAside(const QByteArray& bytes, const QString& why)
{
    const AtomicWriteResult kept = AtomicFileWriter::write(asidePath(), bytes);
    if (!kept) {
        m_blocked = true;
        return QCoreApplication::translate("HistoryStore", "%1\r\n%2\r\n\r\nファイルを別名で残せなかったため、この履歴ファイルには書き込みません。\r\n%3")
            .arg(why, shown(m_path), kept.reason());
    }
    return QCoreApplication::translate("HistoryStore", "%1\r\n%2\r\n\r\n元のファイルは %3 として残しました。").arg(why, shown(m_path), shown(asidePath()));
}

HistoryStore::Loaded HistoryStore::load()
{
    Loaded out;
    m_blocked = false;
    m_known = QByteArray();
    QByteArray bytes;
    switch (readAll(m_path, bytes)) {
    case Read::Missing:
        return out;
    case Read::Failed:
        // Nothing could be read, so nothing can be copied aside: the file itself is moved.
        QFile::remove(asidePath());
        if (!QFile::rename(m_path, asidePath())) {
            m_blocked = true;
            out.problem = QCoreApplication::translate("HistoryStore", "履歴ファイルを読めませんでした。このファイルには書き込みません。\r\n%1").arg(shown(m_path));
        } else {
            out.problem = QCoreApplication::translate("HistoryStore", "履歴ファイルを読めませんでした。\r\n%1\r\n\r\n元のファイルは %2 として残しました。")
                              .arg(shown(m_path), shown(asidePath()));
        }
        return out;
    case Read::Ok:
        break;
    }
    m_known = bytes;
    const HistoryFile::Result r = HistoryFile::read(bytes);
    if (r.outcome == HistoryFile::Outcome::Newer) {
        out.problem = keepAside(bytes, QCoreApplication::translate("HistoryStore", "履歴ファイルは新しい版の Tessary で書かれているため、読み込めませんでした。"));
    } else if (r.outcome == HistoryFile::Outcome::Damaged) {
        const QString where = r.where.isEmpty() ? QString() : QCoreApplication::translate("HistoryStore", "（%1）").arg(r.where);
        out.problem = keepAside(bytes, QCoreApplication::translate("HistoryStore", "履歴ファイルが壊れているため、読み込めませんでした%1。").arg(where));
    } else {
        out.data = r.data;
    }
    return out;
}

QString HistoryStore::save(const HistoryData& data)
{
    if (m_blocked)
        return QCoreApplication::translate("HistoryStore", "履歴を保存しませんでした。読めなかった履歴ファイルを残すためです。\r\n%1").arg(shown(m_path));
    QString note;
    QByteArray onDisk;
    const Read now = readAll(m_path, onDisk);
    // Nothing to keep and no file to bring up to date: the folder stays as the user left it.
    if (now == Read::Missing && m_known.isEmpty() && data.steps.empty() && data.snapshots.empty())
        return note;
    // Another instance wrote the file since this one read it: its history is kept aside.
    if (now == Read::Ok && onDisk != m_known) {
        note = keepAside(onDisk, QCoreApplication::translate("HistoryStore", "別の Tessary が履歴ファイルを書き換えていました。"));
        if (m_blocked)
            return note;
    }
    const QByteArray bytes = HistoryFile::write(data);
    const AtomicWriteResult r = AtomicFileWriter::write(m_path, bytes);
    if (!r) {
        const QString failed = QCoreApplication::translate("HistoryStore", "履歴を保存できませんでした。前の履歴ファイルはそのまま残っています。\r\n%1\r\n%2")
                                   .arg(shown(m_path), r.reason());
        return note.isEmpty() ? failed : note + QStringLiteral("\r\n\r\n") + failed;
    }
    m_known = bytes;
    return note;
}

} // namespace tessary
