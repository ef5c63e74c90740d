// SPDX-License-Identifier: MIT
#pragma once

#include "cvd/VisionMode.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace tessary {

// How far apart two colours look, as the OKLab distance (deltaE OK), to normal colour vision
// and through the P, D and T dichromacy simulations at full strength. This is no WCAG
// criterion: it asks whether two colours can be told apart, not whether text can be read.
//
// A pair is hard to tell apart (見分けにくい) under a vision where its distance is below
// kThreshold. CSS Color 4 (gamut mapping, "JND") takes 0.02 as one just-noticeable difference
// in OKLab; two colours meant to carry different meanings should stand well clear of that, so
// the threshold is five of them.
struct Distinguishability {
    static constexpr double kJustNoticeable = 0.02;
    static constexpr double kThreshold = 5 * kJustNoticeable;

    enum Vision { Normal, Protan, Deutan, Tritan, VisionCount };

    struct Pair {
        int first = 0;  // object 0..4 (three texts, then two backgrounds) or a caller's index
        int second = 0;
        std::array<double, VisionCount> distance{};
        // The visions under which the pair falls below the threshold, in Vision order.
        std::vector<Vision> lostUnder;
        bool flagged() const { return !lostUnder.empty(); }
    };

    static VisionKind kindOf(Vision v);
    // The distances of two colour values (red in the low byte).
    static Pair of(std::int32_t a, std::int32_t b);
    // For a scheme's five colours: every pair of texts, then every text against every
    // background, in object order.
    static std::vector<Pair> ofScheme(const std::array<std::int32_t, 5>& colors);
};

} // namespace tessary
