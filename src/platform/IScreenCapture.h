// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <cstdint>
#include <functional>

class QObject;

namespace tessary {

class IScreenCapture {
public:
    // A copy of one screen at its own resolution.
    struct Screen {
        QImage image;       // device pixels
        QRect geometry;     // the screen on the virtual desktop, logical pixels
        double dpr = 1.0;   // device pixels per logical pixel
    };

    // What the desktop gave when asked through its portal.
    struct DesktopAnswer {
        enum class Kind {
            Screenshot,    // image holds the desktop, device pixels
            Colour,        // the desktop's own picker chose colour
            Cancelled,     // the user cancelled in the desktop's dialog
            Unavailable,   // no portal, or it refused
        };
        Kind kind = Kind::Unavailable;
        QImage image;
        std::int32_t colour = 0;   // colour value
    };

    virtual ~IScreenCapture() = default;

    // False where the program cannot read the screen itself (a Wayland client).
    virtual bool canGrab() = 0;
    // One copy per screen; empty when the window system refuses.
    virtual QList<Screen> grabScreens() = 0;
    // Asks the desktop for a screenshot or, failing that, for a colour from its own picker.
    // Never blocks: done runs later on this thread, and not at all once context is gone.
    virtual void askDesktop(QObject* context, std::function<void(const DesktopAnswer&)> done) = 0;
};

} // namespace tessary
