// SPDX-License-Identifier: MIT
#include "check/CheckOptions.h"

#include <array>

namespace tessary {

namespace {

struct VisionName {
    const char* name;
    VisionKind kind;
};

constexpr std::array<VisionName, 6> kVisions = {{{"p", VisionKind::Protanopia},
                                                 {"d", VisionKind::Deuteranopia},
                                                 {"t", VisionKind::Tritanopia},
                                                 {"pa", VisionKind::Protanomaly},
                                                 {"da", VisionKind::Deuteranomaly},
                                                 {"ta", VisionKind::Tritanomaly}}};

InputError usage(InputError::Kind kind, const QString& detail) { return InputError{kind, {}, 0, {}, detail}; }

} // namespace

CheckOptions::Lang CheckOptions::langOfLocale(const QString& localeName)
{
    return localeName.startsWith(QLatin1String("ja"), Qt::CaseInsensitive) ? Lang::Ja : Lang::En;
}

std::optional<CheckOptions::PairName> CheckOptions::pairFromText(const QString& text)
{
    const qsizetype eq = text.indexOf(u'=');
    if (eq <= 0 || eq == text.size() - 1)
        return std::nullopt;
    return PairName{text.first(eq).trimmed(), text.sliced(eq + 1).trimmed()};
}

std::optional<VisionMode> CheckOptions::visionFromText(const QString& text)
{
    const qsizetype colon = text.indexOf(u':');
    const QString name = (colon < 0 ? text : text.first(colon)).toLower();
    for (const VisionName& v : kVisions) {
        if (name != QLatin1String(v.name))
            continue;
        const VisionMode plain(v.kind);
        if (colon < 0)
            return plain;
        if (!plain.isAnomalous())
            return std::nullopt;
        bool ok = false;
        const int percent = text.sliced(colon + 1).toInt(&ok);
        if (!ok || percent < 0 || percent > 100)
            return std::nullopt;
        return VisionMode(v.kind, percent);
    }
    return std::nullopt;
}

QString CheckOptions::visionText(const VisionMode& mode)
{
    for (const VisionName& v : kVisions) {
        if (v.kind == mode.kind())
            return QLatin1String(v.name)
                + (mode.isAnomalous() ? QStringLiteral(":") + QString::number(mode.strength()) : QString());
    }
    return QString();
}

CheckOptions::Lang CheckOptions::langOf(const QStringList& args, Lang lang)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--"))
            break;
        QString value;
        if (args[i] == QLatin1String("--lang") && i + 1 < args.size())
            value = args[++i];
        else if (args[i].startsWith(QLatin1String("--lang=")))
            value = args[i].sliced(7);
        else
            continue;
        if (value.compare(QLatin1String("ja"), Qt::CaseInsensitive) == 0)
            lang = Lang::Ja;
        else if (value.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
            lang = Lang::En;
    }
    return lang;
}

std::variant<CheckOptions, InputError> CheckOptions::parse(const QStringList& args, Lang defaultLang)
{
    CheckOptions o;
    o.lang = langOf(args, defaultLang);

    bool optionsEnd = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        if (optionsEnd || !arg.startsWith(QLatin1String("--")) || arg == QLatin1String("-")) {
            if (arg == QLatin1String("-") || (!optionsEnd && arg.startsWith(u'-') && arg.size() > 1))
                return usage(InputError::Kind::UnknownOption, arg);
            if (!o.input.isEmpty())
                return usage(InputError::Kind::TooManyInputs, arg);
            o.input = arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        // --name=value is the same as --name value.
        std::optional<QString> inlineValue;
        if (const qsizetype eq = arg.indexOf(u'='); eq > 0) {
            inlineValue = arg.sliced(eq + 1);
            arg = arg.first(eq);
        }
        auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        auto flag = [&](bool& field) -> std::optional<InputError> {
            if (inlineValue)
                return usage(InputError::Kind::BadValue, arg + u'=' + *inlineValue);
            field = true;
            return std::nullopt;
        };
        std::optional<InputError> error;
        if (arg == QLatin1String("--help")) {
            error = flag(o.help);
        } else if (arg == QLatin1String("--bold")) {
            error = flag(o.bold);
        } else if (arg == QLatin1String("--distinguish")) {
            error = flag(o.distinguish);
        } else if (arg == QLatin1String("--fix")) {
            error = flag(o.fix);
        } else if (arg == QLatin1String("--target") || arg == QLatin1String("--large-text-rule")
                   || arg == QLatin1String("--size") || arg == QLatin1String("--vision")
                   || arg == QLatin1String("--format") || arg == QLatin1String("--lang")
                   || arg == QLatin1String("--pair") || arg == QLatin1String("--pairs")) {
            const auto v = value();
            if (!v)
                return usage(InputError::Kind::MissingValue, arg);
            const QString bad = arg + u' ' + *v;
            const QString lower = v->toLower();
            if (arg == QLatin1String("--target")) {
                if (lower == QLatin1String("aa"))
                    o.target = Wcag::Level::AA;
                else if (lower == QLatin1String("aaa"))
                    o.target = Wcag::Level::AAA;
                else
                    return usage(InputError::Kind::BadValue, bad);
            } else if (arg == QLatin1String("--large-text-rule")) {
                if (lower == QLatin1String("jis"))
                    o.rule = LargeTextRule(LargeTextRule::Kind::Japanese);
                else if (lower == QLatin1String("wcag"))
                    o.rule = LargeTextRule(LargeTextRule::Kind::Wcag);
                else
                    return usage(InputError::Kind::BadValue, bad);
            } else if (arg == QLatin1String("--size")) {
                bool ok = false;
                const double pt = v->toDouble(&ok);
                if (!ok || !(pt > 0.0 && pt <= 1000.0))
                    return usage(InputError::Kind::BadValue, bad);
                o.points = pt;
            } else if (arg == QLatin1String("--vision")) {
                o.vision = visionFromText(*v);
                if (!o.vision)
                    return usage(InputError::Kind::BadValue, bad);
            } else if (arg == QLatin1String("--format")) {
                if (lower == QLatin1String("text"))
                    o.format = Format::Text;
                else if (lower == QLatin1String("json"))
                    o.format = Format::Json;
                else if (lower == QLatin1String("junit"))
                    o.format = Format::Junit;
                else
                    return usage(InputError::Kind::BadValue, bad);
            } else if (arg == QLatin1String("--lang")) {
                if (lower != QLatin1String("ja") && lower != QLatin1String("en"))
                    return usage(InputError::Kind::BadValue, bad);
            } else if (arg == QLatin1String("--pair")) {
                const auto pair = pairFromText(*v);
                if (!pair)
                    return usage(InputError::Kind::BadValue, bad);
                o.pairs.append(*pair);
            } else {
                o.pairsFile = *v;
            }
        } else {
            return usage(InputError::Kind::UnknownOption, args[i]);
        }
        if (error)
            return *error;
    }
    if (!o.help && o.input.isEmpty())
        return usage(InputError::Kind::NoInput, QString());
    return o;
}

} // namespace tessary
