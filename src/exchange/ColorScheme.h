// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tessary {

// What a scheme export holds: the five colours in colour-object order (the three sample
// texts, then the two backgrounds) and the three sample texts.
struct ColorScheme {
    static constexpr int kColorCount = 5;
    static constexpr int kTextCount = 3;

    // Colour values with red in the low byte (0x00BBGGRR); bits above the 24th are ignored.
    std::array<std::int32_t, kColorCount> colors{};
    std::array<QString, kTextCount> sampleTexts;
};

} // namespace tessary
