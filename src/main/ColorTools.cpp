// SPDX-License-Identifier: MIT
#include "main/ColorTools.h"

#include "color/ColorModel.h"
#include "platform/ColorValue.h"

#include <cmath>

namespace tessary {

double ColorTools::component(ColorModel& model, int k)
{
    switch (k) {
    case Hue:
        return model.getHue();
    case Saturation:
        return model.getSatuation();
    default:
        return model.getLightness();
    }
}

void ColorTools::setComponent(ColorModel& model, int k, double value)
{
    switch (k) {
    case Hue:
        model.SetHue(value);
        break;
    case Saturation:
        model.SetSatuation(value);
        break;
    default:
        model.SetLightness(value);
        break;
    }
}

ColorTools::Scheme ColorTools::each(const Scheme& scheme, const std::function<void(ColorModel&)>& change)
{
    Scheme out{};
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        ColorModel model;
        model.setColor(scheme[i]);
        model.refreshColorModel();
        change(model);
        model.refreshColorModel();
        out[i] = model.getColor();
    }
    return out;
}

ColorTools::Scheme ColorTools::unify(const Scheme& scheme, int k, double value)
{
    return each(scheme, [k, value](ColorModel& m) { setComponent(m, k, value); });
}

double ColorTools::average(const Scheme& scheme, int k)
{
    double sum = 0.0;
    for (const std::int32_t c : scheme) {
        ColorModel model;
        model.setColor(c);
        model.refreshColorModel();
        sum += component(model, k);
    }
    return sum / static_cast<double>(scheme.size());
}

ColorTools::Scheme ColorTools::complement(const Scheme& scheme)
{
    return each(scheme, [](ColorModel& m) { m.SetHue(m.getComplementaryColor()); });
}

int ColorTools::randomChannel(double u)
{
    if (!(u >= 0.0))   // also NaN
        return 0;
    const double v = std::floor(u * 255.0);
    return v > 254.0 ? 254 : static_cast<int>(v);
}

std::int32_t ColorTools::randomColor(const RandomSource& random)
{
    const int r = randomChannel(random());
    const int g = randomChannel(random());
    const int b = randomChannel(random());
    return ColorValue::pack(r, g, b);
}

ColorTools::Scheme ColorTools::randomize(const RandomSource& random)
{
    Scheme out{};
    for (std::int32_t& c : out)
        c = randomColor(random);
    return out;
}

} // namespace tessary
