// SPDX-License-Identifier: MIT
#include "contrast/ContrastSettings.h"

#include "platform/Numeric.h"
#include "settings/CiniFile.h"
#include "settings/ConfigConversions.h"

namespace tessary {

namespace {

const QString kSection = QString::fromLatin1(ContrastSettings::Section);
const QString kVisible = QStringLiteral("Visible");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kTarget = QStringLiteral("Target");
const QString kRule = QStringLiteral("LargeTextRule");
// No value in the file reads as this (readData trims trailing blanks of a default only).
const QString kMissing = QStringLiteral("\x01");

std::optional<double> position(const QString& text)
{
    bool ok = false;
    const double v = strictNumber(text, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

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
    const QString visible = ini.readData(kSection, kVisible, kMissing);
    const QString left = ini.readData(kSection, kLeft, kMissing);
    const QString top = ini.readData(kSection, kTop, kMissing);
    const QString target = ini.readData(kSection, kTarget, kMissing);
    const QString rule = ini.readData(kSection, kRule, kMissing);
    if (visible == kMissing && left == kMissing && top == kMissing && target == kMissing && rule == kMissing)
        return std::nullopt;
    ContrastSettings s;
    s.visible = ConfigConversions::flagFromNumber(ConfigConversions::wholeNumber(visible)).value_or(false);
    // A corner needs both coordinates.
    const auto l = position(left);
    const auto t = position(top);
    if (l && t) {
        s.left = l;
        s.top = t;
    }
    s.target = targetFromText(target).value_or(s.target);
    s.rule = LargeTextRule(ruleFromText(rule).value_or(s.rule.kind()));
    return s;
}

void ContrastSettings::write(CiniFile& ini) const
{
    ini.writeData(kSection, kVisible, QString::number(ConfigConversions::numberFromFlag(visible)));
    if (left && top) {
        ini.writeData(kSection, kLeft, ConfigConversions::formatReal(*left));
        ini.writeData(kSection, kTop, ConfigConversions::formatReal(*top));
    }
    ini.writeData(kSection, kTarget, targetText(target));
    ini.writeData(kSection, kRule, ruleText(rule.kind()));
}

} // namespace tessary
