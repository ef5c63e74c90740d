// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace tessary {

// Reading colours typed into the main window's colour-code and channel fields, and the
// normal form the fields are rewritten in.
class ColorEntry {
public:
    // The colour of a colour-code field: nothing while the text is shorter than the prefix
    // plus six characters; otherwise the first prefix-length characters are dropped
    // (whatever they are) and the rest converts as a code, where any length other than six
    // gives black.
    static std::optional<std::int32_t> colorFromCodeField(QStringView text, QStringView prefix);

    // A channel field keeps at most the last two characters typed.
    static QString keepLastTwo(const QString& text);

    // The colour made of the three channel fields, red, green, blue. Each is padded to two
    // characters with a leading "0" when shorter, so an emptied field makes the code five
    // characters long, which gives black.
    static std::int32_t colorFromChannelFields(const QString& red, const QString& green, const QString& blue);

    // A channel value as the channel field shows it: upper-case hexadecimal without
    // leading zeros ("0" to "FF").
    static QString channelText(int value);
};

} // namespace tessary
