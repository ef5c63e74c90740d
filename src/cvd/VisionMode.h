// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace tessary {

// Which colour vision the display window imitates. The numbers are what the settings file
// stores; keep them.
enum class VisionKind : std::int8_t {
    None = 0,
    Protanopia = 1,    // 1型2色覚
    Deuteranopia = 2,  // 2型2色覚
    Tritanopia = 3,    // 3型2色覚
    Protanomaly = 4,   // 1型3色覚, with a strength
    Deuteranomaly = 5, // 2型3色覚, with a strength
    Tritanomaly = 6,   // 3型3色覚, with a strength
};

// A kind of colour vision and the strength (percent) of the anomalous kinds. The strength is
// kept whatever the kind, so the menu remembers it while another kind is chosen.
class VisionMode {
public:
    // The strengths the menu offers: 10 % to 100 % in steps of 10.
    static constexpr int MinStrength = 10;
    static constexpr int MaxStrength = 100;
    static constexpr int StrengthStep = 10;
    static constexpr int DefaultStrength = 50;

    // The settings file: [ColorVision] Mode=<kind number 0..6>, Strength=<percent>.
    static constexpr const char* SettingsSection = "ColorVision";
    static constexpr const char* ModeKey = "Mode";
    static constexpr const char* StrengthKey = "Strength";

    VisionMode() = default;
    // A strength outside 0..100 is clamped; 0 leaves the colours as they are.
    explicit VisionMode(VisionKind kind, int strengthPercent = DefaultStrength);

    VisionKind kind() const { return m_kind; }
    int strength() const { return m_strength; }
    bool isNone() const { return m_kind == VisionKind::None; }
    bool isAnomalous() const;
    // True when both give the same colours: same kind and, for the anomalous kinds, the same
    // strength. A cache of simulated pictures keys on this, not on ==.
    bool simulatesLike(const VisionMode& other) const;

    // The name for the menu ("1型2色覚"); "なし" for None.
    static QString kindName(VisionKind kind);
    // The menu text of a strength ("60%").
    static QString strengthName(int strengthPercent);
    // A short text for a badge: the kind's name, with the strength for the anomalous kinds
    // ("2型3色覚 60%").
    QString label() const;

    // The shortcut's next mode: none, P, D, T dichromacy, then none again. An anomalous kind
    // goes to none. The strength is kept.
    VisionMode cycled() const;

    // Settings values: the kind as its number, the strength in percent.
    QString modeText() const;
    QString strengthText() const;
    // A whole number 0..6, nothing else.
    static std::optional<VisionKind> kindFromText(QStringView text);
    // One of the menu's strengths (10, 20, ... 100), nothing else.
    static std::optional<int> strengthFromText(QStringView text);
    // The mode from the two settings values; a value that cannot be used keeps its default.
    static VisionMode fromSettings(QStringView modeText, QStringView strengthText);

    friend bool operator==(const VisionMode&, const VisionMode&) = default;

private:
    VisionKind m_kind = VisionKind::None;
    int m_strength = DefaultStrength;
};

} // namespace tessary
