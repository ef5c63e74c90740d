// SPDX-License-Identifier: MIT
#pragma once

#include "history/HistoryStep.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace tessary {

// One line of the history window: a snapshot, or a recent step as the scheme it left.
struct HistoryEntry {
    enum class Kind { Snapshot, Step };
    Kind kind = Kind::Snapshot;
    // Into the snapshots, or into the steps handed to list().
    int index = 0;
    QString name;
    SchemeState state;
    // The lowest ratio of any sample text against either background.
    double lowestContrast = 1.0;
};

class HistoryEntries {
public:
    static constexpr int kRecentSteps = 50;

    // The snapshots, newest first, then the steps done (not those undone), newest first.
    static std::vector<HistoryEntry> list(const HistoryData& data);
    // The lowest WCAG ratio of texts 0..2 against backgrounds 3 and 4.
    static double lowestTextContrast(const std::array<std::int32_t, 5>& colors);
    // Objects 0..4 whose colours differ between a and b.
    static std::array<bool, 5> differingColors(const SchemeState& a, const SchemeState& b);
};

} // namespace tessary
