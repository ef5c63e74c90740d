// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QPainter;

namespace tessary {

// Paints the name of a simulated colour vision where BadgeLayout puts it: small light text on
// a half see-through dark plate, so that nobody takes the simulation for the scheme and the
// scheme still shows through.
class VisionBadge {
public:
    // baseFont is the window's font; the badge uses it a little smaller.
    static void paint(QPainter& painter, const QSize& client, const QFont& baseFont, const QString& text);
};

} // namespace tessary
