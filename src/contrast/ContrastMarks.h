// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/Wcag.h"

#include <optional>

namespace tessary {

// The WCAG marks a contrast ratio earns: AA and AAA for normal text, AA大 and AAA大 for large.
struct ContrastMarks {
    bool aa = false;
    bool aaa = false;
    bool aaLarge = false;
    bool aaaLarge = false;

    static ContrastMarks of(double ratio);

    bool meets(Wcag::Level level, bool large) const;
    // The highest level that text of this size meets; none below AA.
    std::optional<Wcag::Level> best(bool large) const;

    bool operator==(const ContrastMarks&) const = default;
};

} // namespace tessary
