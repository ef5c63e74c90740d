// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace tessary {

class ColorModel;

// The colour tools that act on all five colour objects of a scheme (three sample texts,
// then Shape1 and Shape2). Each object's colour goes through a colour model in step, is
// changed there, and comes back as the model's colour value.
class ColorTools {
public:
    using Scheme = std::array<std::int32_t, 5>;
    // A source of uniform reals in [0, 1).
    using RandomSource = std::function<double()>;
    // Component numbers: 0 hue (degrees, -1 for a grey), 1 saturation, 2 lightness (0..1).
    enum Component { Hue = 0, Saturation = 1, Lightness = 2 };

    // Component k of the model (brought in step first).
    static double component(ColorModel& model, int k);
    // Sets component k; the other two keep their values.
    static void setComponent(ColorModel& model, int k, double value);

    // Every object takes value as its component k (a hue of -1 included).
    static Scheme unify(const Scheme& scheme, int k, double value);
    // The plain arithmetic mean of component k over the five objects: hues do not wrap at
    // 360 and a grey's hue counts as -1.
    static double average(const Scheme& scheme, int k);
    // Every object turned to its complementary hue; saturation and lightness stay.
    static Scheme complement(const Scheme& scheme);
    // Five random colours, red, green and blue drawn in this order for each object.
    static Scheme randomize(const RandomSource& random);
    // A random colour of three channels drawn red, green, blue.
    static std::int32_t randomColor(const RandomSource& random);
    // The integer part of u * 255: 0 to 254. A value outside [0, 1) from a faulty source
    // is held inside that range.
    static int randomChannel(double u);

private:
    static Scheme each(const Scheme& scheme, const std::function<void(ColorModel&)>& change);
};

} // namespace tessary
