// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// Texts the main window builds for its caption and its option buttons.
class MainCaptions {
public:
    // "Tessary Ver." followed by major "." minor, e.g. "Tessary Ver.2.0".
    static QString windowCaption(int major, int minor);
    // The caption shown after in-place editing: a text of more than 10 characters is cut
    // to its first 10 followed by "...". Characters are counted as the user sees them, so
    // a character outside the basic plane is never cut in half.
    static QString shortenedCaption(const QString& text);
    // A text as a button caption shows it literally: "&" would otherwise mark an access key.
    static QString literalCaption(const QString& text);
};

} // namespace tessary
