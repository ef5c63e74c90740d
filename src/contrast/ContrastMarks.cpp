// SPDX-License-Identifier: MIT
#include "contrast/ContrastMarks.h"

namespace tessary {

ContrastMarks ContrastMarks::of(double ratio)
{
    return {ratio >= Wcag::kAA, ratio >= Wcag::kAAA, ratio >= Wcag::kAALarge, ratio >= Wcag::kAAALarge};
}

bool ContrastMarks::meets(Wcag::Level level, bool large) const
{
    if (level == Wcag::Level::AAA)
        return large ? aaaLarge : aaa;
    return large ? aaLarge : aa;
}

std::optional<Wcag::Level> ContrastMarks::best(bool large) const
{
    if (meets(Wcag::Level::AAA, large))
        return Wcag::Level::AAA;
    if (meets(Wcag::Level::AA, large))
        return Wcag::Level::AA;
    return std::nullopt;
}

} // namespace tessary
