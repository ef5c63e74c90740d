// SPDX-License-Identifier: MIT
#include "contrast/ContrastWording.h"

#include "color/colorCode.h"
#include "platform/ColorValue.h"

#include <QStringBuilder>

#include <cmath>

namespace tessary {

namespace {

// Without the slack, 21:1 computed as 20.999999999999996 would read "20.99:1".
constexpr double kTruncationSlack = 1e-9;

// The table is rebuilt on every colour change, so its texts are joined from shared pieces
// rather than formatted afresh.
const QString& levelName(Wcag::Level level, bool large)
{
    static const QString names[2][2] = {{QStringLiteral("AA"), QStringLiteral("AA大")},
                                        {QStringLiteral("AAA"), QStringLiteral("AAA大")}};
    return names[level == Wcag::Level::AAA][large];
}

const QString& failed()
{
    static const QString text = QStringLiteral("不合格");
    return text;
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
    // A ratio is 1..21; anything else (a caller's NaN) must still not overflow the cast.
    const double v = r > 0.0 && r < 1e12 ? r : 0.0;
    auto hundredths = static_cast<long long>(std::floor(v * 100.0 + kTruncationSlack));
    char16_t buf[32];
    char16_t* end = buf + 32;
    char16_t* p = end;
    *--p = u'1';
    *--p = u':';
    for (int i = 0; i < 2; ++i, hundredths /= 10)
        *--p = char16_t(u'0' + hundredths % 10);
    *--p = u'.';
    do {
        *--p = char16_t(u'0' + hundredths % 10);
        hundredths /= 10;
    } while (hundredths > 0 && p > buf);
    return QString(reinterpret_cast<const QChar*>(p), end - p);
}

QString ContrastWording::threshold(double r) { return QString::number(r) + QStringLiteral(":1"); }

QString ContrastWording::textName(int text)
{
    static const QString names[] = {QStringLiteral("文字1"), QStringLiteral("文字2"), QStringLiteral("文字3")};
    return names[text];
}

QString ContrastWording::backgroundName(int background)
{
    static const QString names[] = {QStringLiteral("背景1"), QStringLiteral("背景2")};
    return names[background];
}

QString ContrastWording::pictureName() { return QStringLiteral("背景画像"); }

QString ContrastWording::marks(const ContrastMarks& marks, bool large)
{
    const auto best = marks.best(large);
    return best ? levelName(*best, large) : failed();
}

QString ContrastWording::spokenMarks(const ContrastMarks& marks, bool large)
{
    // AA alone is said as "only", so that a listener knows AAA was missed.
    static const QString spoken[2][2] = {{QStringLiteral("AAのみ合格"), QStringLiteral("AA大のみ合格")},
                                         {QStringLiteral("AAA合格"), QStringLiteral("AAA大合格")}};
    const auto best = marks.best(large);
    return best ? spoken[*best == Wcag::Level::AAA][large] : failed();
}

QString ContrastWording::cellName(int text, int background, double r, const ContrastMarks& marks, bool large)
{
    return textName(text) % QStringLiteral(" / ") % backgroundName(background) % QStringLiteral(": ") % ratio(r)
        % QStringLiteral(", ") % spokenMarks(marks, large);
}

QString ContrastWording::pictureCellName(int text, const PictureContrast::Measure& measure,
                                         const ContrastMarks& marks, bool large)
{
    return textName(text) % QStringLiteral(" / ") % pictureName() % QStringLiteral(": 最低 ") % ratio(measure.lowest)
        % QStringLiteral(", 5パーセンタイル ") % ratio(measure.percentile5) % QStringLiteral(", ")
        % spokenMarks(marks, large) % QStringLiteral(", ") % pictureNote();
}

QString ContrastWording::pictureNote() { return QStringLiteral("画像を測定"); }

QString ContrastWording::sizeName(bool large)
{
    return large ? QStringLiteral("大きな文字") : QStringLiteral("標準の文字");
}

QString ContrastWording::ruleDescription(const LargeTextRule& rule)
{
    static const auto describe = [](LargeTextRule r) {
        return QStringLiteral("大きな文字: %1pt以上、太字は%2pt以上（%3）")
            .arg(QString::number(r.minimumPoints(false)), QString::number(r.minimumPoints(true)), ruleName(r.kind()));
    };
    static const QString japanese = describe(LargeTextRule(LargeTextRule::Kind::Japanese));
    static const QString wcag = describe(LargeTextRule(LargeTextRule::Kind::Wcag));
    return rule.kind() == LargeTextRule::Kind::Wcag ? wcag : japanese;
}

QString ContrastWording::ruleName(LargeTextRule::Kind kind)
{
    return kind == LargeTextRule::Kind::Wcag ? QStringLiteral("WCAGの基準") : QStringLiteral("日本語の基準");
}

QString ContrastWording::targetName(Wcag::Level level, bool large)
{
    static const auto name = [](Wcag::Level l, bool g) -> QString {
        return levelName(l, g) % QStringLiteral(" (") % threshold(Wcag::threshold(l, g)) % QStringLiteral(")");
    };
    static const QString names[2][2] = {{name(Wcag::Level::AA, false), name(Wcag::Level::AA, true)},
                                        {name(Wcag::Level::AAA, false), name(Wcag::Level::AAA, true)}};
    return names[level == Wcag::Level::AAA][large];
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
