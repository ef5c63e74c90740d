// SPDX-License-Identifier: MIT
#include "contrast/ContrastWording.h"

#include "color/colorCode.h"
#include "platform/ColorValue.h"

#include <QStringBuilder>
#include <QStringList>

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

// A cell that misses the target never shows a mark alone: "AA" under an AAA target would
// read as a pass.
QString ContrastWording::verdict(const ContrastMarks& marks, Wcag::Level target, bool large)
{
    static const QString passed[2][2] = {{QStringLiteral("合格（AA）"), QStringLiteral("合格（AA大）")},
                                         {QStringLiteral("合格（AAA）"), QStringLiteral("合格（AAA大）")}};
    static const QString below[2] = {QStringLiteral("不合格（AAは満たす）"), QStringLiteral("不合格（AA大は満たす）")};
    const auto best = marks.best(large);
    if (!best)
        return failed();
    if (marks.meets(target, large))
        return passed[*best == Wcag::Level::AAA][large];
    return below[large];
}

QString ContrastWording::spokenVerdict(const ContrastMarks& marks, Wcag::Level target, bool large)
{
    static const QString below[2] = {QStringLiteral("不合格, AAは満たす"), QStringLiteral("不合格, AA大は満たす")};
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
    return textName(text) % QStringLiteral(" / ") % pictureName() % QStringLiteral(": 最低 ") % ratio(measure.lowest)
        % QStringLiteral(", 5パーセンタイル ") % ratio(measure.percentile5) % QStringLiteral(", ")
        % spokenVerdict(marks, target, large) % QStringLiteral(", ") % pictureNote();
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

QString ContrastWording::distinguishability(const std::vector<Distinguishability::Pair>& pairs)
{
    static const QString visionNames[] = {QStringLiteral("通常"), QStringLiteral("1型"), QStringLiteral("2型"),
                                          QStringLiteral("3型")};
    const auto name = [](int object) { return object < 3 ? textName(object) : backgroundName(object - 3); };
    QStringList lines;
    for (const auto& p : pairs) {
        if (!p.flagged())
            continue;
        QStringList kinds;
        for (const auto v : p.lostUnder)
            kinds.append(visionNames[v]);
        lines.append(QStringLiteral("見分けにくい: %1 と %2（%3）").arg(name(p.first), name(p.second), kinds.join(u'、')));
    }
    if (lines.isEmpty())
        return QStringLiteral("見分けにくい組はありません");
    return lines.join(u'\n');
}

QString ContrastWording::distinguishabilityNote()
{
    return QStringLiteral("OKLab の色差 %1 未満を見分けにくいとします（通常の色覚と1型・2型・3型2色覚の模擬）。"
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
        ? QStringLiteral("どの色でも背景1と背景2の両方で %1 には届きません（最高 %2）。").arg(target, ratio(p.both.bestRatio))
        : QStringLiteral("この色相と彩度では両方の背景に %1 を満たす色が見つかりません。").arg(target);
    for (int j = 0; j < 2; ++j) {
        const ContrastSuggestion& s = (*p.perBackground)[size_t(j)];
        words += (j == 0 ? QString() : QStringLiteral("、")) + backgroundName(j) + QStringLiteral(" に対して ");
        if (s.outcome == ContrastSuggestion::Outcome::AlreadyPasses)
            words += QStringLiteral("今の色で合格（%1）").arg(ratio(s.ratios[size_t(j)]));
        else if (s.hasProposal())
            words += QStringLiteral("%1（%2）").arg(code(s.proposal, prefix), ratio(s.ratios[size_t(j)]));
        else
            words += QStringLiteral("提案なし");
    }
    return words;
}

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
