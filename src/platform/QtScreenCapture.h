// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IScreenCapture.h"

namespace tessary {

// The screens through Qt; the desktop portal on the session bus where the platform has one.
class QtScreenCapture : public IScreenCapture {
public:
    bool canGrab() override;
    QList<Screen> grabScreens() override;
    void askDesktop(QObject* context, std::function<void(const DesktopAnswer&)> done) override;
};

} // namespace tessary
