// SPDX-License-Identifier: MIT
#include "contrast/ContrastProposal.h"

namespace tessary {

ContrastProposal ContrastProposal::find(std::int32_t text, std::int32_t background1, std::int32_t background2,
                                        double target)
{
    ContrastProposal p;
    p.both = ContrastSuggestion::find(text, background1, background2, target);
    using O = ContrastSuggestion::Outcome;
    if (p.both.outcome == O::Impossible || p.both.outcome == O::NoneAtThisHue) {
        p.perBackground = std::array<ContrastSuggestion, 2>{
            ContrastSuggestion::find(text, background1, background1, target),
            ContrastSuggestion::find(text, background2, background2, target)};
    }
    return p;
}

std::optional<std::int32_t> ContrastProposal::forBackground(int background) const
{
    if (both.hasProposal())
        return both.proposal;
    if (perBackground && (*perBackground)[size_t(background)].hasProposal())
        return (*perBackground)[size_t(background)].proposal;
    return std::nullopt;
}

double ContrastProposal::ratioAgainst(int background) const
{
    if (both.hasProposal() || !perBackground)
        return both.ratios[size_t(background)];
    return (*perBackground)[size_t(background)].ratios[size_t(background)];
}

} // namespace tessary
