// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastMarks.h"
#include "contrast/ContrastSuggestion.h"
#include "contrast/LargeTextRule.h"
#include "contrast/PictureContrast.h"

#include <QString>

namespace tessary {

// Every text of the contrast window, shown or spoken. Marks are always words, never colour
// alone, and ratios are cut (not rounded) to two decimals so that a failing ratio can never
// read as the threshold it misses.
class ContrastWording {
public:
    // "4.47:1" for 4.478.
    static QString ratio(double ratio);
    // A threshold as people write it: "4.5:1", "7:1".
    static QString threshold(double ratio);

    static QString textName(int text);             // 0..2: "文字1".."文字3"
    static QString backgroundName(int background); // 0..1: "背景1", "背景2"
    static QString pictureName();

    // "AAA", "AA", "AAA大", "AA大" or "不合格": the highest mark for text of this size.
    static QString marks(const ContrastMarks& marks, bool large);
    // The same as a sentence: "AAA合格", "AAのみ合格", "AAA大合格", "AA大のみ合格", "不合格".
    static QString spokenMarks(const ContrastMarks& marks, bool large);

    // "文字1 / 背景1: 4.47:1, AA大のみ合格"
    static QString cellName(int text, int background, double ratio, const ContrastMarks& marks, bool large);
    // "文字1 / 背景画像: 最低 2.10:1, 5パーセンタイル 3.05:1, 不合格, 画像を測定"
    static QString pictureCellName(int text, const PictureContrast::Measure& measure, const ContrastMarks& marks,
                                   bool large);
    static QString pictureNote();

    static QString sizeName(bool large); // "大きな文字" or "標準の文字"
    // Which rule decides large text, with its sizes.
    static QString ruleDescription(const LargeTextRule& rule);
    // A short name of a rule, for a choice between them.
    static QString ruleName(LargeTextRule::Kind kind);
    // "AA (4.5:1)", "AAA大 (4.5:1)"
    static QString targetName(Wcag::Level level, bool large);

    static QString suggestButtonName(int text); // "文字1の色を提案"
    static QString applyButtonName(int text);   // "文字1に提案の色を適用"
    // What the search found, with the code behind prefix ("#" or empty).
    static QString suggestion(const ContrastSuggestion& s, const QString& prefix);
};

} // namespace tessary
