// SPDX-License-Identifier: MIT
#include "cvd/VisionMode.h"

#include <algorithm>
#include <QCoreApplication>

namespace tessary {

namespace {

constexpr int kKindCount = 7;

} // namespace

VisionMode::VisionMode(VisionKind kind, int strengthPercent)
    : m_kind(kind)
    , m_strength(std::clamp(strengthPercent, 0, 100))
{
}

bool VisionMode::isAnomalous() const
{
    return m_kind == VisionKind::Protanomaly || m_kind == VisionKind::Deuteranomaly
        || m_kind == VisionKind::Tritanomaly;
}

bool VisionMode::simulatesLike(const VisionMode& other) const
{
    return m_kind == other.m_kind && (!isAnomalous() || m_strength == other.m_strength);
}

QString VisionMode::kindName(VisionKind kind)
{
    switch (kind) {
    case VisionKind::None:
        return QCoreApplication::translate("VisionMode", "なし");
    case VisionKind::Protanopia:
        return QCoreApplication::translate("VisionMode", "1型2色覚");
    case VisionKind::Deuteranopia:
        return QCoreApplication::translate("VisionMode", "2型2色覚");
    case VisionKind::Tritanopia:
        return QCoreApplication::translate("VisionMode", "3型2色覚");
    case VisionKind::Protanomaly:
        return QCoreApplication::translate("VisionMode", "1型3色覚");
    case VisionKind::Deuteranomaly:
        return QCoreApplication::translate("VisionMode", "2型3色覚");
    case VisionKind::Tritanomaly:
        return QCoreApplication::translate("VisionMode", "3型3色覚");
    }
    return {};
}

QString VisionMode::strengthName(int strengthPercent)
{
    return QStringLiteral("%1%").arg(strengthPercent);
}

QString VisionMode::label() const
{
    if (!isAnomalous())
        return kindName(m_kind);
    return kindName(m_kind) + u' ' + strengthName(m_strength);
}

VisionMode VisionMode::cycled() const
{
    VisionKind next = VisionKind::None;
    switch (m_kind) {
    case VisionKind::None:
        next = VisionKind::Protanopia;
        break;
    case VisionKind::Protanopia:
        next = VisionKind::Deuteranopia;
        break;
    case VisionKind::Deuteranopia:
        next = VisionKind::Tritanopia;
        break;
    default:
        break;
    }
    return VisionMode(next, m_strength);
}

QString VisionMode::modeText() const
{
    return QString::number(static_cast<int>(m_kind));
}

QString VisionMode::strengthText() const
{
    return QString::number(m_strength);
}

std::optional<VisionKind> VisionMode::kindFromText(QStringView text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0 || n >= kKindCount || text != QString::number(n))
        return std::nullopt;
    return static_cast<VisionKind>(n);
}

std::optional<int> VisionMode::strengthFromText(QStringView text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < MinStrength || n > MaxStrength || n % StrengthStep != 0 || text != QString::number(n))
        return std::nullopt;
    return n;
}

VisionMode VisionMode::fromSettings(QStringView modeText, QStringView strengthText)
{
    return VisionMode(kindFromText(modeText).value_or(VisionKind::None),
                      strengthFromText(strengthText).value_or(DefaultStrength));
}

} // namespace tessary
