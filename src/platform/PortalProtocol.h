// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace tessary {

// The window-free parts of talking to the desktop portal: request tokens, the object path a
// request's answer comes from, and colours given as fractions.
class PortalProtocol {
public:
    static constexpr const char* service = "org.freedesktop.portal.Desktop";
    static constexpr const char* objectPath = "/org/freedesktop/portal/desktop";
    static constexpr const char* screenshotInterface = "org.freedesktop.portal.Screenshot";
    static constexpr const char* requestInterface = "org.freedesktop.portal.Request";

    // Answer codes of a request.
    enum Response : unsigned { Success = 0, Cancelled = 1, Ended = 2 };

    // A handle token made of letters, digits and underscores only, unique per random value.
    static QString handleToken(quint32 random);

    // The path the portal answers a request on: the caller's unique bus name without its
    // leading ':' and with '.' as '_', then the token.
    static QString requestPath(const QString& uniqueName, const QString& token);

    // A fraction 0..1 as a byte 0..255, rounded to nearest (not cut off, which would turn a
    // value just below 128/255 into 127); out of range values are clamped, NaN gives 0.
    static int colourByte(double fraction);
    static std::int32_t colourValue(double red, double green, double blue);
};

} // namespace tessary
