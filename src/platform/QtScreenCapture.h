// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IScreenCapture.h"

namespace tessary {

class QtScreenCapture : public IScreenCapture {
public:
    QImage grabDesktop() override;
};

} // namespace tessary
