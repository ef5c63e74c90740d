// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ISystemColors.h"

namespace tessary {

// Maps each classic display-element index to the nearest colour of the application
// palette; a fixed table where no role fits.
class QtSystemColors : public ISystemColors {
public:
    std::int32_t sysColor(int index) override;
};

} // namespace tessary
