// SPDX-License-Identifier: MIT
#include "language/UiLanguage.h"

namespace tessary {

std::optional<UiLanguage::Kind> UiLanguage::fromCode(const QString& code)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("ja"))
        return Japanese;
    if (c == QLatin1String("en"))
        return English;
    return std::nullopt;
}

QString UiLanguage::code(Kind kind)
{
    return kind == English ? QStringLiteral("en") : QStringLiteral("ja");
}

QString UiLanguage::catalogueName(Kind kind)
{
    return kind == English ? QStringLiteral("tessary_en") : QString();
}

QString UiLanguage::qtCatalogueName(Kind kind)
{
    return QStringLiteral("qtbase_") + code(kind);
}

QString UiLanguage::helpPage(Kind kind)
{
    return kind == English ? QStringLiteral("index-en.htm") : QStringLiteral("index.htm");
}

std::optional<UiLanguage::Kind> UiLanguage::fromArguments(const QStringList& arguments)
{
    std::optional<Kind> found;
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        std::optional<Kind> k;
        if (a == option && i + 1 < arguments.size())
            k = fromCode(arguments[++i]);
        else if (a.startsWith(option + QLatin1Char('=')))
            k = fromCode(a.mid(option.size() + 1));
        if (k)
            found = k;
    }
    return found;
}

} // namespace tessary
