// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

namespace tessary {

class CiniFile;

// Where a window beside the display window was, as a section of the settings file keeps it:
// Visible=0|1, Left=<twips>, Top=<twips> (the outer top-left corner).
struct WindowPlace {
    bool visible = false;
    // None until the window was placed once; a corner needs both coordinates.
    std::optional<double> left;
    std::optional<double> top;

    bool operator==(const WindowPlace&) const = default;

    // Nothing when the section has none of the three keys.
    static std::optional<WindowPlace> read(CiniFile& ini, const QString& section);
    void write(CiniFile& ini, const QString& section) const;
};

} // namespace tessary
