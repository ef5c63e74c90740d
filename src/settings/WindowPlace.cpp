// SPDX-License-Identifier: MIT
#include "settings/WindowPlace.h"

#include "platform/Numeric.h"
#include "settings/CiniFile.h"
#include "settings/ConfigConversions.h"

namespace tessary {

namespace {

const QString kVisible = QStringLiteral("Visible");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
// No value in the file reads as this (readData trims trailing blanks of a default only).
const QString kMissing = QStringLiteral("\x01");

std::optional<double> position(const QString& text)
{
    bool ok = false;
    const double v = strictNumber(text, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

} // namespace

std::optional<WindowPlace> WindowPlace::read(CiniFile& ini, const QString& section)
{
    const QString visible = ini.readData(section, kVisible, kMissing);
    const QString left = ini.readData(section, kLeft, kMissing);
    const QString top = ini.readData(section, kTop, kMissing);
    if (visible == kMissing && left == kMissing && top == kMissing)
        return std::nullopt;
    WindowPlace p;
    p.visible = ConfigConversions::flagFromNumber(ConfigConversions::wholeNumber(visible)).value_or(false);
    const auto l = position(left);
    const auto t = position(top);
    if (l && t) {
        p.left = l;
        p.top = t;
    }
    return p;
}

void WindowPlace::write(CiniFile& ini, const QString& section) const
{
    ini.writeData(section, kVisible, QString::number(ConfigConversions::numberFromFlag(visible)));
    if (left && top) {
        ini.writeData(section, kLeft, ConfigConversions::formatReal(*left));
        ini.writeData(section, kTop, ConfigConversions::formatReal(*top));
    }
}

} // namespace tessary
