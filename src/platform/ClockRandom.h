// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IRandom.h"

#include <random>

namespace tessary {

// Uniform reals in [0, 1) from a generator seeded once from the clock.
class ClockRandom : public IRandom {
public:
    ClockRandom();
    double next() override;

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
};

} // namespace tessary
