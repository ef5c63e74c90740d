// SPDX-License-Identifier: MIT
#pragma once

#include "csscolor/CssTokenizer.h"

#include <QString>
#include <array>
#include <optional>

namespace tessary {

// One value inside a colour function. Angles are in degrees whatever unit was written.
struct CssArgument {
    enum class Kind { Number, Percentage, Angle, None };
    Kind kind = Kind::None;
    double value = 0.0;
    QStringView text;
};

// The values of a colour function, "rgb(1 2 3 / 50%)" or "rgb(1, 2, 3, 0.5)": three channels
// and an optional alpha, with the separators checked. color() starts with the name of a space.
class CssColorArguments {
public:
    // Reads from the token after the function token up to its ")" (which may be missing at
    // the end of the text, as CSS closes what is left open). False with a message in
    // Japanese when the values are not three (plus alpha) or are separated wrongly.
    bool read(const CssTokenizer& tokens, int first, bool startsWithSpace);

    QStringView space;
    std::array<CssArgument, 3> channels{};
    std::optional<CssArgument> alpha;
    // Separated by commas, as CSS wrote colours before: no "none", alpha as a fourth value.
    bool commas = false;
    QString error;

private:
    bool fail(const QString& message);
};

} // namespace tessary
