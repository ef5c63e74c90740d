// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/Oklch.h"

#include <array>
#include <cstdint>

namespace tessary {

// The colour nearest to a text colour that reaches a target ratio against both backgrounds.
// The OKLCH hue and chroma are kept and only the lightness moves; every candidate is
// gamut-mapped into sRGB and judged on the 8-bit colour that would be stored.
struct ContrastSuggestion {
    enum class Outcome {
        AlreadyPasses, // the text colour itself passes: nothing to change
        Proposed,      // proposal holds the nearest passing colour
        Impossible,    // no colour of any hue passes against both backgrounds
        NoneAtThisHue, // some colour would pass, but no 8-bit colour of this hue and chroma does
    };

    // Lightness step of the search once an edge of a passing range is found.
    static constexpr double kStep = 1.0 / 4096.0;

    Outcome outcome = Outcome::Impossible;
    double target = 0.0;
    std::int32_t original = 0;
    // The proposal; the original colour when nothing is proposed.
    std::int32_t proposal = 0;
    // Of the proposal against background 1 and background 2.
    std::array<double, 2> ratios{};
    Oklch originalLch;
    Oklch proposalLch;
    // Oklab lightness and distance of the proposal from the original.
    double deltaL = 0.0;
    double deltaE = 0.0;
    // The best that the worse of the two pairs can reach with any colour.
    double bestRatio = 0.0;

    bool hasProposal() const { return outcome == Outcome::Proposed; }

    // Colour values (red in the low byte); target is a ratio above 1, e.g. 4.5. Of two
    // proposals equally near, the darker wins.
    static ContrastSuggestion find(std::int32_t text, std::int32_t background1, std::int32_t background2,
                                   double target);
};

} // namespace tessary
