// SPDX-License-Identifier: MIT
#include "cvd/SrgbTransfer.h"
#include "cvd/VisionSimulator.h"
#include "platform/ColorValue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace tessary;

namespace {

// Test data is written as #RRGGBB; colour values keep red in the low byte.
constexpr std::int32_t hex(std::uint32_t rrggbb)
{
    return ColorValue::pack((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

std::string text(std::int32_t c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", ColorValue::red(c), ColorValue::green(c), ColorValue::blue(c));
    return buf;
}

bool within(std::int32_t a, std::int32_t b, int codes)
{
    return std::abs(ColorValue::red(a) - ColorValue::red(b)) <= codes
        && std::abs(ColorValue::green(a) - ColorValue::green(b)) <= codes
        && std::abs(ColorValue::blue(a) - ColorValue::blue(b)) <= codes;
}

bool within1(std::int32_t a, std::int32_t b)
{
    return within(a, b, 1);
}

std::string describe(const VisionMode& m)
{
    return m.label().toStdString();
}

// Every kind, the anomalous ones at every 5 %.
std::vector<VisionMode> allModes()
{
    std::vector<VisionMode> modes = {VisionMode(VisionKind::None), VisionMode(VisionKind::Protanopia),
                                     VisionMode(VisionKind::Deuteranopia), VisionMode(VisionKind::Tritanopia)};
    for (VisionKind k : {VisionKind::Protanomaly, VisionKind::Deuteranomaly, VisionKind::Tritanomaly})
        for (int s = 0; s <= 100; s += 5)
            modes.emplace_back(k, s);
    return modes;
}

// Spread over the whole cube, steps not aligned with any channel.
std::vector<std::int32_t> sampleColours(int stride)
{
    std::vector<std::int32_t> out;
    for (std::int32_t c = 0; c <= 0xFFFFFF; c += stride)
        out.push_back(c);
    return out;
}

std::vector<VisionSimulator::Linear> sampleLinear()
{
    std::mt19937 gen(15);
    std::uniform_real_distribution<double> d(0.0, 1.0);
    std::vector<VisionSimulator::Linear> out(500);
    for (auto& v : out)
        v = {d(gen), d(gen), d(gen)};
    return out;
}

} // namespace

// Vienot and Brettel from the sRGB primaries, Machado from the published matrices, all on
// linear light; to one code value.
TEST(VisionSimulator, ReferenceVectors)
{
    const VisionMode columns[] = {
        VisionMode(VisionKind::Protanopia),        VisionMode(VisionKind::Deuteranopia),
        VisionMode(VisionKind::Tritanopia),        VisionMode(VisionKind::Protanomaly, 100),
        VisionMode(VisionKind::Deuteranomaly, 100), VisionMode(VisionKind::Tritanomaly, 100),
    };
    struct Row {
        std::uint32_t in;
        std::uint32_t out[6];
    };
    const Row rows[] = {
        // Machado P on gamma-encoded values would give #271D00 for red.
        {0xFF0000, {0x5D5D0E, 0x939300, 0xFF004E, 0x6D5F00, 0xA39000, 0xFF000F}},
        {0x00FF00, {0xF2F200, 0xDBDB29, 0x7CEAFF, 0xFFE500, 0xEFD63A, 0x00F7D9}},
        {0x0000FF, {0x0000FF, 0x0000FF, 0x006087, 0x0059FF, 0x003DFB, 0x006B96}},
        {0xFF00FF, {0x5D5DFF, 0x9393FD, 0xEE6378, 0x007FFF, 0x689BFA, 0xFF4A97}},
        {0x336699, {0x626299, 0x5B5B99, 0x216C80, 0x50699B, 0x425F98, 0x007278}},
        {0xE60012, {0x535319, 0x848400, 0xE70046, 0x61550B, 0x928200, 0xFE0011}},
        {0x00A040, {0x98983F, 0x898945, 0x4794AC, 0xA29136, 0x938648, 0x009C8B}},
    };
    for (const Row& r : rows) {
        for (int i = 0; i < 6; ++i) {
            const std::int32_t got = VisionSimulator(columns[i]).simulate(hex(r.in));
            EXPECT_PRED2(within1, got, hex(r.out[i]))
                << describe(columns[i]) << " " << text(hex(r.in)) << " gave " << text(got);
        }
    }

    struct Anomalous {
        VisionKind kind;
        int strength;
        std::uint32_t in, out;
    };
    const Anomalous between[] = {
        {VisionKind::Deuteranomaly, 50, 0xFF0000, 0xC37600},
        {VisionKind::Deuteranomaly, 50, 0x00A040, 0x7D8F45},
        // A weight without the factor 10, or a snap to 50 %, gives #B45600.
        {VisionKind::Protanomaly, 55, 0xFF0000, 0xAE5800},
        {VisionKind::Protanomaly, 55, 0x00A040, 0x88943C},
    };
    for (const Anomalous& a : between) {
        const VisionMode m(a.kind, a.strength);
        const std::int32_t got = VisionSimulator(m).simulate(hex(a.in));
        EXPECT_PRED2(within1, got, hex(a.out)) << describe(m) << " " << text(hex(a.in)) << " gave " << text(got);
    }
}

TEST(VisionSimulator, GreysStayGreyInEveryMode)
{
    for (const VisionMode& m : allModes()) {
        const VisionSimulator sim(m);
        for (int v = 0; v < 256; ++v) {
            const std::int32_t grey = ColorValue::pack(v, v, v);
            EXPECT_EQ(sim.simulate(grey), grey) << describe(m) << " " << text(grey);
        }
    }
}

// A dichromat sees a colour and its simulation alike: simulating twice changes nothing.
TEST(VisionSimulator, DichromacyIsAProjection)
{
    const std::vector<std::int32_t> colours = sampleColours(7919);
    for (VisionKind k : {VisionKind::Protanopia, VisionKind::Deuteranopia, VisionKind::Tritanopia}) {
        const VisionSimulator sim{VisionMode(k)};
        for (const VisionSimulator::Linear& x : sampleLinear()) {
            const VisionSimulator::Linear once = sim.simulateLinear(x);
            const VisionSimulator::Linear twice = sim.simulateLinear(once);
            for (int i = 0; i < 3; ++i)
                ASSERT_NEAR(twice[i], once[i], 1e-9) << describe(VisionMode(k)) << " channel " << i;
        }
        // In 8 bits as well, where no channel had to be clamped into range. Rounding the first
        // result moves it off the plane by up to half a code, which the steep dark end of the
        // curve can turn into two.
        int checked = 0;
        for (std::int32_t c : colours) {
            const VisionSimulator::Linear lin = sim.simulateLinear({SrgbTransfer::decode(ColorValue::red(c)),
                                                                    SrgbTransfer::decode(ColorValue::green(c)),
                                                                    SrgbTransfer::decode(ColorValue::blue(c))});
            if (std::any_of(lin.begin(), lin.end(), [](double v) { return v < 0.0 || v > 1.0; }))
                continue;
            ++checked;
            const std::int32_t once = sim.simulate(c);
            EXPECT_PRED3(within, sim.simulate(once), once, 2) << describe(VisionMode(k)) << " " << text(c);
        }
        EXPECT_GT(checked, int(colours.size()) / 4) << describe(VisionMode(k));
    }
}

TEST(VisionSimulator, StrengthInterpolatesBetweenPublishedSteps)
{
    const std::vector<std::int32_t> colours = sampleColours(65537);
    for (VisionKind k : {VisionKind::Protanomaly, VisionKind::Deuteranomaly, VisionKind::Tritanomaly}) {
        const VisionSimulator off{VisionMode(k, 0)};
        EXPECT_TRUE(off.isIdentity()) << describe(VisionMode(k, 0));
        for (std::int32_t c : colours)
            ASSERT_EQ(off.simulate(c), c) << describe(VisionMode(k, 0)) << " " << text(c);

        const VisionSimulator s50{VisionMode(k, 50)}, s55{VisionMode(k, 55)}, s60{VisionMode(k, 60)};
        EXPECT_FALSE(s55.isIdentity());
        for (const VisionSimulator::Linear& x : sampleLinear()) {
            const auto a = s50.simulateLinear(x), b = s55.simulateLinear(x), c = s60.simulateLinear(x);
            for (int i = 0; i < 3; ++i)
                ASSERT_NEAR(b[i], 0.5 * a[i] + 0.5 * c[i], 1e-12) << describe(VisionMode(k, 55)) << " channel " << i;
        }
    }
    EXPECT_TRUE(VisionSimulator(VisionMode()).isIdentity());
}

// The table path for pictures gives exactly the per-colour result and keeps each alpha,
// also across runs of one colour with different alphas.
TEST(VisionSimulator, PixelBufferMatchesPerColourPath)
{
    const std::vector<std::int32_t> colours = sampleColours(4099);
    for (const VisionMode& m : allModes()) {
        const VisionSimulator sim(m);
        std::vector<std::uint32_t> pixels;
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const std::int32_t c = colours[i];
            const std::uint32_t argb = std::uint32_t(ColorValue::red(c)) << 16
                | std::uint32_t(ColorValue::green(c)) << 8 | std::uint32_t(ColorValue::blue(c));
            pixels.push_back(std::uint32_t(i * 37 & 0xFF) << 24 | argb);
            pixels.push_back(std::uint32_t(i * 91 & 0xFF) << 24 | argb);
        }
        const std::vector<std::uint32_t> before = pixels;
        sim.simulatePixels(pixels.data(), pixels.size());
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::int32_t expected = sim.simulate(colours[i / 2]);
            const std::uint32_t want = (before[i] & 0xFF000000u) | std::uint32_t(ColorValue::red(expected)) << 16
                | std::uint32_t(ColorValue::green(expected)) << 8 | std::uint32_t(ColorValue::blue(expected));
            ASSERT_EQ(pixels[i], want) << describe(m) << " pixel " << i << " " << text(colours[i / 2]);
        }
    }
}
