// SPDX-License-Identifier: MIT
#include "platform/QtScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#ifdef TESSARY_HAVE_PORTAL
#include "platform/DesktopPortal.h"
#endif

namespace tessary {

bool QtScreenCapture::canGrab()
{
    // A Wayland client cannot read the screen; under XWayland a grab sees only the X
    // windows, so a Wayland session counts even when the program talks X.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QList<IScreenCapture::Screen> QtScreenCapture::grabScreens()
{
    QList<Screen> shots;
    for (QScreen* s : QGuiApplication::screens()) {
        const QPixmap shot = s->grabWindow(0);
        if (shot.isNull())
            continue;
        // Kept at the screen's own resolution: drawn into logical pixels, a scaled screen
        // would lose or repeat device-pixel columns.
        shots.append({shot.toImage().convertToFormat(QImage::Format_RGB32), s->geometry(), shot.devicePixelRatio()});
    }
    return shots;
}

void QtScreenCapture::askDesktop(QObject* context, std::function<void(const DesktopAnswer&)> done)
{
#ifdef TESSARY_HAVE_PORTAL
    // The portal object lives with the asker, so a closed picker drops a late answer.
    auto* portal = new DesktopPortal(QDBusConnection::sessionBus(), context);
    portal->ask([portal, done = std::move(done)](const DesktopAnswer& answer) {
        portal->deleteLater();
        done(answer);
    });
#else
    QTimer::singleShot(0, context, [done = std::move(done)] { done({}); });
#endif
}

} // namespace tessary
