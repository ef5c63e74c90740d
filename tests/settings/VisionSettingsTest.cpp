// SPDX-License-Identifier: MIT
#include "settings/CiniFile.h"
#include "settings/VisionSettings.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::crlf;
using test::TempFolder;
using test::testData;

TEST(VisionSettings, SectionGoesAfterAllOthersAndOnlyOnceAModeWasChosen)
{
    const QByteArray full = testData(QStringLiteral("full.ini"));
    const struct {
        const char* name;
        QByteArray before;   // the file as it was
        VisionMode mode;
        QByteArray after;
    } rows[] = {
        {"never used: the file keeps its bytes", full, VisionMode(), full},
        {"a mode appends the section", full, VisionMode(VisionKind::Deuteranomaly, 60),
         full + crlf("[ColorVision]¶Mode=5¶Strength=60¶")},
        {"a strength alone is worth keeping", full, VisionMode(VisionKind::None, 80),
         full + crlf("[ColorVision]¶Mode=0¶Strength=80¶")},
        {"back to none: the section says so", full + crlf("[ColorVision]¶Mode=2¶Strength=50¶"), VisionMode(),
         full + crlf("[ColorVision]¶Mode=0¶Strength=50¶")},
        {"a hand-written section is updated in place",
         crlf("[colorvision]¶strength=20¶; mine¶[Other]¶a=1¶"), VisionMode(VisionKind::Protanopia, 20),
         crlf("[colorvision]¶strength=20¶Mode=1¶; mine¶[Other]¶a=1¶")},
    };
    for (const auto& r : rows) {
        TempFolder dir;
        const QString path = dir.write(QStringLiteral("t.ini"), r.before);
        {
            CiniFile ini(path);
            VisionSettings::write(ini, r.mode);
            ASSERT_TRUE(ini.flush().ok()) << r.name;
        }
        EXPECT_EQ(TempFolder::read(path), r.after) << r.name;
        CiniFile again(path);
        EXPECT_EQ(VisionSettings::read(again), r.mode) << r.name;
    }
}

TEST(VisionSettings, ValuesThatCannotBeUsedKeepTheirDefaults)
{
    const struct {
        const char* name;
        const char* section;
        VisionMode expected;
    } rows[] = {
        {"no file section", "[Other]¶a=1¶", VisionMode()},
        {"all good", "[ColorVision]¶Mode=6¶Strength=100¶", VisionMode(VisionKind::Tritanomaly, 100)},
        {"kind out of range", "[ColorVision]¶Mode=7¶Strength=30¶", VisionMode(VisionKind::None, 30)},
        {"kind not a number", "[ColorVision]¶Mode=P¶Strength=30¶", VisionMode(VisionKind::None, 30)},
        {"strength off the menu's steps", "[ColorVision]¶Mode=4¶Strength=55¶", VisionMode(VisionKind::Protanomaly)},
        {"strength zero", "[ColorVision]¶Mode=4¶Strength=0¶", VisionMode(VisionKind::Protanomaly)},
        {"empty values", "[ColorVision]¶Mode=¶Strength=¶", VisionMode()},
        {"quoted and spaced values", "[ColorVision]¶Mode= \"2\" ¶Strength=\"70\"¶", VisionMode(VisionKind::Deuteranopia, 70)},
    };
    for (const auto& r : rows) {
        TempFolder dir;
        CiniFile ini(dir.write(QStringLiteral("t.ini"), crlf(r.section)));
        EXPECT_EQ(VisionSettings::read(ini), r.expected) << r.name;
    }
}

} // namespace
} // namespace tessary
