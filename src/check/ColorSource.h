// SPDX-License-Identifier: MIT
#pragma once

#include "check/InputError.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <variant>

namespace tessary {

// Named colours read from a file: design tokens by their dotted path, CSS custom properties
// by their name. A name is looked up with its aliases followed.
class ColorSource {
public:
    using Lookup = std::variant<std::int32_t, InputError>;

    virtual ~ColorSource() = default;
    // The colour value (red in the low byte), or why the name gives none.
    virtual Lookup color(const QString& name) const = 0;
    // Every name the file defines, in file order.
    virtual QStringList names() const = 0;
};

} // namespace tessary
