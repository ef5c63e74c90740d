// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessary {

class ISystemColors {
public:
    virtual ~ISystemColors() = default;
    // The current colour of a display element by its classic index (0 scroll bar ...
    // 24 tooltip background), as a colour value.
    virtual std::int32_t sysColor(int index) = 0;
};

} // namespace tessary
