// SPDX-License-Identifier: MIT
#include "platform/ClockRandom.h"

#include <chrono>

namespace tessary {

ClockRandom::ClockRandom()
    : m_engine(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

double ClockRandom::next()
{
    double v = m_dist(m_engine);
    return v < 1.0 ? v : 0.0;
}

} // namespace tessary
