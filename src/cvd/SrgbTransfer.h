// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace tessary {

// The sRGB transfer curve (IEC 61966-2-1) between 8-bit codes and linear light 0..1, once as
// the plain formula and once as tables for whole pictures. The table encoder gives exactly
// the formula's code for every double, so the two paths never disagree.
class SrgbTransfer {
public:
    // Linear light of a code 0..255 (codes outside are clamped).
    static double decode(int code);
    // The nearest code 0..255 of a linear value; below 0 gives 0, above 1 gives 255.
    static int encode(double linear);

    // Slots of the encoder table over 0..1; a power of two, so finding the slot is exact.
    static constexpr int EncodeSlots = 4096;

    struct Tables {
        std::array<double, 256> decode;
        // encode() at the start of each slot, i / EncodeSlots; the last slot holds 1.0 alone.
        std::array<std::uint8_t, EncodeSlots + 1> slotStart;
        // step[k]: the smallest linear value that encodes to k or more; step[256] is infinite.
        // A slot never holds more than one step, so one comparison finishes the look-up.
        std::array<double, 257> step;
    };
    // Built on first use (thread-safe) from decode() and encode().
    static const Tables& tables();

    // encode() through the tables, for linear values within +-1000 (a simulation's stay within
    // -1..2). Out-of-range values need no clamping of their own: the clamped slot and the
    // infinite last step already give 0 or 255. No branches, as saturated colours fall outside
    // often and mispredicted jumps would cost more than the look-up.
    static int encodeFast(const Tables& t, double linear)
    {
        const int slot = std::clamp(static_cast<int>(linear * EncodeSlots), 0, EncodeSlots);
        const int code = t.slotStart[slot];
        return code + (linear >= t.step[code + 1] ? 1 : 0);
    }
};

} // namespace tessary
