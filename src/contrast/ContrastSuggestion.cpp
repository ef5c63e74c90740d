// SPDX-License-Identifier: MIT
#include "contrast/ContrastSuggestion.h"

#include "contrast/GamutMap.h"
#include "contrast/LuminanceIntervals.h"
#include "contrast/Wcag.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tessary {

namespace {

constexpr int kBisections = 48;

// The lightness line through the text colour's hue and chroma.
class LightnessLine {
public:
    LightnessLine(const Oklch& base, double y1, double y2, double target)
        : m_base(base), m_y1(y1), m_y2(y2), m_target(target)
    {
    }

    std::int32_t colorAt(double L) const { return GamutMap::toColorValue({L, m_base.C, m_base.h}); }

    bool passes(std::int32_t c) const
    {
        const double y = Wcag::luminance(c);
        return Wcag::ratio(y, m_y1) >= m_target && Wcag::ratio(y, m_y2) >= m_target;
    }

    // The lightness range whose gamut-mapped colours have a luminance inside the interval.
    // Luminance rises with L along the line (up to noise far below an 8-bit step).
    std::pair<double, double> lightnessRange(const LuminanceIntervals::Interval& range) const
    {
        double low = 0.0;
        if (range.low > 0.0)
            low = bisect([&](double y) { return y < range.low; }).second;
        double high = 1.0;
        if (range.high < 1.0)
            high = bisect([&](double y) { return y <= range.high; }).first;
        return {low, high};
    }

    // Walks from one lightness to another (both included) in steps; the first passing colour.
    std::optional<std::int32_t> scan(double from, double to) const
    {
        const double step = from <= to ? ContrastSuggestion::kStep : -ContrastSuggestion::kStep;
        std::int32_t last = -1;
        for (double L = from;; L += step) {
            const bool end = step > 0.0 ? L >= to : L <= to;
            if (end)
                L = to;
            const std::int32_t c = colorAt(L);
            if (c != last && passes(c))
                return c;
            last = c;
            if (end)
                return std::nullopt;
        }
    }

private:
    // Splits 0..1 where below(luminance) stops holding; returns the last L where it holds
    // and the first where it does not.
    template <typename Below>
    std::pair<double, double> bisect(Below below) const
    {
        double lo = 0.0;
        double hi = 1.0;
        for (int i = 0; i < kBisections; ++i) {
            const double mid = (lo + hi) / 2.0;
            if (below(Wcag::luminance(GamutMap::toSrgb({mid, m_base.C, m_base.h}))))
                lo = mid;
            else
                hi = mid;
        }
        return {lo, hi};
    }

    Oklch m_base;
    double m_y1;
    double m_y2;
    double m_target;
};

} // namespace

ContrastSuggestion ContrastSuggestion::find(std::int32_t text, std::int32_t background1, std::int32_t background2,
                                            double target)
{
    text &= 0xFFFFFF;
    const double y1 = Wcag::luminance(background1);
    const double y2 = Wcag::luminance(background2);

    ContrastSuggestion s;
    s.target = target;
    s.original = text;
    s.proposal = text;
    s.originalLch = Oklch::fromColorValue(text);
    s.proposalLch = s.originalLch;
    s.bestRatio = LuminanceIntervals::bestRatio(y1, y2);

    auto settle = [&](Outcome outcome, std::int32_t colour) {
        s.outcome = outcome;
        s.proposal = colour;
        s.proposalLch = Oklch::fromColorValue(colour);
        const double y = Wcag::luminance(colour);
        s.ratios = {Wcag::ratio(y, y1), Wcag::ratio(y, y2)};
        s.deltaL = s.proposalLch.L - s.originalLch.L;
        s.deltaE = Oklab::distance(Oklab::fromColorValue(colour), Oklab::fromColorValue(text));
        return s;
    };

    const LightnessLine line(s.originalLch, y1, y2, target);
    if (line.passes(text))
        return settle(Outcome::AlreadyPasses, text);
    const LuminanceIntervals feasible(y1, y2, target);
    if (feasible.isEmpty())
        return settle(Outcome::Impossible, text);

    // The nearest passing colour below and above the present lightness: ranges are taken
    // outward from L0, each walked from its near edge to its far one.
    const double L0 = s.originalLch.L;
    std::vector<std::pair<double, double>> ranges;
    for (const auto& interval : feasible.intervals())
        ranges.push_back(line.lightnessRange(interval));
    std::optional<std::int32_t> darker;
    for (auto it = ranges.rbegin(); it != ranges.rend() && !darker; ++it) {
        if (it->first <= L0)
            darker = line.scan(std::max(std::min(L0, it->second), it->first), it->first);
    }
    std::optional<std::int32_t> lighter;
    for (auto it = ranges.begin(); it != ranges.end() && !lighter; ++it) {
        if (it->second >= L0)
            lighter = line.scan(std::min(std::max(L0, it->first), it->second), it->second);
    }

    if (!darker && !lighter)
        return settle(Outcome::NoneAtThisHue, text);
    if (!darker || !lighter)
        return settle(Outcome::Proposed, darker ? *darker : *lighter);
    const double downBy = L0 - Oklab::fromColorValue(*darker).L;
    const double upBy = Oklab::fromColorValue(*lighter).L - L0;
    return settle(Outcome::Proposed, upBy < downBy ? *lighter : *darker);
}

} // namespace tessary
