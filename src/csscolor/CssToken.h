// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

namespace tessary {

// One token of a colour text as CSS reads it. Names (identifiers, function names, units, the
// text after "#") point into the text that was read.
struct CssToken {
    enum class Kind { Ident, Function, Hash, Number, Percentage, Dimension, Comma, Slash, Close, Delim };

    Kind kind = Kind::Delim;
    QStringView name;   // Ident, Function (without "("), Hash (without "#"), Dimension's unit, Delim
    double value = 0.0; // Number, Percentage, Dimension
    QStringView text;   // the token as written, for messages
};

} // namespace tessary
