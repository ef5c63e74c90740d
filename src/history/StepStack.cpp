// SPDX-License-Identifier: MIT
#include "history/StepStack.h"

namespace tessary {

namespace {

bool sameRest(const SchemeState& s, const auto& rest)
{
    return s.labels == rest.labels && s.style == rest.style && s.pictureShown == rest.pictureShown
        && s.pictureFile == rest.pictureFile;
}

} // namespace

StepStack::RestRef StepStack::share(const SchemeState& state, const RestRef& near1, const RestRef& near2) const
{
    if (near1 && sameRest(state, *near1))
        return near1;
    if (near2 && sameRest(state, *near2))
        return near2;
    auto rest = std::make_shared<Rest>();
    rest->labels = state.labels;
    rest->style = state.style;
    rest->pictureShown = state.pictureShown;
    rest->pictureFile = state.pictureFile;
    return rest;
}

SchemeState StepStack::expand(const std::array<std::int32_t, SchemeState::ObjectCount>& colors, int selected,
                              const Rest& rest)
{
    SchemeState s;
    s.colors = colors;
    s.selectedObject = selected;
    s.labels = rest.labels;
    s.style = rest.style;
    s.pictureShown = rest.pictureShown;
    s.pictureFile = rest.pictureFile;
    return s;
}

HistoryStep StepStack::at(int index) const
{
    const Compact& c = m_steps[static_cast<std::size_t>(index)];
    return {c.label, expand(c.colorsBefore, c.selectedBefore, *c.restBefore),
            expand(c.colorsAfter, c.selectedAfter, *c.restAfter)};
}

void StepStack::push(const HistoryStep& step)
{
    const RestRef previous = m_steps.empty() ? RestRef() : m_steps.back().restAfter;
    Compact c;
    c.label = step.label;
    c.colorsBefore = step.before.colors;
    c.colorsAfter = step.after.colors;
    c.selectedBefore = static_cast<std::int8_t>(step.before.selectedObject);
    c.selectedAfter = static_cast<std::int8_t>(step.after.selectedObject);
    c.restBefore = share(step.before, previous, {});
    c.restAfter = share(step.after, c.restBefore, previous);
    m_steps.push_back(std::move(c));
}

void StepStack::amendTop(const SchemeState& after)
{
    Compact& c = m_steps.back();
    c.colorsAfter = after.colors;
    c.selectedAfter = static_cast<std::int8_t>(after.selectedObject);
    c.restAfter = share(after, c.restAfter, c.restBefore);
}

void StepStack::truncate(int count)
{
    while (size() > count)
        m_steps.pop_back();
}

} // namespace tessary
