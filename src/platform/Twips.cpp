// SPDX-License-Identifier: MIT
#include "platform/Twips.h"

#include "platform/Numeric.h"

#include <QGuiApplication>
#include <QScreen>

namespace tessary {

namespace {
double dpiX()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
double dpiY()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

double Twips::perPixelX() { return 1440.0 / dpiX(); }
double Twips::perPixelY() { return 1440.0 / dpiY(); }

double Twips::screenWidth()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().width() : 1024) * perPixelX();
}

double Twips::screenHeight()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().height() : 768) * perPixelY();
}

int Twips::toPixelsX(double twips) { return roundHalfEven(twips / perPixelX()); }
int Twips::toPixelsY(double twips) { return roundHalfEven(twips / perPixelY()); }

} // namespace tessary
