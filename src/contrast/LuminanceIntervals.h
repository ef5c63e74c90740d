// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace tessary {

// The text luminances (0..1) that reach a target ratio against two backgrounds at once: at
// most three disjoint intervals, darker than both, between the two, lighter than both.
// Empty when no colour of any hue can pass.
class LuminanceIntervals {
public:
    struct Interval {
        double low = 0.0;
        double high = 0.0;
        bool operator==(const Interval&) const = default;
    };

    // Background luminances in either order; target > 1.
    LuminanceIntervals(double background1, double background2, double target);

    // Ascending and disjoint.
    const std::vector<Interval>& intervals() const { return m_intervals; }
    bool isEmpty() const { return m_intervals.empty(); }

    // The highest ratio that the worse of the two pairs can reach, over every luminance:
    // black text, white text, or text halfway (geometrically) between the backgrounds.
    static double bestRatio(double background1, double background2);

private:
    std::vector<Interval> m_intervals;
};

} // namespace tessary
