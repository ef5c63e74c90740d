// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/LargeTextRule.h"
#include "contrast/Wcag.h"

#include <QString>

#include <optional>

namespace tessary {

class CiniFile;

// What the settings file keeps of the contrast window, in its own section written after all
// the others:
//   [Contrast] Visible=0|1, Left=<twips>, Top=<twips>, Target=AA|AAA, LargeTextRule=Japanese|WCAG
// A value that cannot be used keeps its default; a file without the section has none.
struct ContrastSettings {
    static constexpr const char* Section = "Contrast";

    bool visible = false;
    // The window's outer top-left corner in twips; none until the window was placed once.
    std::optional<double> left;
    std::optional<double> top;
    Wcag::Level target = Wcag::Level::AA;
    LargeTextRule rule;

    bool operator==(const ContrastSettings&) const = default;

    // Nothing when the file has no such section (or none of its keys).
    static std::optional<ContrastSettings> read(CiniFile& ini);
    void write(CiniFile& ini) const;

    static QString targetText(Wcag::Level level);
    static std::optional<Wcag::Level> targetFromText(QStringView text);
    static QString ruleText(LargeTextRule::Kind kind);
    static std::optional<LargeTextRule::Kind> ruleFromText(QStringView text);
};

} // namespace tessary
