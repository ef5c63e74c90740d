// SPDX-License-Identifier: MIT
#pragma once

#include "settings/IniStatus.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace tessary {

// An INI file held as its raw bytes, read and written with the rules of the Windows
// private-profile functions: names match without regard to case, only the first section
// of a name and the first entry of a key count, values are trimmed and lose one pair of
// outer quotes, a write replaces its line in place or adds the key after the section's
// last entry (a new section goes at the end), and every line a write does not touch keeps
// its bytes. Text is code page 932; lines are parsed after decoding, so a trail byte that
// looks like '[' or ']' is never taken for one.
class IniDocument {
public:
    IniDocument();
    static IniDocument fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // Loads the file at path into document. A missing file is no failure: document is left
    // empty and exists false. exists tells whether a normal file was found.
    static IniStatus readFile(const QString& path, IniDocument& document, bool& exists);
    // Replaces the file atomically (a temporary file beside it, then a rename): a failed
    // write leaves the old file as it was. A read-only file or folder is a failure.
    IniStatus writeFile(const QString& path) const;

    // The value of a key, whole; nothing when the section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;
    // The value, or defaultString without its trailing spaces when there is none.
    QString read(QStringView section, QStringView key, QStringView defaultString) const;
    // Names are trimmed of spaces; the value is written as given (line breaks in it become
    // spaces, so a value can never start a line of its own).
    void write(QStringView section, QStringView key, QStringView value);

private:
    enum class Kind : quint8 { Header, Entry, Other };
    // One line, or for Other a run of adjacent lines; the bytes include the line ends.
    struct Item {
        qsizetype offset = 0;   // into m_source while not owned
        qsizetype length = 0;
        QByteArray own;
        bool owned = false;
        Kind kind = Kind::Other;
    };
    struct Section {
        std::vector<Item> items;  // items[0] is the header line when there is one
        int lastEntry = -1;
        mutable bool indexed = false;
        mutable QHash<QString, int> keys;   // folded key -> first entry item
    };

    QByteArrayView bytes(const Item& item) const;
    QByteArrayView lineOf(const Item& item) const;
    QByteArrayView keySpelling(const Item& item) const;
    void indexKeys(const Section& section) const;
    void ensureLineEnd(Item& item);
    Item* lastItem();
    void appendLine(Section& section, qsizetype offset, qsizetype length, Kind kind);

    QByteArray m_source;
    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionIndex;   // folded name -> first section of that name
};

} // namespace tessary
