// SPDX-License-Identifier: MIT
#include "exchange/GplImport.h"

#include "color/colorCode.h"
#include "exchange/FirstInvalidUtf8.h"
#include "palette/DefinedColor.h"
#include "platform/Cp932Codec.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <optional>
#include <QCoreApplication>

namespace tessary {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Control bytes other than tab, LF and CR mean the file is no text.
bool hasControlBytes(QByteArrayView bytes)
{
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            return true;
    }
    return false;
}

// 1-based number of the line holding the byte at offset.
int lineAt(QByteArrayView bytes, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

// The lines of a text, split at LF, CR LF and lone CR.
class Lines {
public:
    explicit Lines(const QString& text)
        : m_text(text)
    {
    }

    bool next(QStringView& line)
    {
        const qsizetype size = m_text.size();
        if (m_pos >= size)
            return false;
        qsizetype end = m_pos;
        while (end < size && m_text[end] != u'\n' && m_text[end] != u'\r')
            ++end;
        line = QStringView(m_text).sliced(m_pos, end - m_pos);
        m_pos = end;
        if (m_pos < size)
            m_pos += (m_text[m_pos] == u'\r' && m_pos + 1 < size && m_text[m_pos + 1] == u'\n') ? 2 : 1;
        ++m_number;
        return true;
    }
    int number() const { return m_number; }

private:
    const QString& m_text;
    qsizetype m_pos = 0;
    int m_number = 0;
};

struct Entry {
    std::array<int, 3> rgb{};
    QString name;
};

// A colour line: three whole numbers 0..255 separated by blanks, then the name.
std::optional<Entry> parseEntry(QStringView line)
{
    Entry e;
    qsizetype i = 0;
    for (int k = 0; k < 3; ++k) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const qsizetype start = i;
        int value = 0;
        while (i < line.size() && line[i] >= u'0' && line[i] <= u'9') {
            value = std::min(value * 10 + (line[i].unicode() - u'0'), 256);
            ++i;
        }
        if (i == start || value > 255)
            return std::nullopt;
        if (i < line.size() && !isBlank(line[i]))
            return std::nullopt;
        e.rgb[size_t(k)] = value;
    }
    e.name = line.sliced(i).trimmed().toString();
    return e;
}

QString tooLarge()
{
    return QCoreApplication::translate("GplImport", "ファイルが大きすぎます（%1 MB まで）。").arg(GplImport::kMaxFileBytes / (1024 * 1024));
}

QString tooLong(int line) { return QCoreApplication::translate("GplImport", "%1 行目: 名前が長すぎます。").arg(line); }

} // namespace

GplImport GplImport::failure(const QString& fileName, const QString& reason)
{
    GplImport r;
    r.m_error = QCoreApplication::translate("GplImport", "GIMP パレットの読み込みエラー\r\n") + fileName + QStringLiteral("\r\n") + reason;
    return r;
}

