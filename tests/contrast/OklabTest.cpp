// SPDX-License-Identifier: MIT
#include "contrast/GamutMap.h"
#include "contrast/Oklch.h"

#include <gtest/gtest.h>

using namespace tessary;

namespace {

constexpr std::int32_t rgb(std::uint32_t hex)
{
    return std::int32_t(((hex >> 16) & 0xFF) | (hex & 0xFF00) | ((hex & 0xFF) << 16));
}

} // namespace

TEST(Oklab, OklchOfKnownColours)
{
    struct Row {
        std::uint32_t hex;
        double L, C, h; // h < 0: no hue
    };
    const Row rows[] = {
        {0xFFFFFF, 1.000000, 0.0, -1}, {0x000000, 0.000000, 0.0, -1},       {0x808080, 0.599871, 0.0, -1},
        {0x777777, 0.569262, 0.0, -1}, {0xFF0000, 0.627955, 0.257683, 29.234}, {0x00FF00, 0.866440, 0.294827, 142.495},
        {0x0000FF, 0.452014, 0.313214, 264.052}, {0xFFFF00, 0.967983, 0.211006, 109.769},
        {0x00FFFF, 0.905399, 0.154550, 194.769}, {0xFF00FF, 0.701674, 0.322491, 328.363},
        {0x336699, 0.499314, 0.098664, 250.433},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.hex);
        const Oklch c = Oklch::fromColorValue(rgb(row.hex));
        EXPECT_NEAR(c.L, row.L, 1e-5);
        EXPECT_NEAR(c.C, row.C, 1e-5);
        EXPECT_EQ(c.hasHue(), row.h >= 0);
        if (row.h >= 0) {
            EXPECT_NEAR(c.h, row.h, 1e-3);
        } else {
            EXPECT_EQ(c.h, 0.0) << "a grey's noise hue must not be kept";
        }
    }
    // The least chromatic colour that is not grey still has a hue.
    EXPECT_TRUE(Oklch::fromColorValue(rgb(0xFEFFFF)).hasHue());
}

TEST(Oklab, EightBitColoursSurviveTheRoundTrip)
{
    for (std::int32_t c = 0; c <= 0xFFFFFF; c += 97) {
        const Oklch lch = Oklch::fromColorValue(c);
        ASSERT_EQ(lch.toOklab().toLinear().toColorValue(), c) << std::hex << c;
        ASSERT_EQ(GamutMap::toColorValue(lch), c) << "an sRGB colour is already in gamut: " << std::hex << c;
    }
}

TEST(GamutMap, ReducesChromaInsteadOfClipping)
{
    struct Row {
        double L, C, h;
        std::uint32_t mapped, clipped;
    };
    const Row rows[] = {
        {0.70, 0.40, 30, 0xFF5843, 0xFF0000}, {0.95, 0.30, 110, 0xFAF900, 0xFFFA00},
        {0.30, 0.30, 264, 0x03009E, 0x1900C1}, {0.50, 0.20, 150, 0x007C25, 0x007F0C},
        {0.90, 0.05, 200, 0xB8E9EB, 0xB8E9EB}, {0.60, 0.10, 0, 0xB1667E, 0xB1667E},
        {1.20, 0.30, 30, 0xFFFFFF, 0xFFFFFF},  {-0.1, 0.30, 30, 0x000000, 0x000000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.L << " " << row.C << " " << row.h);
        const Oklch in{row.L, row.C, row.h};
        EXPECT_EQ(GamutMap::toColorValue(in), rgb(row.mapped));
        if (row.L > 0.0 && row.L < 1.0) {
            EXPECT_EQ(in.toOklab().toLinear().clipped().toColorValue(), rgb(row.clipped));
        }
    }
}
