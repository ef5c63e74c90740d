// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace tessary {

class CiniFile;

// What the settings file keeps of the history window, in a section of its own written after
// all the others: [HistoryWindow] Visible=0|1, Left=<twips>, Top=<twips>. A file without the
// section has none, and a run that never opens the window writes none.
struct HistoryViewSettings {
    static constexpr const char* Section = "HistoryWindow";

    bool visible = false;
    // The window's outer top-left corner in twips; none until it was placed once.
    std::optional<double> left;
    std::optional<double> top;

    bool operator==(const HistoryViewSettings&) const = default;

    static std::optional<HistoryViewSettings> read(CiniFile& ini);
    void write(CiniFile& ini) const;
};

} // namespace tessary
