// SPDX-License-Identifier: MIT
#include "historyview/HistoryEntries.h"
#include "historyview/HistoryViewSettings.h"
#include "historyview/ThumbnailLayout.h"
#include "settings/CiniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tessary;

// For every small size the five bands tile the thumbnail exactly, the backgrounds are never
// narrower than a text, and the hit test names the band each pixel lies in.
TEST(ThumbnailLayoutTest, BandsTileEverySizeAndTheHitTestAgrees)
{
    for (int w = 0; w <= 64; ++w) {
        for (int h : {0, 1, 7}) {
            const QSize size(w, h);
            const auto bands = ThumbnailLayout::bands(size);
            int area = 0;
            for (const QRect& r : bands) {
                area += r.width() * r.height();
                EXPECT_TRUE(r.isEmpty() || QRect(QPoint(0, 0), size).contains(r)) << w << "x" << h;
            }
            EXPECT_EQ(area, w * h) << w << "x" << h;
            for (int text = 0; text < 3; ++text)
                EXPECT_GE(bands[3].width(), bands[std::size_t(text)].width()) << w;
            for (int x = -1; x <= w; ++x) {
                for (int y = -1; y <= h; ++y) {
                    const int at = ThumbnailLayout::objectAt(size, QPoint(x, y));
                    const bool inside = x >= 0 && y >= 0 && x < w && y < h;
                    ASSERT_EQ(at >= 0, inside) << w << "x" << h << " at " << x << "," << y;
                    if (inside) {
                        EXPECT_TRUE(bands[std::size_t(at)].contains(QPoint(x, y)));
                    }
                }
            }
        }
    }
}

// Snapshots newest first, then the steps done newest first, never those undone and never
// more than the recent ones.
TEST(HistoryEntriesTest, ListsSnapshotsThenStepsDoneNewestFirst)
{
    struct Row {
        int snapshots;
        int steps;
        int position;
    };
    for (const Row row : {Row{0, 0, 0}, Row{3, 5, 3}, Row{1, 5, 0}, Row{0, 80, 80}, Row{2, 80, 30}}) {
        HistoryData data;
        for (int i = 0; i < row.snapshots; ++i)
            data.snapshots.push_back({QString::number(i), {}, {}});
        for (int i = 0; i < row.steps; ++i)
            data.steps.push_back({QString::number(i), {}, {}});
        data.position = row.position;
        const std::vector<HistoryEntry> list = HistoryEntries::list(data);
        const int steps = std::min(row.position, HistoryEntries::kRecentSteps);
        ASSERT_EQ(static_cast<int>(list.size()), row.snapshots + steps);
        for (int i = 0; i < static_cast<int>(list.size()); ++i) {
            const HistoryEntry& e = list[std::size_t(i)];
            const bool snapshot = i < row.snapshots;
            EXPECT_EQ(e.kind, snapshot ? HistoryEntry::Kind::Snapshot : HistoryEntry::Kind::Step);
            EXPECT_EQ(e.index, snapshot ? row.snapshots - 1 - i : row.position - 1 - (i - row.snapshots));
            EXPECT_EQ(e.name, QString::number(e.index));
        }
    }
}

// The lowest of the six text-on-background ratios, whichever pair it is.
TEST(HistoryEntriesTest, LowestContrastIsTheWorstPair)
{
    constexpr std::int32_t kBlack = 0x000000;
    constexpr std::int32_t kWhite = 0xFFFFFF;
    EXPECT_DOUBLE_EQ(HistoryEntries::lowestTextContrast({kBlack, kBlack, kBlack, kWhite, kWhite}), 21.0);
    for (int text = 0; text < 3; ++text) {
        for (int background = 3; background < 5; ++background) {
            std::array<std::int32_t, 5> colors = {kBlack, kBlack, kBlack, kWhite, kWhite};
            colors[std::size_t(text)] = colors[std::size_t(background)] = 0x808080;
            EXPECT_DOUBLE_EQ(HistoryEntries::lowestTextContrast(colors), 1.0) << text << " on " << background;
        }
    }
}

// The section reads back as written; a file without it has none, a corner needs both values.
TEST(HistoryViewSettingsTest, SectionReadsBackAndIsAbsentUntilWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.ini"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Other]\r\nA=1\r\n");
    }
    {
        CiniFile ini(path);
        EXPECT_FALSE(HistoryViewSettings::read(ini).has_value());
        HistoryViewSettings s;
        s.visible = true;
        s.left = 1234.5;
        s.top = 60;
        s.write(ini);
    }
    {
        CiniFile ini(path);
        const auto s = HistoryViewSettings::read(ini);
        ASSERT_TRUE(s.has_value());
        EXPECT_TRUE(s->visible);
        EXPECT_EQ(s->left, 1234.5);
        EXPECT_EQ(s->top, 60.0);
        ini.writeData(QString::fromLatin1(HistoryViewSettings::Section), QStringLiteral("Top"), QStringLiteral("x"));
    }
    CiniFile ini(path);
    const auto s = HistoryViewSettings::read(ini);
    ASSERT_TRUE(s.has_value());
    EXPECT_FALSE(s->left.has_value());
    EXPECT_FALSE(s->top.has_value());
}
