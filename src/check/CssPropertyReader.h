// SPDX-License-Identifier: MIT
#pragma once

#include "check/ColorSource.h"

#include <QByteArrayView>
#include <QHash>
#include <memory>
#include <variant>

namespace tessary {

// Custom properties ("--name: value;") of a style sheet, wherever they are declared; a later
// declaration of a name replaces an earlier one. A value is a colour (CssColorValue) or
// var(--other) with an optional fallback, followed to the colour it names; a chain of var()
// that comes back on itself is refused. Other values (lengths, fonts) are kept but are no
// colour, which only matters when a pair names them.
//
// Refused whole, with the line: a comment left open, text that is not UTF-8, a file over
// InputText::kMaxFileBytes, more than kMaxProperties declarations.
class CssPropertyReader : public ColorSource {
public:
    static constexpr int kMaxProperties = 200000;
    static constexpr int kMaxChain = 64;

    using Result = std::variant<std::shared_ptr<CssPropertyReader>, InputError>;

    static Result read(QByteArrayView bytes, const QString& fileName);

    // name with or without its leading "--".
    Lookup color(const QString& name) const override;
    QStringList names() const override { return m_order; }

private:
    struct Property {
        QString value;
        int line = 0;
    };

    QString m_file;
    QHash<QString, Property> m_properties; // by name without "--"
    QStringList m_order;
};

} // namespace tessary