GplImport GplImport::read(QByteArrayView bytes, const QString& fileName)
{
    if (bytes.size() > kMaxFileBytes)
        return failure(fileName, tooLarge());
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (hasControlBytes(bytes))
        return failure(fileName, QCoreApplication::translate("GplImport", "テキストファイルではありません。"));
    const qsizetype badByte = firstInvalidUtf8(bytes);
    if (badByte >= 0) {
        return failure(fileName,
                       QCoreApplication::translate("GplImport", "%1 行目に UTF-8 でない文字があります。").arg(lineAt(bytes, badByte)));
    }

    const QString text = QString::fromUtf8(bytes);
    Lines lines(text);
    QStringView line;
    if (!lines.next(line) || !line.startsWith(QLatin1String("GIMP Palette")))
        return failure(fileName, QCoreApplication::translate("GplImport", "GIMP パレットではありません（1 行目が「GIMP Palette」ではありません）。"));

    auto palette = std::make_shared<DefinedColor>();
    QString name = QFileInfo(fileName).completeBaseName();
    QString comment;
    QList<PaletteStatus> refusals;
    QStringList duplicateNames;
    const colorCode codes;
    bool inColors = false;
    int colors = 0;
    while (lines.next(line)) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(u'#')) {
            const QStringView note = trimmed.sliced(1).trimmed();
            if (!inColors && !note.isEmpty() && comment.size() < kMaxCommentChars) {
                if (!comment.isEmpty())
                    comment += u' ';
                comment += note;
                if (comment.size() > kMaxCommentChars)
                    comment.truncate(comment.at(kMaxCommentChars - 1).isHighSurrogate() ? kMaxCommentChars - 1
                                                                                        : kMaxCommentChars);
            }
            continue;
        }
        if (!inColors && trimmed.startsWith(QLatin1String("Name:"))) {
            const QStringView named = trimmed.sliced(5).trimmed();
            if (named.size() > kMaxNameChars)
                return failure(fileName, tooLong(lines.number()));
            if (!named.isEmpty())
                name = named.toString();
            continue;
        }
        if (!inColors && trimmed.startsWith(QLatin1String("Columns:")))
            continue;

        const std::optional<Entry> entry = parseEntry(line);
        if (!entry) {
            return failure(fileName, QCoreApplication::translate("GplImport", "%1 行目: 色の値が正しくありません（0 から 255 までの整数 3 つ）。")
                                         .arg(lines.number()));
        }
        if (entry->name.size() > kMaxNameChars)
            return failure(fileName, tooLong(lines.number()));
        if (++colors > kMaxColors)
            return failure(fileName, QCoreApplication::translate("GplImport", "色が多すぎます（%1 色まで）。").arg(kMaxColors));
        inColors = true;
        const QString code = codes.getHexRGB(entry->rgb[0], entry->rgb[2], entry->rgb[1]);
        const PaletteStatus added = palette->addColor(code, entry->name, QString());
        if (!added.isOk()) {
            refusals.append(added);
            if (added.code() == PaletteStatus::DuplicateName)
                duplicateNames.append(entry->name.isEmpty() ? code : entry->name);
        }
    }

    palette->setPaletteName(name);
    // A cut can leave the space that joined two lines at the end.
    palette->setPaletteComment(comment.trimmed());
    GplImport r;
    const auto losesCharacters = [](const QString& text) { return Cp932Codec::roundTrip(text) != text; };
    r.m_textsLosingCharacters =
        int(losesCharacters(palette->paletteName())) + int(losesCharacters(palette->paletteComment()));
    for (const auto& m : palette->colorCollection)
        r.m_textsLosingCharacters += int(losesCharacters(m->colorName()));
    r.m_palette = std::move(palette);
    r.m_refusals = std::move(refusals);
    r.m_duplicateNames = std::move(duplicateNames);
    return r;
}

GplImport GplImport::read(QIODevice& device, const QString& fileName)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        return failure(fileName, QCoreApplication::translate("GplImport", "ファイルを開けません。"));
    if (!device.isSequential() && device.size() - device.pos() > kMaxFileBytes)
        return failure(fileName, tooLarge());
    const QByteArray bytes = device.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return failure(fileName, tooLarge());
    return read(QByteArrayView(bytes), fileName);
}

GplImport GplImport::read(const QString& fileName)
{
    QFile file(fileName);
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists() || info.isDir())
        return failure(fileName, QCoreApplication::translate("GplImport", "ファイルを開けません。"));
    // A pipe or a device would keep the reader waiting for bytes that may never come.
    if (!info.isFile())
        return failure(fileName, QCoreApplication::translate("GplImport", "通常のファイルではありません。"));
    if (!file.open(QIODevice::ReadOnly))
        return failure(fileName, QCoreApplication::translate("GplImport", "ファイルを開けません。"));
    return read(file, fileName);
}

} // namespace tessary
