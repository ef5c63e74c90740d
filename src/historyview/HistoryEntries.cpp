// SPDX-License-Identifier: MIT
#include "historyview/HistoryEntries.h"

#include "contrast/Wcag.h"

#include <algorithm>

namespace tessary {

std::vector<HistoryEntry> HistoryEntries::list(const HistoryData& data)
{
    std::vector<HistoryEntry> out;
    const int snapshots = static_cast<int>(data.snapshots.size());
    for (int i = snapshots - 1; i >= 0; --i) {
        const HistorySnapshot& s = data.snapshots[std::size_t(i)];
        out.push_back({HistoryEntry::Kind::Snapshot, i, s.name, s.state, lowestTextContrast(s.state.colors)});
    }
    const int done = std::clamp(data.position, 0, static_cast<int>(data.steps.size()));
    for (int i = done - 1; i >= std::max(0, done - kRecentSteps); --i) {
        const HistoryStep& s = data.steps[std::size_t(i)];
        out.push_back({HistoryEntry::Kind::Step, i, s.label, s.after, lowestTextContrast(s.after.colors)});
    }
    return out;
}

double HistoryEntries::lowestTextContrast(const std::array<std::int32_t, 5>& colors)
{
    double lowest = 21.0;
    for (int text = 0; text < 3; ++text) {
        for (int background = 3; background < 5; ++background)
            lowest = std::min(lowest, Wcag::contrast(colors[std::size_t(text)], colors[std::size_t(background)]));
    }
    return lowest;
}

std::array<bool, 5> HistoryEntries::differingColors(const SchemeState& a, const SchemeState& b)
{
    std::array<bool, 5> out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = a.colors[i] != b.colors[i];
    return out;
}

} // namespace tessary
