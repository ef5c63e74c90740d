// SPDX-License-Identifier: MIT
#include "contrast/ContrastWording.h"

#include "color/colorCode.h"
#include "platform/ColorValue.h"

#include <cmath>

namespace tessary {

namespace {

// Without the slack, 21:1 computed as 20.999999999999996 would read "20.99:1".
constexpr double kTruncationSlack = 1e-9;

QString levelName(Wcag::Level level, bool large)
{
    QString s = level == Wcag::Level::AAA ? QStringLiteral("AAA") : QStringLiteral("AA");
    if (large)
        s += QStringLiteral("大");
    return s;
}

QString signedNumber(double v)
{
    const QString s = QString::number(std::abs(v), 'f', 3);
    return (v < 0.0 && s != QStringLiteral("0.000") ? QStringLiteral("-") : QStringLiteral("+")) + s;
}

QString code(std::int32_t c, const QString& prefix)
{
    return prefix + colorCode().getHexRGB(ColorValue::red(c), ColorValue::blue(c), ColorValue::green(c));
}

} // namespace

QString ContrastWording::ratio(double r)
{
    const auto hundredths = static_cast<long long>(std::floor(r * 100.0 + kTruncationSlack));
    return QStringLiteral("%1.%2:1").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString ContrastWording::threshold(double r) { return QString::number(r) + QStringLiteral(":1"); }

QString ContrastWording::textName(int text) { return QStringLiteral("文字%1").arg(text + 1); }

QString ContrastWording::backgroundName(int background) { return QStringLiteral("背景%1").arg(background + 1); }

QString ContrastWording::pictureName() { return QStringLiteral("背景画像"); }

QString ContrastWording::marks(const ContrastMarks& marks, bool large)
{
    const auto best = marks.best(large);
    return best ? levelName(*best, large) : QStringLiteral("不合格");
}

QString ContrastWording::spokenMarks(const ContrastMarks& marks, bool large)
{
    const auto best = marks.best(large);
    if (!best)
        return QStringLiteral("不合格");
    // AA alone is said as "only", so that a listener knows AAA was missed.
    return levelName(*best, large) + (*best == Wcag::Level::AA ? QStringLiteral("のみ合格") : QStringLiteral("合格"));
}

QString ContrastWording::cellName(int text, int background, double r, const ContrastMarks& marks, bool large)
{
    return QStringLiteral("%1 / %2: %3, %4")
        .arg(textName(text), backgroundName(background), ratio(r), spokenMarks(marks, large));
}

QString ContrastWording::pictureCellName(int text, const PictureContrast::Measure& measure,
                                         const ContrastMarks& marks, bool large)
{
    return QStringLiteral("%1 / %2: 最低 %3, 5パーセンタイル %4, %5, %6")
        .arg(textName(text), pictureName(), ratio(measure.lowest), ratio(measure.percentile5),
             spokenMarks(marks, large), pictureNote());
}

QString ContrastWording::pictureNote() { return QStringLiteral("画像を測定"); }

QString ContrastWording::sizeName(bool large)
{
    return large ? QStringLiteral("大きな文字") : QStringLiteral("標準の文字");
}

QString ContrastWording::ruleDescription(const LargeTextRule& rule)
{
    return QStringLiteral("大きな文字: %1pt以上、太字は%2pt以上（%3）")
        .arg(QString::number(rule.minimumPoints(false)), QString::number(rule.minimumPoints(true)),
             ruleName(rule.kind()));
}

QString ContrastWording::ruleName(LargeTextRule::Kind kind)
{
    return kind == LargeTextRule::Kind::Wcag ? QStringLiteral("WCAGの基準") : QStringLiteral("日本語の基準");
}

QString ContrastWording::targetName(Wcag::Level level, bool large)
{
    return QStringLiteral("%1 (%2)").arg(levelName(level, large), threshold(Wcag::threshold(level, large)));
}

QString ContrastWording::suggestButtonName(int text) { return textName(text) + QStringLiteral("の色を提案"); }

QString ContrastWording::applyButtonName(int text) { return textName(text) + QStringLiteral("に提案の色を適用"); }

QString ContrastWording::suggestion(const ContrastSuggestion& s, const QString& prefix)
{
    const QString ratios = QStringLiteral("%1 %2、%3 %4")
                               .arg(backgroundName(0), ratio(s.ratios[0]), backgroundName(1), ratio(s.ratios[1]));
    const QString target = threshold(s.target);
    switch (s.outcome) {
    case ContrastSuggestion::Outcome::AlreadyPasses:
        return QStringLiteral("今の色 %1 で両方の背景に %2 を満たしています（%3）")
            .arg(code(s.original, prefix), target, ratios);
    case ContrastSuggestion::Outcome::Proposed:
        return QStringLiteral("提案 %1（%2、ΔL %3）").arg(code(s.proposal, prefix), ratios, signedNumber(s.deltaL));
    case ContrastSuggestion::Outcome::Impossible:
        return QStringLiteral("どの色でも背景1と背景2の両方で %1 には届きません（最高 %2）。提案はありません。")
            .arg(target, ratio(s.bestRatio));
    case ContrastSuggestion::Outcome::NoneAtThisHue:
        return QStringLiteral("この色相と彩度では、保存できる色で両方の背景に %1 を満たす色が見つかりません。"
                              "提案はありません。")
            .arg(target);
    }
    return {};
}

} // namespace tessary
