// SPDX-License-Identifier: MIT
#pragma once

namespace tessary {

class IRandom {
public:
    virtual ~IRandom() = default;
    // A uniform real in [0, 1).
    virtual double next() = 0;
};

} // namespace tessary
