// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

namespace tessary {

// The named colours of CSS (148 names, grey and gray spellings both).
class CssColorNames {
public:
    static constexpr int kCount = 148;

    // The colour value (red in the low byte) of a name in any letter case, if it is one.
    static std::optional<std::int32_t> find(QStringView name);
    // The name at index 0..kCount-1 in alphabetical order, and its colour as 0xRRGGBB.
    static const char* nameAt(int index);
    static std::uint32_t rgbAt(int index);
};

} // namespace tessary
