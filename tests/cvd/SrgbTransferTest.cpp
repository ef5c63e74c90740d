// SPDX-License-Identifier: MIT
#include "cvd/SrgbTransfer.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tessary;

// The table encoder must give the formula's code for every double. Both are monotonic, so
// it is enough that each step sits exactly where the formula changes code and that a slot
// never spans two steps; a dense sweep backs that up.
TEST(SrgbTransfer, TableEncoderEqualsFormulaEverywhere)
{
    const SrgbTransfer::Tables& t = SrgbTransfer::tables();
    for (int k = 1; k < 256; ++k) {
        const double below = std::nextafter(t.step[k], 0.0);
        EXPECT_EQ(SrgbTransfer::encode(t.step[k]), k) << k;
        EXPECT_EQ(SrgbTransfer::encode(below), k - 1) << k;
        EXPECT_EQ(SrgbTransfer::encodeFast(t, t.step[k]), k) << k;
        EXPECT_EQ(SrgbTransfer::encodeFast(t, below), k - 1) << k;
    }
    for (int slot = 0; slot < SrgbTransfer::EncodeSlots; ++slot) {
        const double last = std::nextafter(double(slot + 1) / SrgbTransfer::EncodeSlots, 0.0);
        EXPECT_LE(SrgbTransfer::encode(last) - t.slotStart[slot], 1) << "slot " << slot;
    }
    for (int i = 0; i <= 1 << 20; ++i) {
        const double v = double(i) / (1 << 20) + 1e-9;
        ASSERT_EQ(SrgbTransfer::encodeFast(t, v), SrgbTransfer::encode(v)) << v;
    }
    struct Row {
        const char* name;
        double linear;
        int code;
    };
    const Row rows[] = {
        {"negative clamps to 0", -0.25, 0},
        {"tiny negative", -1e-300, 0},
        {"above 1 clamps to 255", 1.75, 255},
        {"far above", 1000.0, 255},
        {"exactly 1", 1.0, 255},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SrgbTransfer::encode(r.linear), r.code) << r.name;
        EXPECT_EQ(SrgbTransfer::encodeFast(t, r.linear), r.code) << r.name;
    }
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(SrgbTransfer::encode(SrgbTransfer::decode(code)), code) << "round trip " << code;
        EXPECT_EQ(t.decode[code], SrgbTransfer::decode(code)) << code;
    }
}
