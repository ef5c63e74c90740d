// SPDX-License-Identifier: MIT
#include "language/LanguageSettings.h"

#include "settings/CiniFile.h"

namespace tessary {

std::optional<UiLanguage::Kind> LanguageSettings::read(CiniFile& ini)
{
    return UiLanguage::fromCode(ini.readData(QLatin1String(Section), QLatin1String(Key), QString()));
}

void LanguageSettings::write(CiniFile& ini, std::optional<UiLanguage::Kind> chosen)
{
    if (chosen)
        ini.writeData(QLatin1String(Section), QLatin1String(Key), UiLanguage::code(*chosen));
}

} // namespace tessary
