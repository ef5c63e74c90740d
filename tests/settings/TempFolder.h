// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace tessary::test {

// A fresh folder for files a test writes and reads back byte for byte.
class TempFolder {
public:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path(name);
    }

    static QByteArray read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir m_dir;
};

// Reference files kept with the tests.
inline QByteArray testData(const QString& name)
{
    return TempFolder::read(QStringLiteral(TESSARY_SETTINGS_DATA_DIR "/") + name);
}

// "¶" in a readable test literal stands for CR LF.
inline QByteArray crlf(const char* text)
{
    return QByteArray(text).replace("\xC2\xB6", "\r\n");
}

} // namespace tessary::test
