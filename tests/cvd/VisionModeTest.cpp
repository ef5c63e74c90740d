// SPDX-License-Identifier: MIT
#include "cvd/VisionMode.h"

#include <gtest/gtest.h>

using namespace tessary;

TEST(VisionMode, SettingsValuesReadBackAndRejectTheUnusable)
{
    struct Row {
        const char* name;
        const char* mode;
        const char* strength;
        VisionMode expected;
    };
    const VisionMode defaults;
    const Row rows[] = {
        {"none", "0", "50", VisionMode(VisionKind::None, 50)},
        {"tritanopia", "3", "100", VisionMode(VisionKind::Tritanopia, 100)},
        {"deuteranomaly at the lowest step", "5", "10", VisionMode(VisionKind::Deuteranomaly, 10)},
        {"tritanomaly at the highest step", "6", "100", VisionMode(VisionKind::Tritanomaly, 100)},
        {"empty values keep the defaults", "", "", defaults},
        {"a kind past the last", "7", "30", VisionMode(VisionKind::None, 30)},
        {"a negative kind", "-1", "30", VisionMode(VisionKind::None, 30)},
        {"a kind with a fraction", "1.5", "30", VisionMode(VisionKind::None, 30)},
        {"a kind with a leading zero", "01", "30", VisionMode(VisionKind::None, 30)},
        {"strength 0 is not on the menu", "4", "0", VisionMode(VisionKind::Protanomaly)},
        {"strength between steps", "4", "55", VisionMode(VisionKind::Protanomaly)},
        {"strength above 100", "4", "110", VisionMode(VisionKind::Protanomaly)},
    };
    for (const Row& r : rows) {
        const VisionMode m = VisionMode::fromSettings(QString::fromUtf8(r.mode), QString::fromUtf8(r.strength));
        EXPECT_EQ(m, r.expected) << r.name;
    }
    for (int k = 0; k <= 6; ++k) {
        for (int s = VisionMode::MinStrength; s <= VisionMode::MaxStrength; s += VisionMode::StrengthStep) {
            const VisionMode m(static_cast<VisionKind>(k), s);
            EXPECT_EQ(VisionMode::fromSettings(m.modeText(), m.strengthText()), m) << k << " " << s;
        }
    }
}

TEST(VisionMode, ShortcutCycleCacheKeyAndBadge)
{
    struct Row {
        VisionKind from;
        VisionKind next;
    };
    const Row cycle[] = {
        {VisionKind::None, VisionKind::Protanopia},
        {VisionKind::Protanopia, VisionKind::Deuteranopia},
        {VisionKind::Deuteranopia, VisionKind::Tritanopia},
        {VisionKind::Tritanopia, VisionKind::None},
        {VisionKind::Deuteranomaly, VisionKind::None},
    };
    for (const Row& r : cycle) {
        const VisionMode next = VisionMode(r.from, 70).cycled();
        EXPECT_EQ(next, VisionMode(r.next, 70)) << static_cast<int>(r.from);
    }

    // The strength matters to the picture cache only where it changes the colours.
    EXPECT_TRUE(VisionMode(VisionKind::Protanopia, 10).simulatesLike(VisionMode(VisionKind::Protanopia, 90)));
    EXPECT_FALSE(VisionMode(VisionKind::Protanomaly, 10).simulatesLike(VisionMode(VisionKind::Protanomaly, 90)));
    EXPECT_FALSE(VisionMode(VisionKind::Protanopia).simulatesLike(VisionMode(VisionKind::Deuteranopia)));

    EXPECT_EQ(VisionMode(VisionKind::Deuteranomaly, 60).label(), QStringLiteral("2型3色覚 60%"));
    EXPECT_EQ(VisionMode(VisionKind::Tritanopia, 60).label(), QStringLiteral("3型2色覚"));
    EXPECT_EQ(VisionMode(VisionKind::Protanomaly, 250).strength(), 100);
}
