// SPDX-License-Identifier: MIT
#include "csscolor/CssColorReader.h"
#include "csscolor/CssColorWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace tessary {
namespace {

// Runs check(colour) over every 8-bit colour on all cores; returns the number of failures
// and the first failing colour.
template <typename Check>
std::pair<int, std::int32_t> everyColour(Check check)
{
    std::atomic<int> failures{0};
    std::atomic<std::int32_t> first{-1};
    const unsigned n = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < n; ++w) {
        workers.emplace_back([&, w] {
            for (std::int32_t c = std::int32_t(w); c < (1 << 24); c += std::int32_t(n)) {
                if (!check(c)) {
                    ++failures;
                    std::int32_t none = -1;
                    first.compare_exchange_strong(none, c);
                }
            }
        });
    }
    for (auto& t : workers)
        t.join();
    return {failures.load(), first.load()};
}

// Every colour written as oklch(), hsl() and rgb() reads back as itself. Formatting and
// reading all 2^24 texts three times would take most of a minute, so the walk goes through
// the numbers the text carries (the reader turns "48.873%" into exactly 48.873 / 100, as the
// writer rounds it), and the text itself is checked on a stride of colours below.
TEST(CssColorRoundTrip, EveryColourThroughTheWrittenNumbers)
{
    const auto [failures, first] = everyColour([](std::int32_t c) {
        const auto o = CssColorWriter::oklchNumbers(c);
        const auto h = CssColorWriter::hslNumbers(c);
        return CssColorReader::fromOklch(o[0] / 100.0, o[1], o[2]) == c
            && CssColorReader::fromHsl(h[0], h[1] / 100.0, h[2] / 100.0) == c;
    });
    EXPECT_EQ(failures, 0) << "first: " << qPrintable(CssColorWriter::write(first, CssColorForm::HexUpper));
}

TEST(CssColorRoundTrip, WrittenTextReadsBack)
{
    // A stride prime to 256 meets every value of every channel.
    for (std::int32_t c = 0; c < (1 << 24); c += 251) {
        for (CssColorForm form : kCssColorForms) {
            const QString text = CssColorWriter::write(c, form);
            const CssColorReading r = CssColorReader::read(text);
            ASSERT_TRUE(r.color && *r.color == c && r.note().isEmpty()) << qPrintable(text);
        }
    }
}

TEST(CssColorWriter, WritesAsCssDoes)
{
    const std::int32_t blue = 0xB45F1A; // #1A5FB4, red in the low byte
    EXPECT_EQ(CssColorWriter::write(blue, CssColorForm::HexUpper), QStringLiteral("#1A5FB4"));
    EXPECT_EQ(CssColorWriter::write(blue, CssColorForm::HexLower), QStringLiteral("#1a5fb4"));
    EXPECT_EQ(CssColorWriter::write(blue, CssColorForm::Rgb), QStringLiteral("rgb(26 95 180)"));
    EXPECT_EQ(CssColorWriter::write(0x0000FF, CssColorForm::Hsl), QStringLiteral("hsl(0 100% 50%)"));
    EXPECT_EQ(CssColorWriter::write(0x0000FF, CssColorForm::Oklch), QStringLiteral("oklch(62.796% 0.25768 29.234)"));
    // Greys have no hue.
    EXPECT_EQ(CssColorWriter::write(0x808080, CssColorForm::Oklch), QStringLiteral("oklch(59.987% 0 0)"));
    EXPECT_EQ(CssColorWriter::write(0x808080, CssColorForm::Hsl), QStringLiteral("hsl(0 0% 50.2%)"));
    for (CssColorForm f : kCssColorForms)
        EXPECT_EQ(cssColorFormFromName(cssColorFormName(f)), f);
    EXPECT_FALSE(cssColorFormFromName(u"lab()"));
}

} // namespace
} // namespace tessary
