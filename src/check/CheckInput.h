// SPDX-License-Identifier: MIT
#pragma once

#include "check/CheckOptions.h"
#include "check/InputError.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <variant>
#include <vector>

namespace tessary {

// One text colour against one background colour, as the checker judges it.
struct CheckPair {
    QString text;
    QString background;
    std::int32_t textColor = 0; // red in the low byte
    std::int32_t backgroundColor = 0;
    double points = 12.0;
    bool bold = false;
};

// What the checker judges: for a scheme the 3 x 2 table, row by row; for token and style
// sheet files the pairs the options name, in the order given.
struct CheckInput {
    enum class Kind { SchemeIni, SchemeJson, Tokens, Css };

    Kind kind = Kind::Tokens;
    std::vector<CheckPair> pairs;
    // A scheme's five colours (three texts, two backgrounds).
    std::array<std::int32_t, 5> schemeColors{};

    bool isScheme() const { return kind == Kind::SchemeIni || kind == Kind::SchemeJson; }

    // A scheme's 3 x 2 table: each text (with its label's size) against both backgrounds.
    static CheckInput scheme(Kind kind, const std::array<std::int32_t, 5>& colors, const std::array<double, 3>& points,
                             const std::array<bool, 3>& bold);
    // Reads the input file the options name and the pairs file, if any.
    static std::variant<CheckInput, InputError> load(const CheckOptions& options);

    // The pairs file: one "TEXT=BACKGROUND [SIZE[pt]] [bold]" a line; blank lines and lines
    // starting with '#' are skipped.
    struct PairLine {
        CheckOptions::PairName names;
        std::optional<double> points;
        bool bold = false;
    };
    static std::variant<QList<PairLine>, InputError> parsePairs(QStringView text, const QString& fileName);

    // The scheme names of object 0..4: "text1" .. "background2", as our JSON keys them.
    static QString schemeName(int object);
};

} // namespace tessary
