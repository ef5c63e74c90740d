// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/ColorScheme.h"
#include "exchange/ExchangeFileType.h"
#include "exchange/GplImport.h"
#include "exchange/PaletteExport.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace tessary {

class CommonDialog;
class DefinedColor;

// The windows' side of the exchange formats: asks for the file through the common dialog,
// writes it as a whole or not at all, and tells the user in a message box what went wrong.
class ExchangeFiles {
public:
    // The scheme as the display window holds it.
    static ColorScheme currentScheme();

    // Asks where to save the current scheme and saves it in the format of the file type
    // chosen in the dialog. False when cancelled or failed (the user has been told).
    static bool saveScheme(CommonDialog& dialog);
    // Asks for a scheme file we wrote and makes it the scheme, as one change. False when
    // cancelled or refused (the user has been told, naming the file and the place).
    static bool openScheme(CommonDialog& dialog);
    // Puts the current scheme's CSS form on the clipboard.
    static void copyScheme();

    // Asks where to export the palette and writes it there, as saveScheme does.
    static bool savePalette(CommonDialog& dialog, const DefinedColor& palette, const PaletteExport::ColorAt& colorAt);

    // Asks for a GIMP palette and reads it. Empty when cancelled or when the file could
    // not be read (the user has been told, naming the file).
    static std::optional<GplImport> readGpl(CommonDialog& dialog);

    // Writes bytes to path atomically; on failure tells the user, naming the file.
    static bool writeFile(const QString& path, const QByteArray& bytes);

private:
    using Encoder = std::function<QByteArray(ExchangeFormat)>;
    static bool save(CommonDialog& dialog, const QString& initialName, const Encoder& encode);
    static std::optional<ExchangeFileType::Target> askSaveTarget(CommonDialog& dialog, const QString& initialName);
};

} // namespace tessary
