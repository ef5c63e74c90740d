// SPDX-License-Identifier: MIT
#pragma once

#include "language/UiLanguage.h"

#include <optional>

namespace tessary {

class CiniFile;

// The interface language in its own section of the settings file. A file without it means
// Japanese, and a program whose user never chose a language writes no such section.
class LanguageSettings {
public:
    static constexpr const char* Section = "Language";
    static constexpr const char* Key = "UI";

    // None when the file holds no usable language.
    static std::optional<UiLanguage::Kind> read(CiniFile& ini);
    // Writes the language the user chose; without a choice the file stays as it is.
    static void write(CiniFile& ini, std::optional<UiLanguage::Kind> chosen);
};

} // namespace tessary
