// SPDX-License-Identifier: MIT
#include "cvd/Distinguishability.h"

#include "contrast/Oklab.h"
#include "cvd/VisionSimulator.h"

namespace tessary {

VisionKind Distinguishability::kindOf(Vision v)
{
    switch (v) {
    case Protan:
        return VisionKind::Protanopia;
    case Deutan:
        return VisionKind::Deuteranopia;
    case Tritan:
        return VisionKind::Tritanopia;
    default:
        return VisionKind::None;
    }
}

Distinguishability::Pair Distinguishability::of(std::int32_t a, std::int32_t b)
{
    static const std::array<VisionSimulator, VisionCount> simulators = {
        VisionSimulator(VisionMode()), VisionSimulator(VisionMode(VisionKind::Protanopia, 100)),
        VisionSimulator(VisionMode(VisionKind::Deuteranopia, 100)),
        VisionSimulator(VisionMode(VisionKind::Tritanopia, 100))};
    Pair p;
    for (int v = 0; v < VisionCount; ++v) {
        const auto& sim = simulators[size_t(v)];
        p.distance[size_t(v)] = Oklab::distance(Oklab::fromColorValue(sim.simulate(a)),
                                                Oklab::fromColorValue(sim.simulate(b)));
        if (p.distance[size_t(v)] < kThreshold)
            p.lostUnder.push_back(Vision(v));
    }
    return p;
}

std::vector<Distinguishability::Pair> Distinguishability::ofScheme(const std::array<std::int32_t, 5>& colors)
{
    std::vector<Pair> pairs;
    auto add = [&](int i, int j) {
        Pair p = of(colors[size_t(i)], colors[size_t(j)]);
        p.first = i;
        p.second = j;
        pairs.push_back(std::move(p));
    };
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j)
            add(i, j);
    for (int i = 0; i < 3; ++i)
        for (int j = 3; j < 5; ++j)
            add(i, j);
    return pairs;
}

} // namespace tessary
