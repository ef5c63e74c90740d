// SPDX-License-Identifier: MIT
#include "cvd/SrgbTransfer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace tessary {

namespace {

// The smallest double in [0, 1] that encodes to `code` or more. Positive doubles order like
// their bit patterns, so a bisection over the bits finds it exactly.
double firstLinearOf(int code)
{
    std::uint64_t lo = 0;                          // encodes below code
    std::uint64_t hi = std::bit_cast<std::uint64_t>(1.0); // encodes to code or more
    while (hi - lo > 1) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        if (SrgbTransfer::encode(std::bit_cast<double>(mid)) >= code)
            hi = mid;
        else
            lo = mid;
    }
    return std::bit_cast<double>(hi);
}

SrgbTransfer::Tables buildTables()
{
    SrgbTransfer::Tables t{};
    for (int code = 0; code < 256; ++code)
        t.decode[code] = SrgbTransfer::decode(code);
    for (int i = 0; i <= SrgbTransfer::EncodeSlots; ++i)
        t.slotStart[i] = static_cast<std::uint8_t>(SrgbTransfer::encode(double(i) / SrgbTransfer::EncodeSlots));
    t.step[0] = 0.0;
    for (int code = 1; code < 256; ++code)
        t.step[code] = firstLinearOf(code);
    t.step[256] = std::numeric_limits<double>::infinity();
    return t;
}

} // namespace

double SrgbTransfer::decode(int code)
{
    const double c = std::clamp(code, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int SrgbTransfer::encode(double linear)
{
    if (!(linear > 0.0))
        return 0;
    if (linear >= 1.0)
        return 255;
    const double c = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::floor(c * 255.0 + 0.5));
}

const SrgbTransfer::Tables& SrgbTransfer::tables()
{
    static const Tables t = buildTables();
    return t;
}

} // namespace tessary
