// SPDX-License-Identifier: MIT
#include "cvd/VisionSimulator.h"

#include "cvd/SrgbTransfer.h"
#include "platform/ColorValue.h"

namespace tessary {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Linear = VisionSimulator::Linear;

constexpr Matrix kIdentity = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

// Viénot, Brettel & Mollon 1999: the plane through black, blue and yellow in LMS, reached
// along the missing cone's axis. LMS from the Smith & Pokorny 1975 cone fundamentals, XYZ
// from the sRGB (IEC 61966-2-1) primaries; precomposed into linear RGB.
constexpr Matrix kVienotProtan = {{{0.108889311025, 0.891110688975, 0.0},
                                   {0.108889311025, 0.891110688975, 0.0},
                                   {0.004471314172, -0.004471314172, 1.0}}};
constexpr Matrix kVienotDeutan = {{{0.290305321266, 0.709694678734, 0.0},
                                   {0.290305321266, 0.709694678734, 0.0},
                                   {-0.021973539447, 0.021973539447, 1.0}}};

// Brettel, Viénot & Mollon 1997, tritan: two half-planes through LMS(white) and the
// 485 nm and 660 nm spectral colours (CIE 1931 2° observer), the same LMS model as above.
// A colour with dot(rgb, split) >= 0 uses the 660 nm plane.
constexpr Matrix kBrettelTritan660 = {{{1.013541615309, 0.142682310715, -0.156223926024},
                                       {-0.011805364773, 0.875611831661, 0.136193533111},
                                       {0.077072534506, 0.812080912463, 0.110846553030}}};
constexpr Matrix kBrettelTritan485 = {{{0.933369762935, 0.199990049944, -0.133359812879},
                                       {0.058087180555, 0.825651856395, 0.116260963051},
                                       {-0.379228114839, 1.138249734169, 0.240978380670}}};
constexpr Linear kBrettelTritanSplit = {0.039600950722, -0.028307203713, -0.011293747009};

// Machado, Oliveira & Fernandes 2009, the matrices published with the paper (the authors'
// supplementary page), severity 0.0, 0.1, ... 1.0.
using MachadoSet = std::array<Matrix, 11>;
constexpr MachadoSet kMachadoProtan = {{
    {{{1.000000, 0.000000, 0.000000}, {0.000000, 1.000000, 0.000000}, {0.000000, 0.000000, 1.000000}}},
    {{{0.856167, 0.182038, -0.038205}, {0.029342, 0.955115, 0.015544}, {-0.002880, -0.001563, 1.004443}}},
    {{{0.734766, 0.334872, -0.069637}, {0.051840, 0.919198, 0.028963}, {-0.004928, -0.004209, 1.009137}}},
    {{{0.630323, 0.465641, -0.095964}, {0.069181, 0.890046, 0.040773}, {-0.006308, -0.007724, 1.014032}}},
    {{{0.539009, 0.579343, -0.118352}, {0.082546, 0.866121, 0.051332}, {-0.007136, -0.011959, 1.019095}}},
    {{{0.458064, 0.679578, -0.137642}, {0.092785, 0.846313, 0.060902}, {-0.007494, -0.016807, 1.024301}}},
    {{{0.385450, 0.769005, -0.154455}, {0.100526, 0.829802, 0.069673}, {-0.007442, -0.022190, 1.029632}}},
    {{{0.319627, 0.849633, -0.169261}, {0.106241, 0.815969, 0.077790}, {-0.007025, -0.028051, 1.035076}}},
    {{{0.259411, 0.923008, -0.182420}, {0.110296, 0.804340, 0.085364}, {-0.006276, -0.034346, 1.040622}}},
    {{{0.203876, 0.990338, -0.194214}, {0.112975, 0.794542, 0.092483}, {-0.005222, -0.041043, 1.046265}}},
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
}};
constexpr MachadoSet kMachadoDeutan = {{
    {{{1.000000, 0.000000, 0.000000}, {0.000000, 1.000000, 0.000000}, {0.000000, 0.000000, 1.000000}}},
    {{{0.866435, 0.177704, -0.044139}, {0.049567, 0.939063, 0.011370}, {-0.003453, 0.007233, 0.996220}}},
    {{{0.760729, 0.319078, -0.079807}, {0.090568, 0.889315, 0.020117}, {-0.006027, 0.013325, 0.992702}}},
    {{{0.675425, 0.433850, -0.109275}, {0.125303, 0.847755, 0.026942}, {-0.007950, 0.018572, 0.989378}}},
    {{{0.605511, 0.528560, -0.134071}, {0.155318, 0.812366, 0.032316}, {-0.009376, 0.023176, 0.986200}}},
    {{{0.547494, 0.607765, -0.155259}, {0.181692, 0.781742, 0.036566}, {-0.010410, 0.027275, 0.983136}}},
    {{{0.498864, 0.674741, -0.173604}, {0.205199, 0.754872, 0.039929}, {-0.011131, 0.030969, 0.980162}}},
    {{{0.457771, 0.731899, -0.189670}, {0.226409, 0.731012, 0.042579}, {-0.011595, 0.034333, 0.977261}}},
    {{{0.422823, 0.781057, -0.203881}, {0.245752, 0.709602, 0.044646}, {-0.011843, 0.037423, 0.974421}}},
    {{{0.392952, 0.823610, -0.216562}, {0.263559, 0.690210, 0.046232}, {-0.011910, 0.040281, 0.971630}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
}};
constexpr MachadoSet kMachadoTritan = {{
    {{{1.000000, 0.000000, 0.000000}, {0.000000, 1.000000, 0.000000}, {0.000000, 0.000000, 1.000000}}},
    {{{0.926670, 0.092514, -0.019184}, {0.021191, 0.964503, 0.014306}, {0.008437, 0.054813, 0.936750}}},
    {{{0.895720, 0.133330, -0.029050}, {0.029997, 0.945400, 0.024603}, {0.013027, 0.104707, 0.882266}}},
    {{{0.905871, 0.127791, -0.033662}, {0.026856, 0.941251, 0.031893}, {0.013410, 0.148296, 0.838294}}},
    {{{0.948035, 0.089490, -0.037526}, {0.014364, 0.946792, 0.038844}, {0.010853, 0.193991, 0.795156}}},
    {{{1.017277, 0.027029, -0.044306}, {-0.006113, 0.958479, 0.047634}, {0.006379, 0.248708, 0.744913}}},
    {{{1.104996, -0.046633, -0.058363}, {-0.032137, 0.971635, 0.060503}, {0.001336, 0.317922, 0.680742}}},
    {{{1.193214, -0.109812, -0.083402}, {-0.058496, 0.979410, 0.079086}, {-0.002346, 0.403492, 0.598854}}},
    {{{1.257728, -0.139648, -0.118081}, {-0.078003, 0.975409, 0.102594}, {-0.003316, 0.501214, 0.502102}}},
    {{{1.278864, -0.125333, -0.153531}, {-0.084748, 0.957674, 0.127074}, {-0.000989, 0.601151, 0.399838}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
}};

// Linear between the two published neighbours; the weight comes from whole percents, so
// 55 % is exactly half of 50 % and half of 60 %.
Matrix machadoAt(const MachadoSet& set, int percent)
{
    const int k = percent / 10;
    if (k >= 10)
        return set[10];
    const double t = (percent % 10) / 10.0;
    Matrix m{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m[i][j] = (1.0 - t) * set[k][i][j] + t * set[k + 1][i][j];
    return m;
}

// The one linear-light step both colour paths share, so they round alike.
inline Linear transform(const Matrix& first, const Matrix& second, const Linear& split, double r, double g,
                        double b)
{
    const Matrix& m = (split[0] * r + split[1] * g + split[2] * b >= 0.0) ? first : second;
    return {m[0][0] * r + m[0][1] * g + m[0][2] * b, m[1][0] * r + m[1][1] * g + m[1][2] * b,
            m[2][0] * r + m[2][1] * g + m[2][2] * b};
}

} // namespace

VisionSimulator::VisionSimulator(const VisionMode& mode)
    : m_mode(mode)
{
    switch (mode.kind()) {
    case VisionKind::None:
        m_first = kIdentity;
        break;
    case VisionKind::Protanopia:
        m_first = kVienotProtan;
        break;
    case VisionKind::Deuteranopia:
        m_first = kVienotDeutan;
        break;
    case VisionKind::Tritanopia:
        m_first = kBrettelTritan660;
        m_second = kBrettelTritan485;
        m_split = kBrettelTritanSplit;
        break;
    case VisionKind::Protanomaly:
        m_first = machadoAt(kMachadoProtan, mode.strength());
        break;
    case VisionKind::Deuteranomaly:
        m_first = machadoAt(kMachadoDeutan, mode.strength());
        break;
    case VisionKind::Tritanomaly:
        m_first = machadoAt(kMachadoTritan, mode.strength());
        break;
    }
    if (mode.kind() != VisionKind::Tritanopia)
        m_second = m_first;
    m_identity = m_first == kIdentity && m_second == kIdentity;
}

VisionSimulator::Linear VisionSimulator::simulateLinear(const Linear& rgb) const
{
    return transform(m_first, m_second, m_split, rgb[0], rgb[1], rgb[2]);
}

std::int32_t VisionSimulator::simulate(std::int32_t colorValue) const
{
    const std::int32_t c = colorValue & 0xFFFFFF;
    if (m_identity)
        return c;
    const Linear out = transform(m_first, m_second, m_split, SrgbTransfer::decode(ColorValue::red(c)),
                                 SrgbTransfer::decode(ColorValue::green(c)), SrgbTransfer::decode(ColorValue::blue(c)));
    return ColorValue::pack(SrgbTransfer::encode(out[0]), SrgbTransfer::encode(out[1]), SrgbTransfer::encode(out[2]));
}

void VisionSimulator::simulatePixels(std::uint32_t* pixels, std::size_t count) const
{
    if (m_identity)
        return;
    const SrgbTransfer::Tables& t = SrgbTransfer::tables();
    // Pictures have runs of one colour; remembering the last one skips most of the work there.
    // Every method keeps black, so black is the first remembered colour.
    std::uint32_t lastIn = 0;
    std::uint32_t lastOut = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t px = pixels[i];
        const std::uint32_t rgb = px & 0xFFFFFFu;
        if (rgb != lastIn) {
            const Linear out = transform(m_first, m_second, m_split, t.decode[rgb >> 16], t.decode[(rgb >> 8) & 0xFF],
                                         t.decode[rgb & 0xFF]);
            lastIn = rgb;
            lastOut = (std::uint32_t(SrgbTransfer::encodeFast(t, out[0])) << 16)
                | (std::uint32_t(SrgbTransfer::encodeFast(t, out[1])) << 8)
                | std::uint32_t(SrgbTransfer::encodeFast(t, out[2]));
        }
        pixels[i] = (px & 0xFF000000u) | lastOut;
    }
}

} // namespace tessary
