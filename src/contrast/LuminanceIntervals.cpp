// SPDX-License-Identifier: MIT
#include "contrast/LuminanceIntervals.h"

#include "contrast/Wcag.h"

#include <algorithm>
#include <cmath>

namespace tessary {

namespace {
constexpr double kFlare = Wcag::kFlare;
}

LuminanceIntervals::LuminanceIntervals(double background1, double background2, double target)
{
    const double dark = std::min(background1, background2) + kFlare;
    const double light = std::max(background1, background2) + kFlare;
    auto add = [this](double low, double high) {
        low = std::max(low, 0.0);
        high = std::min(high, 1.0);
        if (low <= high)
            m_intervals.push_back({low, high});
    };
    add(0.0, dark / target - kFlare);
    add(target * dark - kFlare, light / target - kFlare);
    add(target * light - kFlare, 1.0);
}

double LuminanceIntervals::bestRatio(double background1, double background2)
{
    const double dark = std::min(background1, background2) + kFlare;
    const double light = std::max(background1, background2) + kFlare;
    return std::max({dark / kFlare, (1.0 + kFlare) / light, std::sqrt(light / dark)});
}

} // namespace tessary
