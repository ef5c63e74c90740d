// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastSuggestion.h"

#include <array>
#include <optional>

namespace tessary {

// What 提案 answers for one text: the nearest colour that passes against both backgrounds;
// when there is none, the nearest one against each background on its own. The contrast window
// and the checker both ask here, so their proposals are the same.
struct ContrastProposal {
    ContrastSuggestion both;
    // Set when both found nothing: [0] against background 1 alone, [1] against background 2.
    std::optional<std::array<ContrastSuggestion, 2>> perBackground;

    static ContrastProposal find(std::int32_t text, std::int32_t background1, std::int32_t background2,
                                 double target);

    // The colour proposed for the pair with one background (0 or 1): the proposal for both
    // when there is one, else the one for that background; none when neither proposes.
    std::optional<std::int32_t> forBackground(int background) const;
    // The proposal's ratio against that background.
    double ratioAgainst(int background) const;
};

} // namespace tessary
