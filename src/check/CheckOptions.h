// SPDX-License-Identifier: MIT
#pragma once

#include "check/InputError.h"
#include "contrast/LargeTextRule.h"
#include "contrast/Wcag.h"
#include "cvd/VisionMode.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace tessary {

// The checker's command line.
struct CheckOptions {
    enum class Format { Text, Json, Junit };
    enum class Lang { Ja, En };

    struct PairName {
        QString text;
        QString background;
    };

    QString input;
    Wcag::Level target = Wcag::Level::AA;
    LargeTextRule rule;
    std::optional<double> points; // --size
    bool bold = false;
    std::optional<VisionMode> vision;
    bool distinguish = false;
    bool fix = false;
    Format format = Format::Text;
    Lang lang = Lang::En;
    QList<PairName> pairs;
    QString pairsFile;
    bool help = false;

    // Japanese where the locale's name starts with "ja", English otherwise.
    static Lang langOfLocale(const QString& localeName);
    // The language --lang asks for, found before anything else is read, so that an error in
    // the other options can be worded in it.
    static Lang langOf(const QStringList& args, Lang defaultLang);
    // args without the program's name. A usage error names the option.
    static std::variant<CheckOptions, InputError> parse(const QStringList& args, Lang defaultLang);
    // "TEXT=BACKGROUND"; nothing when either side is empty.
    static std::optional<PairName> pairFromText(const QString& text);
    // "p", "d", "t", "pa", "da", "ta", the last three optionally with ":PERCENT" (0..100).
    static std::optional<VisionMode> visionFromText(const QString& text);
    // The option's text again, for reports: "d", "pa:60".
    static QString visionText(const VisionMode& mode);
};

} // namespace tessary
