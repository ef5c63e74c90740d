// SPDX-License-Identifier: MIT
#pragma once

#include "scheme/SchemeState.h"

#include <QString>
#include <vector>

namespace tessary {

// One user action on the scheme: what it was called and the scheme before and after it.
struct HistoryStep {
    QString label;
    SchemeState before;
    SchemeState after;

    bool operator==(const HistoryStep&) const = default;
};

// A scheme the user kept under a name.
struct HistorySnapshot {
    QString name;
    // When it was kept, as ISO 8601 text in UTC.
    QString time;
    SchemeState state;

    bool operator==(const HistorySnapshot&) const = default;
};

// What the history file holds: the steps, oldest first, how many of them are done (the rest
// can be redone), and the snapshots.
struct HistoryData {
    std::vector<HistoryStep> steps;
    int position = 0;
    std::vector<HistorySnapshot> snapshots;

    bool operator==(const HistoryData&) const = default;
};

} // namespace tessary
