// SPDX-License-Identifier: MIT
#include "contrast/ContrastSettings.h"

#include "settings/CiniFile.h"
#include "settings/WindowPlace.h"

namespace tessary {

namespace {

const QString kSection = QString::fromLatin1(ContrastSettings::Section);
const QString kTarget = QStringLiteral("Target");
const QString kRule = QStringLiteral("LargeTextRule");
// No value in the file reads as this (readData trims trailing blanks of a default only).
const QString kMissing = QStringLiteral("\x01");

} // namespace

QString ContrastSettings::targetText(Wcag::Level level)
{
    return level == Wcag::Level::AAA ? QStringLiteral("AAA") : QStringLiteral("AA");
}

std::optional<Wcag::Level> ContrastSettings::targetFromText(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"AA", Qt::CaseInsensitive) == 0)
        return Wcag::Level::AA;
    if (t.compare(u"AAA", Qt::CaseInsensitive) == 0)
        return Wcag::Level::AAA;
    return std::nullopt;
}

QString ContrastSettings::ruleText(LargeTextRule::Kind kind)
{
    return kind == LargeTextRule::Kind::Wcag ? QStringLiteral("WCAG") : QStringLiteral("Japanese");
}

std::optional<LargeTextRule::Kind> ContrastSettings::ruleFromText(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"Japanese", Qt::CaseInsensitive) == 0)
        return LargeTextRule::Kind::Japanese;
    if (t.compare(u"WCAG", Qt::CaseInsensitive) == 0)
        return LargeTextRule::Kind::Wcag;
    return std::nullopt;
}

std::optional<ContrastSettings> ContrastSettings::read(CiniFile& ini)
{
    const std::optional<WindowPlace> place = WindowPlace::read(ini, kSection);
    const QString target = ini.readData(kSection, kTarget, kMissing);
    const QString rule = ini.readData(kSection, kRule, kMissing);
    if (!place && target == kMissing && rule == kMissing)
        return std::nullopt;
    ContrastSettings s;
    if (place) {
        s.visible = place->visible;
        s.left = place->left;
        s.top = place->top;
    }
    s.target = targetFromText(target).value_or(s.target);
    s.rule = LargeTextRule(ruleFromText(rule).value_or(s.rule.kind()));
    return s;
}

void ContrastSettings::write(CiniFile& ini) const
{
    WindowPlace{visible, left, top}.write(ini, kSection);
    ini.writeData(kSection, kTarget, targetText(target));
    ini.writeData(kSection, kRule, ruleText(rule.kind()));
}

} // namespace tessary
