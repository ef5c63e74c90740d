// SPDX-License-Identifier: MIT
#pragma once

#include "check/CheckInput.h"
#include "check/CheckOptions.h"
#include "contrast/ContrastMarks.h"
#include "cvd/Distinguishability.h"

#include <optional>
#include <vector>

namespace tessary {

// The checker's verdicts, computed with the contrast window's own functions: the WCAG ratio
// and marks, the large-text rule, and 提案's search for --fix.
struct CheckRun {
    struct Result {
        CheckPair pair;
        // The colours judged: the pair's own, or as the --vision mode sees them.
        std::int32_t seenText = 0;
        std::int32_t seenBackground = 0;
        double ratio = 1.0;
        ContrastMarks marks;
        bool large = false;
        double required = 4.5;
        bool pass = false;
        // --fix on a failing pair: the proposal and its ratio, or none found.
        bool fixAsked = false;
        std::optional<std::int32_t> fix;
        double fixRatio = 0.0;
    };

    struct Distinct {
        QString first;
        QString second;
        Distinguishability::Pair distances;
    };

    std::vector<Result> results;
    std::vector<Distinct> distinct;

    int failures() const;
    int hardToTell() const;
    // 0 when every pair passes (and, with --distinguish, none is hard to tell apart), else 1.
    int exitStatus() const { return failures() + hardToTell() > 0 ? 1 : 0; }

    static CheckRun run(const CheckInput& input, const CheckOptions& options);
};

} // namespace tessary
