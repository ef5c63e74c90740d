// SPDX-License-Identifier: MIT
#include "settings/VisionSettings.h"

#include "settings/CiniFile.h"

namespace tessary {

namespace {

const QString kSection = QLatin1String(VisionMode::SettingsSection);
const QString kModeKey = QLatin1String(VisionMode::ModeKey);
const QString kStrengthKey = QLatin1String(VisionMode::StrengthKey);

} // namespace

VisionMode VisionSettings::read(CiniFile& ini)
{
    const VisionMode defaults;
    return VisionMode::fromSettings(ini.readData(kSection, kModeKey, defaults.modeText()),
                                    ini.readData(kSection, kStrengthKey, defaults.strengthText()));
}

void VisionSettings::write(CiniFile& ini, const VisionMode& mode)
{
    if (mode == VisionMode() && !ini.hasKey(kSection, kModeKey) && !ini.hasKey(kSection, kStrengthKey))
        return;
    ini.writeData(kSection, kModeKey, mode.modeText());
    ini.writeData(kSection, kStrengthKey, mode.strengthText());
}

} // namespace tessary
