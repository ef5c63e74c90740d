// SPDX-License-Identifier: MIT
#include "contrast/ContrastWording.h"

#include "color/colorCode.h"
#include "platform/ColorValue.h"

#include <QStringBuilder>
#include <QStringList>

#include <cmath>
#include <QCoreApplication>

namespace tessary {

namespace {

// Without the slack, 21:1 computed as 20.999999999999996 would read "20.99:1".
constexpr double kTruncationSlack = 1e-9;

// The table is rebuilt on every colour change, so its texts are joined from shared pieces
// rather than formatted afresh.
QString levelName(Wcag::Level level, bool large)
{
    const QString names[2][2] = {{QStringLiteral("AA"), QCoreApplication::translate("ContrastWording", "AA大")},
                                        {QStringLiteral("AAA"), QCoreApplication::translate("ContrastWording", "AAA大")}};
    return names[level == Wcag::Level::AAA][large];
}

QString failed()
{
    return QCoreApplication::translate("ContrastWording", "不合格");
}

QString signedNumber(double v)
{
    const QString s = QString::number(std::abs(v), 'f', 3);
    return (v < 0.0 && s != QStringLiteral("0.000") ? QStringLiteral("-") : QStringLiteral("+")) + s;
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
    const QString names[] = {QCoreApplication::translate("ContrastWording", "文字1"), QCoreApplication::translate("ContrastWording", "文字2"), QCoreApplication::translate("ContrastWording", "文字3")};
    return names[text];
}

QString ContrastWording::backgroundName(int background)
{
    const QString names[] = {QCoreApplication::translate("ContrastWording", "背景1"), QCoreApplication::translate("ContrastWording", "背景2")};
    return names[background];
}

QString ContrastWording::pictureName() { return QCoreApplication::translate("ContrastWording", "背景画像"); }

QString ContrastWording::marks(const ContrastMarks& marks, bool large)
{
    const auto best = marks.best(large);
    return best ? levelName(*best, large) : failed();
}

QString ContrastWording::spokenMarks(const ContrastMarks& marks, bool large)
{
    // AA alone is said as "only", so that a listener knows AAA was missed.
    const QString spoken[2][2] = {{QCoreApplication::translate("ContrastWording", "AAのみ合格"), QCoreApplication::translate("ContrastWording", "AA大のみ合格")},
                                         {QCoreApplication::translate("ContrastWording", "AAA合格"), QCoreApplication::translate("ContrastWording", "AAA大合格")}};
    const auto best = marks.best(large);
    return best ? spoken[*best == Wcag::Level::AAA][large] : failed();
}

// A cell that misses the target never shows a mark alone: "AA" under an AAA target would
// read as a pass.
QString ContrastWording::verdict(const ContrastMarks& marks, Wcag::Level target, bool large)
{
    const QString passed[2][2] = {{QCoreApplication::translate("ContrastWording", "合格（AA）"), QCoreApplication::translate("ContrastWording", "合格（AA大）")},
                                         {QCoreApplication::translate("ContrastWording", "合格（AAA）"), QCoreApplication::translate("ContrastWording", "合格（AAA大）")}};
    const QString below[2] = {QCoreApplication::translate("ContrastWording", "不合格（AAは満たす）"), QCoreApplication::translate("ContrastWording", "不合格（AA大は満たす）")};
    const auto best = marks.best(large);
    if (!best)
        return failed();
    if (marks.meets(target, large))
        return passed[*best == Wcag::Level::AAA][large];
    return below[large];
}

QString ContrastWording::spokenVerdict(const ContrastMarks& marks, Wcag::Level target, bool large)
{
    const QString below[2] = {QCoreApplication::translate("ContrastWording", "不合格, AAは満たす"), QCoreApplication::translate("ContrastWording", "不合格, AA大は満たす")};
    const auto best = marks.best(large);
    if (best && !marks.meets(target, large))
        return below[large];
    return spokenMarks(marks, large);
}

QString ContrastWording::cellName(int text, int background, double r, const ContrastMarks& marks, bool large,
                                  Wcag::Level target)
{
    return textName(text) % QStringLiteral(" / ") % backgroundName(background) % QStringLiteral(": ") % ratio(r)
        % QStringLiteral(", ") % spokenVerdict(marks, target, large);
}

QString ContrastWording::pictureCellName(int text, const PictureContrast::Measure& measure,
                                         const ContrastMarks& marks, bool large, Wcag::Level target)
{
    return textName(text) % QStringLiteral(" / ") % pictureName() % QCoreApplication::translate("ContrastWording", ": 最低 ") % ratio(measure.lowest)
        % QCoreApplication::translate("ContrastWording", ", 5パーセンタイル ") % ratio(measure.percentile5) % QStringLiteral(", ")
        % spokenVerdict(marks, target, large) % QStringLiteral(", ") % pictureNote();
}

QString ContrastWording::pictureNote() { return QCoreApplication::translate("ContrastWording", "画像を測定"); }

QString ContrastWording::sizeName(bool large)
{
    return large ? QCoreApplication::translate("ContrastWording", "大きな文字") : QCoreApplication::translate("ContrastWording", "標準の文字");
}

QString ContrastWording::ruleDescription(const LargeTextRule& rule)
{
    static const auto describe = [](LargeTextRule r) {
        return QCoreApplication::translate("ContrastWording", "大きな文字: %1pt以上、太字は%2pt以上（%3）")
            .arg(QString::number(r.minimumPoints(false)), QString::number(r.minimumPoints(true)), ruleName(r.kind()));
    };
    const QString japanese = describe(LargeTextRule(LargeTextRule::Kind::Japanese));
    const QString wcag = describe(LargeTextRule(LargeTextRule::Kind::Wcag));
    return rule.kind() == LargeTextRule::Kind::Wcag ? wcag : japanese;
}

QString ContrastWording::ruleName(LargeTextRule::Kind kind)
{
    return kind == LargeTextRule::Kind::Wcag ? QCoreApplication::translate("ContrastWording", "WCAGの基準") : QCoreApplication::translate("ContrastWording", "日本語の基準");
}

QString ContrastWording::targetName(Wcag::Level level, bool large)
{
    static const auto name = [](Wcag::Level l, bool g) -> QString {
        return levelName(l, g) % QStringLiteral(" (") % threshold(Wcag::threshold(l, g)) % QStringLiteral(")");
    };
    const QString names[2][2] = {{name(Wcag::Level::AA, false), name(Wcag::Level::AA, true)},
                                        {name(Wcag::Level::AAA, false), name(Wcag::Level::AAA, true)}};
    return names[level == Wcag::Level::AAA][large];
}

QString ContrastWording::suggestButtonName(int text) { return QCoreApplication::translate("ContrastWording", "%1の色を提案").arg(textName(text)); }

QString ContrastWording::applyButtonName(int text) { return QCoreApplication::translate("ContrastWording", "%1に提案の色を適用").arg(textName(text)); }

QString ContrastWording::distinguishability(const std::vector<Distinguishability::Pair>& pairs)
{
    const QString visionNames[] = {QCoreApplication::translate("ContrastWording", "通常"), QCoreApplication::translate("ContrastWording", "1型"), QCoreApplication::translate("ContrastWording", "2型"),
                                          QCoreApplication::translate("ContrastWording", "3型")};
    const auto name = [](int object) { return object < 3 ? textName(object) : backgroundName(object - 3); };
    QStringList lines;
    for (const auto& p : pairs) {
        if (!p.flagged())
            continue;
        QStringList kinds;
        for (const auto v : p.lostUnder)
            kinds.append(visionNames[v]);
        lines.append(QCoreApplication::translate("ContrastWording", "見分けにくい: %1 と %2（%3）").arg(name(p.first), name(p.second), kinds.join(QCoreApplication::translate("ContrastWording", "、"))));
    }
    if (lines.isEmpty())
        return QCoreApplication::translate("ContrastWording", "見分けにくい組はありません");
    return lines.join(u'\n');
}

QString ContrastWording::distinguishabilityNote()
{
    return QCoreApplication::translate("ContrastWording", "OKLab の色差 %1 未満を見分けにくいとします（通常の色覚と1型・2型・3型2色覚の模擬）。"
                          "WCAG の達成基準ではありません。")
        .arg(QString::number(Distinguishability::kThreshold));
}

QString ContrastWording::code(std::int32_t c, const QString& prefix)
{
    return prefix + colorCode().getHexRGB(ColorValue::red(c), ColorValue::blue(c), ColorValue::green(c));
}

QString ContrastWording::proposal(const ContrastProposal& p, const QString& prefix)
{
    if (!p.perBackground)
        return suggestion(p.both, prefix);
    const QString target = threshold(p.both.target);
    QString words = p.both.outcome == ContrastSuggestion::Outcome::Impossible
        ? QCoreApplication::translate("ContrastWording", "どの色でも背景1と背景2の両方で %1 には届きません（最高 %2）。").arg(target, ratio(p.both.bestRatio))
        : QCoreApplication::translate("ContrastWording", "この色相と彩度では両方の背景に %1 を満たす色が見つかりません。").arg(target);
    for (int j = 0; j < 2; ++j) {
        const ContrastSuggestion& s = (*p.perBackground)[size_t(j)];
        words += (j == 0 ? QString() : QCoreApplication::translate("ContrastWording", "、")) + backgroundName(j) + QCoreApplication::translate("ContrastWording", " に対して ");
        if (s.outcome == ContrastSuggestion::Outcome::AlreadyPasses)
            words += QCoreApplication::translate("ContrastWording", "今の色で合格（%1）").arg(ratio(s.ratios[size_t(j)]));
        else if (s.hasProposal())
            words += QCoreApplication::translate("ContrastWording", "%1（%2）").arg(code(s.proposal, prefix), ratio(s.ratios[size_t(j)]));
        else
            words += QCoreApplication::translate("ContrastWording", "提案なし");
    }
    return words;
}

QString ContrastWording::suggestion(const ContrastSuggestion& s, const QString& prefix)
{
    const QString ratios = QCoreApplication::translate("ContrastWording", "%1 %2、%3 %4")
                               .arg(backgroundName(0), ratio(s.ratios[0]), backgroundName(1), ratio(s.ratios[1]));
    const QString target = threshold(s.target);
    switch (s.outcome) {
    case ContrastSuggestion::Outcome::AlreadyPasses:
        return QCoreApplication::translate("ContrastWording", "今の色 %1 で両方の背景に %2 を満たしています（%3）")
            .arg(code(s.original, prefix), target, ratios);
    case ContrastSuggestion::Outcome::Proposed:
        return QCoreApplication::translate("ContrastWording", "提案 %1（%2、ΔL %3）").arg(code(s.proposal, prefix), ratios, signedNumber(s.deltaL));
    case ContrastSuggestion::Outcome::Impossible:
        return QCoreApplication::translate("ContrastWording", "どの色でも背景1と背景2の両方で %1 には届きません（最高 %2）。提案はありません。")
            .arg(target, ratio(s.bestRatio));
    case ContrastSuggestion::Outcome::NoneAtThisHue:
        return QCoreApplication::translate("ContrastWording", "この色相と彩度では、保存できる色で両方の背景に %1 を満たす色が見つかりません。"
                              "提案はありません。")
            .arg(target);
    }
    return {};
}

} // namespace tessary
