// SPDX-License-Identifier: MIT
#include "check/CheckRun.h"

#include "contrast/ContrastProposal.h"
#include "cvd/VisionSimulator.h"

#include <QSet>
#include <algorithm>

namespace tessary {

int CheckRun::failures() const
{
    return int(std::count_if(results.begin(), results.end(), [](const Result& r) { return !r.pass; }));
}

int CheckRun::hardToTell() const
{
    return int(std::count_if(distinct.begin(), distinct.end(), [](const Distinct& d) { return d.distances.flagged(); }));
}

CheckRun CheckRun::run(const CheckInput& input, const CheckOptions& options)
{
    CheckRun run;
    const VisionSimulator simulator(options.vision.value_or(VisionMode()));
    run.results.reserve(input.pairs.size());
    for (const CheckPair& p : input.pairs) {
        Result r;
        r.pair = p;
        r.seenText = simulator.simulate(p.textColor);
        r.seenBackground = simulator.simulate(p.backgroundColor);
        r.ratio = Wcag::ratio(Wcag::luminance(r.seenText), Wcag::luminance(r.seenBackground));
        r.marks = ContrastMarks::of(r.ratio);
        r.large = options.rule.isLarge(p.points, p.bold);
        r.required = Wcag::threshold(options.target, r.large);
        r.pass = r.marks.meets(options.target, r.large);
        run.results.push_back(r);
    }

    if (options.fix) {
        // A scheme's text is searched against both backgrounds, as 提案 does; a single pair
        // against its one background.
        for (size_t k = 0; k < run.results.size(); ++k) {
            Result& r = run.results[k];
            if (r.pass)
                continue;
            r.fixAsked = true;
            if (input.isScheme()) {
                const int text = int(k / 2);
                const int background = int(k % 2);
                const auto proposal = ContrastProposal::find(input.schemeColors[size_t(text)], input.schemeColors[3],
                                                             input.schemeColors[4], r.required);
                r.fix = proposal.forBackground(background);
                r.fixRatio = proposal.ratioAgainst(background);
            } else {
                const auto s = ContrastSuggestion::find(r.pair.textColor, r.pair.backgroundColor,
                                                        r.pair.backgroundColor, r.required);
                if (s.hasProposal()) {
                    r.fix = s.proposal;
                    r.fixRatio = s.ratios[0];
                }
            }
        }
    }

    if (options.distinguish) {
        if (input.isScheme()) {
            for (const auto& d : Distinguishability::ofScheme(input.schemeColors))
                run.distinct.push_back({CheckInput::schemeName(d.first), CheckInput::schemeName(d.second), d});
        } else {
            for (const CheckPair& p : input.pairs)
                run.distinct.push_back({p.text, p.background, Distinguishability::of(p.textColor, p.backgroundColor)});
        }
    }
    return run;
}

} // namespace tessary
