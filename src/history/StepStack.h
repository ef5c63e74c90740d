// SPDX-License-Identifier: MIT
#pragma once

#include "history/HistoryStep.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>

namespace tessary {

// The steps of the history, kept small: a step holds the colours and the selection inline
// and shares everything else (texts, fonts, style, picture) with its neighbours until it
// changes, so a long run of colour changes costs about a hundred bytes a step.
class StepStack {
public:
    int size() const { return static_cast<int>(m_steps.size()); }
    bool empty() const { return m_steps.empty(); }
    HistoryStep at(int index) const;
    const QString& label(int index) const { return m_steps[static_cast<std::size_t>(index)].label; }

    void push(const HistoryStep& step);
    // The newest step's after-state and label are replaced.
    void amendTop(const SchemeState& after);
    void popTop() { m_steps.pop_back(); }
    void dropOldest() { m_steps.pop_front(); }
    void truncate(int count);
    void clear() { m_steps.clear(); }

private:
    // All of a scheme but its colours and selection.
    struct Rest {
        std::array<SchemeLabel, SchemeState::LabelCount> labels;
        StyleParams style;
        bool pictureShown = false;
        QString pictureFile;

        bool operator==(const Rest&) const = default;
    };
    using RestRef = std::shared_ptr<const Rest>;

    struct Compact {
        QString label;
        std::array<std::int32_t, SchemeState::ObjectCount> colorsBefore{};
        std::array<std::int32_t, SchemeState::ObjectCount> colorsAfter{};
        RestRef restBefore;
        RestRef restAfter;
        std::int8_t selectedBefore = 0;
        std::int8_t selectedAfter = 0;
    };

    RestRef share(const SchemeState& state, const RestRef& near1, const RestRef& near2) const;
    static SchemeState expand(const std::array<std::int32_t, SchemeState::ObjectCount>& colors, int selected,
                              const Rest& rest);

    std::deque<Compact> m_steps;
};

} // namespace tessary
