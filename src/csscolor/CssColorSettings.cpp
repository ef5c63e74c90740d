// SPDX-License-Identifier: MIT
#include "csscolor/CssColorSettings.h"

#include "settings/CiniFile.h"

namespace tessary {

namespace {

const QString kSection = QStringLiteral("CssColor");
const QString kCopyFormKey = QStringLiteral("CopyForm");
const QString kOklchPageKey = QStringLiteral("OklchPage");

} // namespace

CssColorSettings CssColorSettings::read(CiniFile& ini)
{
    CssColorSettings s;
    const QString defaultForm = cssColorFormName(s.copyForm);
    s.copyForm = cssColorFormFromName(ini.readData(kSection, kCopyFormKey, defaultForm)).value_or(s.copyForm);
    s.oklchPage = ini.readData(kSection, kOklchPageKey, QStringLiteral("0")).trimmed() == QStringLiteral("1");
    return s;
}

void CssColorSettings::write(CiniFile& ini) const
{
    if (*this == CssColorSettings() && !ini.hasKey(kSection, kCopyFormKey) && !ini.hasKey(kSection, kOklchPageKey))
        return;
    ini.writeData(kSection, kCopyFormKey, cssColorFormName(copyForm));
    ini.writeData(kSection, kOklchPageKey, oklchPage ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace tessary
