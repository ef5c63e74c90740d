// SPDX-License-Identifier: MIT
#pragma once

#include "platform/StdFont.h"

#include <QString>
#include <array>
#include <cstdint>

namespace tessary {

class CiniFile;

// Everything the settings file holds, with the defaults of a first start. Reading takes
// the default for any value it cannot use and keeps everything else; writing puts out
// every key, always in the same order, so a new file gets its sections in the order
// General, WindowPosition, StyleLattice, StyleDivide, StyleSquareOnSquare, Style, Font 1,
// Text, Font 2, Font 3, Color.
class ConfigRecord {
public:
    struct Frame {   // a window's outer frame in twips
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
        bool operator==(const Frame&) const = default;
    };

    QString prefix = QStringLiteral("#");
    bool restoreWindow = false;
    bool restoreColor = true;
    Frame mainWindow;
    std::int32_t windowState = 0;   // 0 normal, 1 minimised, 2 maximised
    Frame tessaryWindow;
    std::int32_t latticeLineWidth = 2;
    std::int32_t latticeDivideNum = 5;
    std::int32_t divideDivideNum = 6;
    std::int32_t sonsOutSideWidth = 30;
    std::int32_t style = 0;
    std::array<StdFont, 3> fonts{};
    std::array<QString, 3> texts{QStringLiteral("vLink"), QStringLiteral("aLink"), QStringLiteral("Link")};
    std::array<std::int32_t, 5> colors{};
    QString paletteFileName;   // read only, never written

    bool operator==(const ConfigRecord&) const = default;

    static ConfigRecord read(CiniFile& ini, const QString& defaultPaletteFile);
    void write(CiniFile& ini) const;
};

} // namespace tessary
