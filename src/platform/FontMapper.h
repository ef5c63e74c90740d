// SPDX-License-Identifier: MIT
#pragma once

#include "platform/StdFont.h"

#include <QFont>

namespace tessary {

// Turns font objects into Qt fonts. Face names of the Windows Japanese fonts, which do not
// exist here, are mapped to installed faces of the same kind (Mincho to a serif CJK face,
// Gothic to a sans CJK face).
class FontMapper {
public:
    static void installSubstitutions();
    // The installed face drawn for a face name: for a Windows Japanese name the first
    // installed face of its kind, looked up once per run; any other name unchanged.
    static QString installedFace(const QString& name);
    // The first face of the list that is installed, else the last one, which should be a
    // generic name that always matches.
    static QString firstInstalled(const QStringList& faces);
    static QFont toQFont(const StdFont& font);
    // The installed family that font is drawn with: for a substituted name, the face it maps to.
    static QString drawnFamily(const StdFont& font);
};

} // namespace tessary
