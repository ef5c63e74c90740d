// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastMarks.h"
#include "contrast/ContrastProposal.h"
#include "contrast/ContrastSuggestion.h"
#include "contrast/LargeTextRule.h"
#include "contrast/PictureContrast.h"
#include "cvd/Distinguishability.h"

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

    // Pass or fail against the target, as a cell shows it: "合格（AAA）" with the highest mark,
    // "不合格（AAは満たす）" when a lower level is met, "不合格" when none is.
    static QString verdict(const ContrastMarks& marks, Wcag::Level target, bool large);
    // The same spoken: the marks as a sentence, or "不合格, AAは満たす".
    static QString spokenVerdict(const ContrastMarks& marks, Wcag::Level target, bool large);

    // "文字1 / 背景1: 4.47:1, AA大のみ合格"; below the target "文字1 / 背景1: 5.20:1, 不合格, AAは満たす"
    static QString cellName(int text, int background, double ratio, const ContrastMarks& marks, bool large,
                            Wcag::Level target = Wcag::Level::AA);
    // "文字1 / 背景画像: 最低 2.10:1, 5パーセンタイル 3.05:1, 不合格, 画像を測定"
    static QString pictureCellName(int text, const PictureContrast::Measure& measure, const ContrastMarks& marks,
                                   bool large, Wcag::Level target = Wcag::Level::AA);
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
    // The same for 提案's whole answer: when no colour passes against both backgrounds, why,
    // then "背景1 に対して #…（4.61:1）、背景2 に対して #…（4.52:1）".
    static QString proposal(const ContrastProposal& p, const QString& prefix);
    // The pairs hard to tell apart, a line each: "見分けにくい: 文字1 と 文字2（1型、2型）"; or
    // "見分けにくい組はありません".
    static QString distinguishability(const std::vector<Distinguishability::Pair>& pairs);
    // What the section says it measures, with the threshold.
    static QString distinguishabilityNote();
    // The code of a colour with the prefix: "#12AB9F".
    static QString code(std::int32_t color, const QString& prefix);
};

} // namespace tessary
