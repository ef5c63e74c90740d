// SPDX-License-Identifier: MIT
#include "exchange/ExchangeFileType.h"

#include <QCoreApplication>
#include <QStringList>

namespace tessary {

namespace {

struct FileType {
    ExchangeFormat format;
    const char* description;
    const char16_t* patterns; // the first one names the suffix of new files
};

// In the order of ExchangeFileType::kFormats. The design-token entry also matches plain
// ".json" names, so choosing it in the dialog and typing "colours.json" gives tokens.
constexpr FileType kTypes[] = {
    {ExchangeFormat::Css, QT_TRANSLATE_NOOP("ExchangeFileType", "CSS カスタムプロパティ (*.css)"), u"*.css"},
    {ExchangeFormat::Json, QT_TRANSLATE_NOOP("ExchangeFileType", "JSON (*.json)"), u"*.json"},
    {ExchangeFormat::DesignTokens, QT_TRANSLATE_NOOP("ExchangeFileType", "デザイントークン JSON (*.tokens.json;*.json)"), u"*.tokens.json;*.json"},
    {ExchangeFormat::Gpl, QT_TRANSLATE_NOOP("ExchangeFileType", "GIMP パレット (*.gpl)"), u"*.gpl"},
    {ExchangeFormat::Ase, QT_TRANSLATE_NOOP("ExchangeFileType", "Adobe スウォッチ交換ファイル (*.ase)"), u"*.ase"},
};

const FileType& typeOf(ExchangeFormat format)
{
    for (const FileType& t : kTypes) {
        if (t.format == format)
            return t;
    }
    return kTypes[0];
}

QStringList suffixesOf(const FileType& t)
{
    QStringList out;
    for (const QString& p : QString::fromUtf16(t.patterns).split(u';'))
        out << p.mid(1); // ".css"
    return out;
}

bool endsWithAny(const QString& fileName, const QStringList& suffixes)
{
    for (const QString& s : suffixes) {
        if (fileName.size() > s.size() && fileName.endsWith(s, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

QString ExchangeFileType::saveFilter()
{
    QStringList parts;
    for (const FileType& t : kTypes)
        parts << QCoreApplication::translate("ExchangeFileType", t.description) << QString::fromUtf16(t.patterns);
    return parts.join(u'|');
}

QString ExchangeFileType::gplOpenFilter()
{
    const FileType& t = typeOf(ExchangeFormat::Gpl);
    return QCoreApplication::translate("ExchangeFileType", t.description) + u'|' + QString::fromUtf16(t.patterns);
}

QString ExchangeFileType::suffix(ExchangeFormat format) { return suffixesOf(typeOf(format)).first().mid(1); }

std::optional<ExchangeFormat> ExchangeFileType::fromFileName(const QString& fileName)
{
    // Longest suffixes first: ".tokens.json" before ".json".
    static const ExchangeFormat order[] = {ExchangeFormat::DesignTokens, ExchangeFormat::Css, ExchangeFormat::Json,
                                           ExchangeFormat::Gpl, ExchangeFormat::Ase};
    for (ExchangeFormat f : order) {
        if (endsWithAny(fileName, {u'.' + suffix(f)}))
            return f;
    }
    return std::nullopt;
}

std::optional<ExchangeFormat> ExchangeFileType::fromFilterIndex(int filterIndex)
{
    if (filterIndex < 1 || filterIndex > int(kFormats.size()))
        return std::nullopt;
    return kFormats[size_t(filterIndex - 1)];
}

std::optional<ExchangeFileType::Target> ExchangeFileType::saveTarget(const QString& fileName, int filterIndex)
{
    if (fileName.isEmpty())
        return std::nullopt;
    const std::optional<ExchangeFormat> chosen = fromFilterIndex(filterIndex);
    if (!chosen) {
        const std::optional<ExchangeFormat> named = fromFileName(fileName);
        if (!named)
            return std::nullopt;
        return Target{*named, fileName};
    }
    // A name typed with an offered type's suffix means that type, whatever the list shows;
    // the design-token entry also takes a plain ".json" name as its own.
    if (const std::optional<ExchangeFormat> named = fromFileName(fileName)) {
        if (*chosen == ExchangeFormat::DesignTokens && *named == ExchangeFormat::Json)
            return Target{*chosen, fileName};
        return Target{*named, fileName};
    }
    return Target{*chosen, fileName + u'.' + suffix(*chosen)};
}

} // namespace tessary
