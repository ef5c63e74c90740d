// SPDX-License-Identifier: MIT
#include "check/CheckOutput.h"

#include "check/CheckMessages.h"
#include "contrast/ContrastWording.h"
#include "exchange/ExchangeText.h"
#include "exchange/JsonWriter.h"

#include <QStringList>

namespace tessary {

namespace {

using T = CheckMessages::Text;

QString say(const CheckOptions& o, T which) { return CheckMessages::text(o.lang, which); }

QString pairName(const QString& a, const QString& b) { return a + QStringLiteral(" / ") + b; }

QString ruleName(const CheckOptions& o)
{
    return say(o, o.rule.kind() == LargeTextRule::Kind::Wcag ? T::RuleWcag : T::RuleJapanese);
}

QString visionName(const CheckOptions& o)
{
    return o.vision ? CheckOptions::visionText(*o.vision) : say(o, T::NoVision);
}

// "needs 4.5:1 (AA)", and what a failing pair does meet.
QString verdictNote(const CheckRun::Result& r, const CheckOptions& o)
{
    QString note = say(o, T::Needs).arg(ContrastWording::threshold(r.required), CheckMessages::level(o.lang, o.target, r.large));
    if (!r.pass) {
        if (const auto best = r.marks.best(r.large))
            note += QStringLiteral(", ") + say(o, T::MeetsOnly).arg(CheckMessages::level(o.lang, *best, r.large));
    }
    return note;
}

QString fixNote(const CheckRun::Result& r, const CheckOptions& o)
{
    if (!r.fixAsked)
        return QString();
    if (!r.fix)
        return say(o, T::NoFix);
    return say(o, T::Fix).arg(ExchangeText::hexCode(*r.fix), ContrastWording::ratio(r.fixRatio));
}

QString distance(double d) { return QString::number(d, 'f', 3); }

QString lostUnder(const Distinguishability::Pair& d, const CheckOptions& o)
{
    static constexpr T names[] = {T::NormalVision, T::Protan, T::Deutan, T::Tritan};
    QStringList kinds;
    for (const auto v : d.lostUnder)
        kinds.append(say(o, names[v]));
    return kinds.join(QStringLiteral(", "));
}

QString distances(const Distinguishability::Pair& d, const CheckOptions& o)
{
    static constexpr T names[] = {T::NormalVision, T::Protan, T::Deutan, T::Tritan};
    QStringList parts;
    for (int v = 0; v < Distinguishability::VisionCount; ++v)
        parts.append(say(o, names[v]) + u' ' + distance(d.distance[size_t(v)]));
    return QStringLiteral("ΔEOK ") + parts.join(QStringLiteral(", "));
}

// The ratio as printed, as a JSON number: "4.47" for 4.478.
QString ratioNumber(double ratio) { return ContrastWording::ratio(ratio).chopped(2); }

QString xml(const QString& s) { return s.toHtmlEscaped(); }

} // namespace

QByteArray CheckOutput::format(const CheckRun& run, const CheckOptions& options)
{
    switch (options.format) {
    case CheckOptions::Format::Json:
        return json(run, options);
    case CheckOptions::Format::Junit:
        return junit(run, options);
    case CheckOptions::Format::Text:
        break;
    }
    return text(run, options);
}

QByteArray CheckOutput::text(const CheckRun& run, const CheckOptions& o)
{
    QString out = say(o, T::Header).arg(o.input, CheckMessages::level(o.lang, o.target, false), ruleName(o), visionName(o));
    out += u'\n';
    for (const auto& r : run.results) {
        out += (r.pass ? say(o, T::Pass) : say(o, T::Fail)) + u'\t' + pairName(r.pair.text, r.pair.background) + u'\t'
            + ExchangeText::hexCode(r.pair.textColor) + QStringLiteral(" / ") + ExchangeText::hexCode(r.pair.backgroundColor)
            + u'\t' + ContrastWording::ratio(r.ratio) + u'\t' + verdictNote(r, o);
        if (r.large)
            out += QStringLiteral(", ") + say(o, T::Large);
        const QString fix = fixNote(r, o);
        if (!fix.isEmpty())
            out += u'\t' + fix;
        out += u'\n';
    }
    for (const auto& d : run.distinct) {
        out += (d.distances.flagged() ? say(o, T::HardToTell) : say(o, T::Distinct)) + u'\t'
            + pairName(d.first, d.second) + u'\t' + distances(d.distances, o);
        if (d.distances.flagged())
            out += u'\t' + say(o, T::LostUnder).arg(lostUnder(d.distances, o));
        out += u'\n';
    }
    out += say(o, T::Summary).arg(QString::number(run.failures()), QString::number(run.results.size())) + u'\n';
    if (!run.distinct.empty())
        out += say(o, T::SummaryDistinct).arg(QString::number(run.hardToTell()), QString::number(run.distinct.size()))
            + u'\n';
    return out.toUtf8();
}

QByteArray CheckOutput::json(const CheckRun& run, const CheckOptions& o)
{
    static const QString kTrue = QStringLiteral("true");
    static const QString kFalse = QStringLiteral("false");
    static const QString kNull = QStringLiteral("null");
    JsonWriter w;
    w.beginObject();
    w.key(QStringLiteral("input"));
    w.value(o.input);
    w.key(QStringLiteral("target"));
    w.value(CheckMessages::level(CheckOptions::Lang::En, o.target, false));
    w.key(QStringLiteral("largeTextRule"));
    w.value(o.rule.kind() == LargeTextRule::Kind::Wcag ? QStringLiteral("wcag") : QStringLiteral("jis"));
    w.key(QStringLiteral("vision"));
    if (o.vision)
        w.value(CheckOptions::visionText(*o.vision));
    else
        w.number(kNull);
    w.key(QStringLiteral("pairs"));
    w.beginArray();
    for (const auto& r : run.results) {
        w.beginObject(true);
        w.key(QStringLiteral("text"));
        w.value(r.pair.text);
        w.key(QStringLiteral("background"));
        w.value(r.pair.background);
        w.key(QStringLiteral("textColor"));
        w.value(ExchangeText::hexCode(r.pair.textColor));
        w.key(QStringLiteral("backgroundColor"));
        w.value(ExchangeText::hexCode(r.pair.backgroundColor));
        w.key(QStringLiteral("size"));
        w.number(QString::number(r.pair.points));
        w.key(QStringLiteral("bold"));
        w.number(r.pair.bold ? kTrue : kFalse);
        w.key(QStringLiteral("large"));
        w.number(r.large ? kTrue : kFalse);
        w.key(QStringLiteral("ratio"));
        w.number(ratioNumber(r.ratio));
        w.key(QStringLiteral("required"));
        w.number(QString::number(r.required));
        w.key(QStringLiteral("pass"));
        w.number(r.pass ? kTrue : kFalse);
        w.key(QStringLiteral("meets"));
        if (const auto best = r.marks.best(r.large))
            w.value(CheckMessages::level(CheckOptions::Lang::En, *best, false));
        else
            w.number(kNull);
        if (r.fixAsked) {
            w.key(QStringLiteral("fix"));
            if (r.fix) {
                w.beginObject(true);
                w.key(QStringLiteral("color"));
                w.value(ExchangeText::hexCode(*r.fix));
                w.key(QStringLiteral("ratio"));
                w.number(ratioNumber(r.fixRatio));
                w.endObject();
            } else {
                w.number(kNull);
            }
        }
        w.endObject();
    }
    w.endArray();
    if (o.distinguish) {
        static const char* const visions[] = {"normal", "p", "d", "t"};
        w.key(QStringLiteral("distinguishThreshold"));
        w.number(QString::number(Distinguishability::kThreshold));
        w.key(QStringLiteral("distinguish"));
        w.beginArray();
        for (const auto& d : run.distinct) {
            w.beginObject(true);
            w.key(QStringLiteral("first"));
            w.value(d.first);
            w.key(QStringLiteral("second"));
            w.value(d.second);
            for (int v = 0; v < Distinguishability::VisionCount; ++v) {
                w.key(QLatin1String(visions[v]));
                w.number(distance(d.distances.distance[size_t(v)]));
            }
            w.key(QStringLiteral("hardToTell"));
            w.number(d.distances.flagged() ? kTrue : kFalse);
            w.key(QStringLiteral("lostUnder"));
            w.beginArray(true);
            for (const auto v : d.distances.lostUnder)
                w.value(QLatin1String(visions[v]));
            w.endArray();
            w.endObject();
        }
        w.endArray();
    }
    w.key(QStringLiteral("failed"));
    w.value(run.failures());
    w.key(QStringLiteral("hardToTell"));
    w.value(run.hardToTell());
    w.endObject();
    return w.finish();
}

QByteArray CheckOutput::junit(const CheckRun& run, const CheckOptions& o)
{
    const int tests = int(run.results.size() + run.distinct.size());
    const int failed = run.failures() + run.hardToTell();
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out += QStringLiteral("<testsuites name=\"tessary-check\" tests=\"%1\" failures=\"%2\" errors=\"0\">\n")
               .arg(tests)
               .arg(failed);
    out += QStringLiteral("  <testsuite name=\"%1\" tests=\"%2\" failures=\"%3\" errors=\"0\" skipped=\"0\">\n")
               .arg(xml(o.input))
               .arg(tests)
               .arg(failed);
    for (const auto& r : run.results) {
        const QString name = pairName(r.pair.text, r.pair.background);
        out += QStringLiteral("    <testcase classname=\"contrast\" name=\"%1\"").arg(xml(name));
        if (r.pass) {
            out += QStringLiteral("/>\n");
            continue;
        }
        QString message = ContrastWording::ratio(r.ratio) + QStringLiteral(", ") + verdictNote(r, o);
        const QString fix = fixNote(r, o);
        if (!fix.isEmpty())
            message += QStringLiteral(", ") + fix;
        out += QStringLiteral(">\n      <failure type=\"contrast\" message=\"%1\">%2 %3 / %4</failure>\n    </testcase>\n")
                   .arg(xml(message), xml(name), ExchangeText::hexCode(r.pair.textColor),
                        ExchangeText::hexCode(r.pair.backgroundColor));
    }
    for (const auto& d : run.distinct) {
        const QString name = pairName(d.first, d.second);
        out += QStringLiteral("    <testcase classname=\"distinguish\" name=\"%1\"").arg(xml(name));
        if (!d.distances.flagged()) {
            out += QStringLiteral("/>\n");
            continue;
        }
        out += QStringLiteral(">\n      <failure type=\"distinguish\" message=\"%1\">%2</failure>\n    </testcase>\n")
                   .arg(xml(say(o, T::LostUnder).arg(lostUnder(d.distances, o))), xml(distances(d.distances, o)));
    }
    out += QStringLiteral("  </testsuite>\n</testsuites>\n");
    return out.toUtf8();
}

} // namespace tessary
