// SPDX-License-Identifier: MIT
#include "platform/PortalProtocol.h"

#include "platform/ColorValue.h"

#include <algorithm>
#include <cmath>

namespace tessary {

QString PortalProtocol::handleToken(quint32 random)
{
    return QStringLiteral("tessary_%1").arg(random, 8, 16, QLatin1Char('0'));
}

QString PortalProtocol::requestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName.startsWith(u':') ? uniqueName.mid(1) : uniqueName;
    sender.replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

int PortalProtocol::colourByte(double fraction)
{
    if (std::isnan(fraction))
        return 0;
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 255.0));
}

std::int32_t PortalProtocol::colourValue(double red, double green, double blue)
{
    return ColorValue::pack(colourByte(red), colourByte(green), colourByte(blue));
}

} // namespace tessary
