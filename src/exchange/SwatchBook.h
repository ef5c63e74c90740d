// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tessary {

// A named, ordered list of colours, as the exchange formats hold them.
struct SwatchBook {
    struct Swatch {
        QString name;        // palette formats: the colour's name
        QString key;         // CSS and design tokens: the property or token name (unique)
        QString description; // CSS and design tokens: the comment or description
        int red = 0;         // each 0..255
        int green = 0;
        int blue = 0;
    };

    QString name;
    QStringList commentLines;
    int columns = 0; // the column count a palette editor shows; 0 lets it choose
    QList<Swatch> swatches;
};

} // namespace tessary
