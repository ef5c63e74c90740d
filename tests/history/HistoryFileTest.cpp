// SPDX-License-Identifier: MIT
#include "history/HistoryFile.h"
#include "history/HistoryStore.h"
#include "platform/AtomicFileWriter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <random>

using namespace tessary;

namespace {

SchemeState randomState(std::mt19937& rng)
{
    SchemeState s;
    for (auto& c : s.colors)
        c = static_cast<std::int32_t>(rng() & 0xFFFFFF);
    s.selectedObject = int(rng() % 5);
    for (SchemeLabel& l : s.labels) {
        l.text = QString::fromUtf16(u"標本\"\\\n") + QString::number(rng());
        l.font.name = rng() % 2 ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("Noto");
        l.font.size = (rng() % 2000) / 7.0 + 0.5;
        l.font.bold = rng() % 2;
        l.font.strikethrough = rng() % 2;
    }
    s.style = {int(rng() % 5), int(rng()), -int(rng() % 100), 3, int(rng() % 50)};
    s.pictureShown = rng() % 2;
    s.pictureFile = QStringLiteral("C:/絵/%1.png").arg(rng());
    return s;
}

HistoryData randomData(std::mt19937& rng)
{
    HistoryData d;
    SchemeState at = randomState(rng);
    const int steps = int(rng() % 20);
    for (int i = 0; i < steps; ++i) {
        // Now and then a gap, as after a change that was no step.
        SchemeState before = rng() % 4 ? at : randomState(rng);
        at = randomState(rng);
        d.steps.push_back({QStringLiteral("手順%1").arg(i), before, at});
    }
    d.position = steps ? int(rng() % (steps + 1)) : 0;
    for (int i = int(rng() % 4); i > 0; --i)
        d.snapshots.push_back({QStringLiteral("保存 %1").arg(i), QStringLiteral("2026-12-07T10:00:00Z"), randomState(rng)});
    return d;
}

QByteArray oneStep()
{
    HistoryData d;
    d.steps.push_back({QStringLiteral("a"), SchemeState{}, SchemeState{}});
    d.steps[0].after.colors[2] = 0x123456;
    d.position = 1;
    return HistoryFile::write(d);
}

} // namespace

TEST(HistoryFile, WhatIsWrittenReadsBackEqual)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 300; ++i) {
        const HistoryData d = randomData(rng);
        const HistoryFile::Result r = HistoryFile::read(HistoryFile::write(d));
        ASSERT_TRUE(r.ok()) << i << " " << r.where.toStdString();
        ASSERT_EQ(r.data, d) << i;
    }
}

// A file changed in one place is refused, naming the place.
TEST(HistoryFile, RefusesDamageNamingWhere)
{
    const QByteArray good = oneStep();
    struct Row {
        QByteArray from, to;
        HistoryFile::Outcome outcome;
        const char* where;
    };
    const std::vector<Row> rows = {
        {"\"version\":1", "\"version\":2", HistoryFile::Outcome::Newer, "$.version"},
        {"\"version\":1", "\"version\":0", HistoryFile::Outcome::Damaged, "$.version"},
        {"tessary-history", "other", HistoryFile::Outcome::Damaged, "$.format"},
        {"#563412", "#56341", HistoryFile::Outcome::Damaged, "$.states[1].colors[2]"},
        {"#563412", "#56341g", HistoryFile::Outcome::Damaged, "$.states[1].colors[2]"},
        {"\"after\":1", "\"after\":2", HistoryFile::Outcome::Damaged, "$.steps[0].after"},
        {"\"after\":1", "\"after\":0.5", HistoryFile::Outcome::Damaged, "$.steps[0].after"},
        {"\"position\":1", "\"position\":2", HistoryFile::Outcome::Damaged, "$.position"},
        {"\"selected\":0", "\"selected\":5", HistoryFile::Outcome::Damaged, "$.states[0].selected"},
        {"\"size\":12", "\"size\":-1", HistoryFile::Outcome::Damaged, "$.states[0].labels[0].font.size"},
        {"\"bold\":false", "\"bold\":0", HistoryFile::Outcome::Damaged, "$.states[0].labels[0].font.bold"},
        {"\"label\":\"a\"", "\"labe\":\"a\"", HistoryFile::Outcome::Damaged, "$.steps[0].label"},
        {"\"steps\":[", "\"steps\":{", HistoryFile::Outcome::Damaged, "3 行目"},
        {"{", "\xff{", HistoryFile::Outcome::Damaged, "1 行目"},
    };
    for (const Row& row : rows) {
        QByteArray bytes = good;
        ASSERT_TRUE(bytes.contains(row.from)) << row.from.constData();
        bytes.replace(bytes.indexOf(row.from), row.from.size(), row.to);
        const HistoryFile::Result r = HistoryFile::read(bytes);
        EXPECT_EQ(int(r.outcome), int(row.outcome)) << row.to.constData();
        if (QByteArray(row.where).endsWith("行目"))
            EXPECT_TRUE(r.where.endsWith(QStringLiteral("行目"))) << r.where.toStdString();
        else
            EXPECT_EQ(r.where, QString::fromUtf8(row.where)) << row.to.constData();
        EXPECT_TRUE(r.data.steps.empty());
    }
}

// Whatever goes wrong, no history is lost: the file in the way is kept aside, a failed
// write leaves the old file, and the user is told.
TEST(HistoryStore, LosesNothingAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = HistoryStore::pathBeside(dir.filePath(QStringLiteral("tessary.ini")));
    auto put = [&](const QString& p, const QByteArray& b) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    };
    auto bytesOf = [](const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray newer = QByteArray(oneStep()).replace("\"version\":1", "\"version\":9");
    for (const QByteArray& bad : {QByteArray("{\"format\": 1"), newer}) {
        put(path, bad);
        HistoryStore store(path);
        const HistoryStore::Loaded loaded = store.load();
        EXPECT_FALSE(loaded.problem.isEmpty());
        EXPECT_TRUE(loaded.data.steps.empty());
        EXPECT_EQ(bytesOf(store.asidePath()), bad);
        EXPECT_TRUE(store.save(loaded.data).isEmpty());
        EXPECT_EQ(bytesOf(store.asidePath()), bad);
    }

    // With no history and no file, nothing is written.
    QFile::remove(path);
    HistoryStore unused(path);
    unused.load();
    EXPECT_TRUE(unused.save(HistoryData{}).isEmpty());
    EXPECT_FALSE(QFile::exists(path));

    // Two instances: the one closing second keeps the first one's file aside.
    HistoryStore one(path);
    HistoryStore two(path);
    one.load();
    two.load();
    HistoryData a;
    a.steps.push_back({QStringLiteral("one"), SchemeState{}, SchemeState{}});
    EXPECT_TRUE(one.save(a).isEmpty());
    EXPECT_FALSE(two.save(HistoryData{}).isEmpty());
    EXPECT_EQ(HistoryFile::read(bytesOf(two.asidePath())).data, a);

    // A full disk leaves the file as it was.
    const QByteArray before = bytesOf(path);
    AtomicFileWriter::setFaultForAllWrites([](AtomicFileWriter::Step s) { return s == AtomicFileWriter::Step::Sync ? ENOSPC : 0; });
    HistoryStore full(path);
    full.load();
    EXPECT_FALSE(full.save(a).isEmpty());
    AtomicFileWriter::setFaultForAllWrites({});
    EXPECT_EQ(bytesOf(path), before);
}
