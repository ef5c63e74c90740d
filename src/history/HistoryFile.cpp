// SPDX-License-Identifier: MIT
#include "history/HistoryFile.h"

#include "exchange/FirstInvalidUtf8.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>

namespace tessary {

namespace {

const QString kFormat = QStringLiteral("tessary-history");

QString hexColor(std::int32_t c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QJsonObject stateObject(const SchemeState& s)
{
    QJsonArray colors;
    for (const std::int32_t c : s.colors)
        colors.append(hexColor(c));
    QJsonArray labels;
    for (const SchemeLabel& l : s.labels) {
        const QJsonObject font{{QStringLiteral("name"), l.font.name},
                               {QStringLiteral("size"), l.font.size},
                               {QStringLiteral("bold"), l.font.bold},
                               {QStringLiteral("italic"), l.font.italic},
                               {QStringLiteral("underline"), l.font.underline},
                               {QStringLiteral("strikethrough"), l.font.strikethrough}};
        labels.append(QJsonObject{{QStringLiteral("text"), l.text}, {QStringLiteral("font"), font}});
    }
    const QJsonObject style{{QStringLiteral("style"), s.style.style},
                            {QStringLiteral("outsideWidth"), s.style.outsideWidth},
                            {QStringLiteral("divideNum"), s.style.divideNum},
                            {QStringLiteral("latticeLineWidth"), s.style.latticeLineWidth},
                            {QStringLiteral("latticeDivideNum"), s.style.latticeDivideNum}};
    return {{QStringLiteral("colors"), colors},
            {QStringLiteral("selected"), s.selectedObject},
            {QStringLiteral("labels"), labels},
            {QStringLiteral("style"), style},
            {QStringLiteral("pictureShown"), s.pictureShown},
            {QStringLiteral("pictureFile"), s.pictureFile}};
}

// Reads values and remembers the path of the first one that is missing or wrong.
class Reader {
public:
    QString where;

    bool fail(const QString& path)
    {
        if (where.isEmpty())
            where = path;
        return false;
    }

    std::optional<QJsonValue> member(const QJsonObject& o, const QString& path, const char* key)
    {
        const auto it = o.constFind(QLatin1String(key));
        if (it == o.constEnd()) {
            fail(path + u'.' + QLatin1String(key));
            return std::nullopt;
        }
        return *it;
    }

    bool integer(const QJsonObject& o, const QString& path, const char* key, std::int32_t& out, std::int64_t lo,
                 std::int64_t hi)
    {
        const auto v = member(o, path, key);
        if (!v)
            return false;
        const double d = v->toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v->isDouble() || !std::isfinite(d) || d != std::floor(d) || d < double(lo) || d > double(hi))
            return fail(path + u'.' + QLatin1String(key));
        out = static_cast<std::int32_t>(d);
        return true;
    }

    bool flag(const QJsonObject& o, const QString& path, const char* key, bool& out)
    {
        const auto v = member(o, path, key);
        if (!v)
            return false;
        if (!v->isBool())
            return fail(path + u'.' + QLatin1String(key));
        out = v->toBool();
        return true;
    }

    bool text(const QJsonObject& o, const QString& path, const char* key, QString& out)
    {
        const auto v = member(o, path, key);
        if (!v)
            return false;
        if (!v->isString() || v->toString().size() > HistoryFile::kMaxText || !v->toString().isValidUtf16())
            return fail(path + u'.' + QLatin1String(key));
        out = v->toString();
        return true;
    }

    bool array(const QJsonObject& o, const QString& path, const char* key, QJsonArray& out, qsizetype max)
    {
        const auto v = member(o, path, key);
        if (!v)
            return false;
        if (!v->isArray() || v->toArray().size() > max)
            return fail(path + u'.' + QLatin1String(key));
        out = v->toArray();
        return true;
    }

    bool object(const QJsonValue& v, const QString& path, QJsonObject& out)
    {
        if (!v.isObject())
            return fail(path);
        out = v.toObject();
        return true;
    }

    static bool color(const QJsonValue& v, std::int32_t& out)
    {
        const QString s = v.toString();
        bool ok = v.isString() && s.size() == 7 && s[0] == u'#';
        const uint rgb = ok ? s.mid(1).toUInt(&ok, 16) : 0;
        for (qsizetype i = 1; ok && i < s.size(); ++i)
            ok = std::isxdigit(static_cast<unsigned char>(s[i].toLatin1())) != 0;
        if (!ok)
            return false;
        out = static_cast<std::int32_t>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
        return true;
    }

    // A state; with a base, a member left out keeps the base's value.
    bool state(const QJsonValue& v, const QString& path, SchemeState& s, const SchemeState* base)
    {
        QJsonObject o;
        if (!object(v, path, o))
            return false;
        if (base)
            s = *base;
        auto given = [&](const char* key) { return !base || o.contains(QLatin1String(key)); };
        if (given("colors")) {
            QJsonArray colors;
            if (!array(o, path, "colors", colors, SchemeState::ObjectCount) || colors.size() != SchemeState::ObjectCount)
                return fail(path + QStringLiteral(".colors"));
            for (int i = 0; i < SchemeState::ObjectCount; ++i) {
                if (!color(colors[i], s.colors[std::size_t(i)]))
                    return fail(path + QStringLiteral(".colors[%1]").arg(i));
            }
        }
        if (given("selected") && !integer(o, path, "selected", s.selectedObject, 0, SchemeState::ObjectCount - 1))
            return false;
        if (given("labels")) {
            QJsonArray labels;
            if (!array(o, path, "labels", labels, SchemeState::LabelCount) || labels.size() != SchemeState::LabelCount)
                return fail(path + QStringLiteral(".labels"));
            for (int i = 0; i < SchemeState::LabelCount; ++i) {
                if (!label(labels[i], path + QStringLiteral(".labels[%1]").arg(i), s.labels[std::size_t(i)]))
                    return false;
            }
        }
        if (given("style") && !style(o, path, s.style))
            return false;
        return (!given("pictureShown") || flag(o, path, "pictureShown", s.pictureShown))
            && (!given("pictureFile") || text(o, path, "pictureFile", s.pictureFile));
    }

    bool label(const QJsonValue& v, const QString& at, SchemeLabel& l)
    {
        QJsonObject lo;
        QJsonObject fo;
        if (!object(v, at, lo) || !text(lo, at, "text", l.text))
            return false;
        const auto font = member(lo, at, "font");
        const QString fp = at + QStringLiteral(".font");
        if (!font || !object(*font, fp, fo))
            return false;
        const auto size = member(fo, fp, "size");
        if (!size)
            return false;
        l.font.size = size->toDouble(-1.0);
        if (!size->isDouble() || !std::isfinite(l.font.size) || l.font.size <= 0.0 || l.font.size > 10000.0)
            return fail(fp + QStringLiteral(".size"));
        return text(fo, fp, "name", l.font.name) && flag(fo, fp, "bold", l.font.bold) && flag(fo, fp, "italic", l.font.italic)
            && flag(fo, fp, "underline", l.font.underline) && flag(fo, fp, "strikethrough", l.font.strikethrough);
    }

    bool style(const QJsonObject& o, const QString& path, StyleParams& p)
    {
        const auto style = member(o, path, "style");
        QJsonObject so;
        const QString sp = path + QStringLiteral(".style");
        constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
        constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
        std::int32_t index = 0;
        if (!style || !object(*style, sp, so) || !integer(so, sp, "style", index, 0, 4)
            || !integer(so, sp, "outsideWidth", p.outsideWidth, lo, hi) || !integer(so, sp, "divideNum", p.divideNum, lo, hi)
            || !integer(so, sp, "latticeLineWidth", p.latticeLineWidth, lo, hi)
            || !integer(so, sp, "latticeDivideNum", p.latticeDivideNum, lo, hi))
            return false;
        p.style = index;
        return true;
    }
};

} // namespace

QByteArray HistoryFile::write(const HistoryData& data)
{
    QJsonArray states;
    int count = 0;
    const SchemeState* last = nullptr;
    // A state equal to the one written just before is referred to again.
    QJsonObject lastObject;
    auto stateIndex = [&](const SchemeState& s) {
        if (!last || !(*last == s)) {
            // Only what differs from the state before is written.
            const QJsonObject full = stateObject(s);
            QJsonObject changed;
            for (auto it = full.begin(); it != full.end(); ++it) {
                if (count == 0 || lastObject.value(it.key()) != it.value())
                    changed.insert(it.key(), it.value());
            }
            states.append(changed);
            lastObject = full;
            ++count;
        }
        last = &s;
        return count - 1;
    };
    QJsonArray steps;
    for (const HistoryStep& step : data.steps) {
        const int before = stateIndex(step.before);
        const int after = stateIndex(step.after);
        steps.append(QJsonObject{{QStringLiteral("label"), step.label},
                                 {QStringLiteral("before"), before},
                                 {QStringLiteral("after"), after}});
    }
    QJsonArray snapshots;
    for (const HistorySnapshot& snap : data.snapshots) {
        const int state = stateIndex(snap.state);
        snapshots.append(QJsonObject{{QStringLiteral("name"), snap.name},
                                     {QStringLiteral("time"), snap.time},
                                     {QStringLiteral("state"), state}});
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("position"), data.position},
                           {QStringLiteral("states"), states},
                           {QStringLiteral("steps"), steps},
                           {QStringLiteral("snapshots"), snapshots}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

HistoryFile::Result HistoryFile::read(const QByteArray& bytes)
{
    Result result;
    auto damaged = [&result](const QString& where) {
        result.outcome = Outcome::Damaged;
        result.where = where;
        result.data = {};
        return result;
    };
    if (bytes.size() > kMaxBytes)
        return damaged(QString());
    if (const qsizetype bad = firstInvalidUtf8(bytes); bad >= 0)
        return damaged(QCoreApplication::translate("HistoryFile", "%1 行目").arg(1 + QByteArrayView(bytes).first(bad).count('\n')));
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const qsizetype at = std::clamp<qsizetype>(error.offset, 0, bytes.size());
        return damaged(QCoreApplication::translate("HistoryFile", "%1 行目").arg(1 + QByteArrayView(bytes).first(at).count('\n')));
    }
    if (!doc.isObject())
        return damaged(QStringLiteral("$"));
    const QJsonObject root = doc.object();
    Reader r;
    const QString top = QStringLiteral("$");
    QString format;
    if (!r.text(root, top, "format", format) || format != kFormat)
        return damaged(QStringLiteral("$.format"));
    std::int32_t version = 0;
    if (!r.integer(root, top, "version", version, 1, std::numeric_limits<std::int32_t>::max()))
        return damaged(r.where);
    if (version > kVersion) {
        result.outcome = Outcome::Newer;
        result.where = QStringLiteral("$.version");
        return result;
    }
    QJsonArray states;
    QJsonArray steps;
    QJsonArray snapshots;
    if (!r.array(root, top, "steps", steps, kMaxSteps) || !r.array(root, top, "snapshots", snapshots, kMaxSnapshots)
        || !r.array(root, top, "states", states, 2 * qsizetype(kMaxSteps) + kMaxSnapshots))
        return damaged(r.where);
    std::vector<SchemeState> pool(static_cast<std::size_t>(states.size()));
    for (qsizetype i = 0; i < states.size(); ++i) {
        if (!r.state(states[i], QStringLiteral("$.states[%1]").arg(i), pool[std::size_t(i)], i ? &pool[std::size_t(i - 1)] : nullptr))
            return damaged(r.where);
    }
    const auto last = static_cast<std::int64_t>(pool.size()) - 1;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString at = QStringLiteral("$.steps[%1]").arg(i);
        QJsonObject o;
        HistoryStep step;
        std::int32_t before = 0;
        std::int32_t after = 0;
        if (!r.object(steps[i], at, o) || !r.text(o, at, "label", step.label)
            || !r.integer(o, at, "before", before, 0, last) || !r.integer(o, at, "after", after, 0, last))
            return damaged(r.where);
        step.before = pool[std::size_t(before)];
        step.after = pool[std::size_t(after)];
        result.data.steps.push_back(std::move(step));
    }
    for (qsizetype i = 0; i < snapshots.size(); ++i) {
        const QString at = QStringLiteral("$.snapshots[%1]").arg(i);
        QJsonObject o;
        HistorySnapshot snap;
        std::int32_t state = 0;
        if (!r.object(snapshots[i], at, o) || !r.text(o, at, "name", snap.name) || !r.text(o, at, "time", snap.time)
            || !r.integer(o, at, "state", state, 0, last))
            return damaged(r.where);
        snap.state = pool[std::size_t(state)];
        result.data.snapshots.push_back(std::move(snap));
    }
    std::int32_t position = 0;
    if (!r.integer(root, top, "position", position, 0, static_cast<std::int64_t>(steps.size())))
        return damaged(r.where);
    result.data.position = position;
    return result;
}

} // namespace tessary
