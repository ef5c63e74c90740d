// SPDX-License-Identifier: MIT
#include "contrast/PictureContrast.h"
#include "contrast/Wcag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace tessary;

TEST(PictureContrast, LowestAndFifthPercentileMatchASortOfEveryRatio)
{
    std::mt19937 random(14);
    std::uniform_int_distribution<std::uint32_t> anyColour(0, 0xFFFFFF);
    // Sizes around the rank steps of 5 %: 20 pixels rank 1, 21 rank 2.
    for (int n : {1, 2, 19, 20, 21, 40, 41, 997}) {
        std::vector<std::uint32_t> pixels(n);
        // Few distinct colours as well, so that ties are tested.
        for (auto& p : pixels)
            p = n == 40 ? anyColour(random) & 0x808080 : anyColour(random);
        const PictureContrast picture(pixels);
        for (int trial = 0; trial < 20; ++trial) {
            const auto text = std::int32_t(trial == 0 ? pixels[0] : anyColour(random));
            std::vector<double> ratios;
            for (auto p : pixels)
                ratios.push_back(Wcag::contrast(text, std::int32_t(p)));
            std::sort(ratios.begin(), ratios.end());
            const auto m = picture.measure(text);
            ASSERT_TRUE(m);
            SCOPED_TRACE(testing::Message() << n << " pixels, text " << std::hex << text);
            EXPECT_DOUBLE_EQ(m->lowest, ratios.front());
            EXPECT_DOUBLE_EQ(m->percentile5, ratios[(n * 5 + 99) / 100 - 1]);
            EXPECT_EQ(m->pixels, n);
        }
    }
}

TEST(PictureContrast, ImageRowsAreReadAsArgb)
{
    // Pure red in an image row is 0xFFFF0000; read as a colour value it would be blue.
    const std::vector<std::uint32_t> row{0xFFFF0000u};
    const auto m = PictureContrast(row, PictureContrast::PixelOrder::Argb32).measure(0xFFFFFF);
    ASSERT_TRUE(m);
    EXPECT_NEAR(m->lowest, 3.998477, 1e-6);
    EXPECT_FALSE(PictureContrast().measure(0));
}
