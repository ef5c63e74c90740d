// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/ExchangeFormat.h"

#include <QString>
#include <array>
#include <optional>

namespace tessary {

// Which export format a file name or a save-dialog choice stands for, and the dialog
// filters that offer them. Filters are in the common dialog's form
// "description|*.a;*.b|description|...".
class ExchangeFileType {
public:
    static constexpr std::array<ExchangeFormat, 5> kFormats = {ExchangeFormat::Css, ExchangeFormat::Json,
                                                               ExchangeFormat::DesignTokens, ExchangeFormat::Gpl,
                                                               ExchangeFormat::Ase};

    // One entry per format, in the order of kFormats.
    static QString saveFilter();
    // The filter for reading palettes.
    static QString gplOpenFilter();
    // The suffix a new file of the format gets, without the dot ("css", "tokens.json").
    static QString suffix(ExchangeFormat format);

    // The format a file name's suffix stands for (letter case ignored); ".tokens.json" is
    // design tokens, any other ".json" our own form. Empty when no format has the suffix.
    static std::optional<ExchangeFormat> fromFileName(const QString& fileName);
    // The format of the save filter's entry at a 1-based index; empty outside 1..5.
    static std::optional<ExchangeFormat> fromFilterIndex(int filterIndex);

    struct Target {
        ExchangeFormat format;
        QString fileName;
    };
    // Where and how a save goes. A name with a known suffix is saved under that name in the
    // suffix's format, whatever filter entry was chosen (1-based; 0 when the dialog did not
    // say), except that the design-token entry takes a plain ".json" name as its own; any
    // other name in the chosen entry's format with its suffix added. Empty for an empty
    // name, and for a name of no known format when no entry was chosen.
    static std::optional<Target> saveTarget(const QString& fileName, int filterIndex = 0);
};

} // namespace tessary
