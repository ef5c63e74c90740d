// SPDX-License-Identifier: MIT
#pragma once

#include "check/CheckOptions.h"
#include "check/InputError.h"

#include <QString>

namespace tessary {

// Every text the checker prints, in Japanese and English, kept in this one place.
class CheckMessages {
public:
    enum class Text {
        Pass,          // the verdict word of a passing pair
        Fail,
        HardToTell,    // 見分けにくい
        Distinct,
        MeetsOnly,     // %1: the level it does meet
        Needs,         // %1: the threshold, %2: the level
        Fix,           // %1: code, %2: ratio
        NoFix,
        Summary,       // %1: failing, %2: all
        SummaryDistinct, // %1: hard to tell apart, %2: all
        NormalVision,
        Protan,
        Deutan,
        Tritan,
        LostUnder,     // %1: the visions
        Header,        // %1: file, %2: target, %3: large-text rule, %4: vision
        NoVision,
        RuleJapanese,
        RuleWcag,
        Large,
        Help,
    };

    static QString text(CheckOptions::Lang lang, Text which);
    // "file:12: message", "file: $.a.b.$value: message" or, for an option, "message".
    static QString error(CheckOptions::Lang lang, const InputError& error);
    // "AA", "AAA大" / "AAA large".
    static QString level(CheckOptions::Lang lang, Wcag::Level level, bool large);
};

} // namespace tessary
