// SPDX-License-Identifier: MIT
#include "historyview/HistoryViewSettings.h"

#include "platform/Numeric.h"
#include "settings/CiniFile.h"
#include "settings/ConfigConversions.h"

namespace tessary {

namespace {

const QString kSection = QString::fromLatin1(HistoryViewSettings::Section);
const QString kVisible = QStringLiteral("Visible");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
// No value in the file reads as this.
const QString kMissing = QStringLiteral("\x01");

std::optional<double> position(const QString& text)
{
    bool ok = false;
    const double v = strictNumber(text, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

} // namespace

std::optional<HistoryViewSettings> HistoryViewSettings::read(CiniFile& ini)
{
    const QString visible = ini.readData(kSection, kVisible, kMissing);
    const QString left = ini.readData(kSection, kLeft, kMissing);
    const QString top = ini.readData(kSection, kTop, kMissing);
    if (visible == kMissing && left == kMissing && top == kMissing)
        return std::nullopt;
    HistoryViewSettings s;
    s.visible = ConfigConversions::flagFromNumber(ConfigConversions::wholeNumber(visible)).value_or(false);
    // A corner needs both coordinates.
    const auto l = position(left);
    const auto t = position(top);
    if (l && t) {
        s.left = l;
        s.top = t;
    }
    return s;
}

void HistoryViewSettings::write(CiniFile& ini) const
{
    ini.writeData(kSection, kVisible, QString::number(ConfigConversions::numberFromFlag(visible)));
    if (left && top) {
        ini.writeData(kSection, kLeft, ConfigConversions::formatReal(*left));
        ini.writeData(kSection, kTop, ConfigConversions::formatReal(*top));
    }
}

} // namespace tessary
