// SPDX-License-Identifier: MIT
#include "csscolor/CssColorSpaces.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace tessary {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

std::array<double, 3> multiply(const Matrix& m, const std::array<double, 3>& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrices in the exact rational forms CSS gives, so that our results agree with
// what browsers draw.
const Matrix kXyzD65ToLinearSrgb{{{12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
                                  {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
                                  {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0}}};
const Matrix kP3ToXyz{{{608311.0 / 1250200.0, 189793.0 / 714400.0, 198249.0 / 1000160.0},
                       {35783.0 / 156275.0, 247089.0 / 357200.0, 198249.0 / 2500400.0},
                       {0.0, 32229.0 / 714400.0, 5220557.0 / 5000800.0}}};
const Matrix kA98ToXyz{{{573536.0 / 994567.0, 263643.0 / 1420810.0, 187206.0 / 994567.0},
                        {591459.0 / 1989134.0, 6239551.0 / 9945670.0, 374412.0 / 4972835.0},
                        {53769.0 / 1989134.0, 351524.0 / 4972835.0, 4929758.0 / 4972835.0}}};
const Matrix kRec2020ToXyz{{{63426534.0 / 99577255.0, 20160776.0 / 139408157.0, 47086771.0 / 278816314.0},
                            {26158966.0 / 99577255.0, 472592308.0 / 697040785.0, 8267143.0 / 139408157.0},
                            {0.0, 19567812.0 / 697040785.0, 295819943.0 / 278816314.0}}};
// ProPhoto's white is D50; its matrix has no rational form.
const Matrix kProphotoToXyzD50{{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
                                {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
                                {0.0, 0.0, 0.82510460251046020}}};
// Bradford adaptation from D50 to D65.
const Matrix kD50ToD65{{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                        {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                        {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};

const std::array<double, 3> kD50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// Odd extension of a transfer curve to negative values.
template <typename F>
std::array<double, 3> mapSigned(const std::array<double, 3>& c, F curve)
{
    std::array<double, 3> out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::copysign(curve(std::abs(c[i])), c[i]);
    return out;
}

LinearRgb linearFromXyzD65(const std::array<double, 3>& xyz)
{
    const auto rgb = multiply(kXyzD65ToLinearSrgb, xyz);
    return {rgb[0], rgb[1], rgb[2]};
}

double srgbCurve(double x) { return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4); }

} // namespace

std::optional<CssColorSpaces::Predefined> CssColorSpaces::find(QStringView name)
{
    struct Entry {
        std::u16string_view name;
        Predefined space;
    };
    static constexpr Entry kSpaces[] = {
        {u"srgb", Predefined::Srgb},          {u"srgb-linear", Predefined::SrgbLinear},
        {u"display-p3", Predefined::DisplayP3}, {u"a98-rgb", Predefined::A98Rgb},
        {u"prophoto-rgb", Predefined::ProphotoRgb}, {u"rec2020", Predefined::Rec2020},
        {u"xyz", Predefined::XyzD65},          {u"xyz-d50", Predefined::XyzD50},
        {u"xyz-d65", Predefined::XyzD65},
    };
    for (const Entry& e : kSpaces) {
        if (name.compare(QStringView(e.name.data(), qsizetype(e.name.size())), Qt::CaseInsensitive) == 0)
            return e.space;
    }
    return std::nullopt;
}

double CssColorSpaces::srgbToLinear(double encoded) { return std::copysign(srgbCurve(std::abs(encoded)), encoded); }

double CssColorSpaces::linearToSrgb(double linear)
{
    const double a = std::abs(linear);
    return std::copysign(a > 0.0031308 ? 1.055 * std::pow(a, 1.0 / 2.4) - 0.055 : 12.92 * a, linear);
}

LinearRgb CssColorSpaces::fromPredefined(Predefined space, const std::array<double, 3>& c)
{
    switch (space) {
    case Predefined::Srgb:
        return {srgbToLinear(c[0]), srgbToLinear(c[1]), srgbToLinear(c[2])};
    case Predefined::SrgbLinear:
        return {c[0], c[1], c[2]};
    case Predefined::DisplayP3:
        return linearFromXyzD65(multiply(kP3ToXyz, mapSigned(c, srgbCurve)));
    case Predefined::A98Rgb:
        return linearFromXyzD65(multiply(kA98ToXyz, mapSigned(c, [](double x) { return std::pow(x, 563.0 / 256.0); })));
    case Predefined::ProphotoRgb: {
        const auto lin = mapSigned(c, [](double x) { return x <= 16.0 / 512.0 ? x / 16.0 : std::pow(x, 1.8); });
        return linearFromXyzD65(multiply(kD50ToD65, multiply(kProphotoToXyzD50, lin)));
    }
    case Predefined::Rec2020: {
        constexpr double alpha = 1.09929682680944;
        constexpr double beta = 0.018053968510807;
        const auto lin = mapSigned(c, [](double x) {
            return x < beta * 4.5 ? x / 4.5 : std::pow((x + alpha - 1.0) / alpha, 1.0 / 0.45);
        });
        return linearFromXyzD65(multiply(kRec2020ToXyz, lin));
    }
    case Predefined::XyzD50:
        return linearFromXyzD65(multiply(kD50ToD65, c));
    case Predefined::XyzD65:
        break;
    }
    return linearFromXyzD65(c);
}

LinearRgb CssColorSpaces::fromLab(double L, double a, double b)
{
    constexpr double kappa = 24389.0 / 27.0;
    constexpr double epsilon = 216.0 / 24389.0;
    const double fy = (L + 16.0) / 116.0;
    const double fx = a / 500.0 + fy;
    const double fz = fy - b / 200.0;
    const double x = fx * fx * fx > epsilon ? fx * fx * fx : (116.0 * fx - 16.0) / kappa;
    const double y = L > kappa * epsilon ? fy * fy * fy : L / kappa;
    const double z = fz * fz * fz > epsilon ? fz * fz * fz : (116.0 * fz - 16.0) / kappa;
    const std::array<double, 3> xyzD50{x * kD50White[0], y * kD50White[1], z * kD50White[2]};
    return linearFromXyzD65(multiply(kD50ToD65, xyzD50));
}

std::array<double, 3> CssColorSpaces::hslToSrgb(double hue, double saturation, double lightness)
{
    const double a = saturation * std::min(lightness, 1.0 - lightness);
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30.0, 12.0);
        return lightness - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
    };
    return {channel(0.0), channel(8.0), channel(4.0)};
}

std::array<double, 3> CssColorSpaces::hwbToSrgb(double hue, double white, double black)
{
    if (white + black >= 1.0) {
        const double grey = white / (white + black);
        return {grey, grey, grey};
    }
    auto rgb = hslToSrgb(hue, 1.0, 0.5);
    for (double& c : rgb)
        c = c * (1.0 - white - black) + white;
    return rgb;
}

} // namespace tessary
