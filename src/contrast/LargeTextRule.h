// SPDX-License-Identifier: MIT
#pragma once

#include "platform/StdFont.h"

namespace tessary {

// When a label's text counts as large for the contrast marks. The Japanese rule (22 pt, or
// 18 pt bold) is the default because the sample texts are mostly Japanese; WCAG's own
// 18 pt / 14 pt bold is the alternative. Sizes compare exactly: 21.9 pt is not large.
class LargeTextRule {
public:
    enum class Kind { Japanese, Wcag };

    constexpr LargeTextRule() = default;
    constexpr explicit LargeTextRule(Kind kind) : m_kind(kind) {}

    constexpr Kind kind() const { return m_kind; }
    double minimumPoints(bool bold) const;
    bool isLarge(double points, bool bold) const { return points >= minimumPoints(bold); }
    bool isLarge(const StdFont& font) const { return isLarge(font.size, font.bold); }

    bool operator==(const LargeTextRule&) const = default;

private:
    Kind m_kind = Kind::Japanese;
};

} // namespace tessary
