// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace tessary {

class IScreenCapture {
public:
    virtual ~IScreenCapture() = default;
    // A copy of the whole desktop; a null image when the window system refuses.
    virtual QImage grabDesktop() = 0;
};

} // namespace tessary
