// SPDX-License-Identifier: MIT
#include "contrast/PictureContrast.h"

#include "contrast/Wcag.h"
#include "platform/ColorValue.h"

#include <algorithm>

namespace tessary {

namespace {

std::int32_t toColorValue(std::uint32_t pixel, PictureContrast::PixelOrder order)
{
    if (order == PictureContrast::PixelOrder::ColorValue)
        return std::int32_t(pixel & 0xFFFFFF);
    return ColorValue::pack(int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF));
}

} // namespace

PictureContrast::PictureContrast(std::span<const std::uint32_t> pixels, PixelOrder order)
{
    m_luminances.reserve(pixels.size());
    for (std::uint32_t p : pixels)
        m_luminances.push_back(Wcag::luminance(toColorValue(p, order)));
    std::sort(m_luminances.begin(), m_luminances.end());
}

std::optional<PictureContrast::Measure> PictureContrast::measure(std::int32_t textColor) const
{
    if (m_luminances.empty())
        return std::nullopt;
    const double text = Wcag::luminance(textColor);
    const std::size_t n = m_luminances.size();
    const std::size_t k = std::max<std::size_t>(1, (n * 5 + 99) / 100);
    return Measure{kthLowest(text, 1), kthLowest(text, k), qsizetype(n)};
}

double PictureContrast::kthLowest(double text, std::size_t k) const
{
    // The k lowest ratios belong to the k pixels nearest to the text in log(Y + 0.05): a
    // window of k neighbours in the sorted luminances. Find its start by bisection; comparing
    // (t + f)^2 with (a + f)(b + f) compares the two log distances without taking logs.
    const auto& y = m_luminances;
    const double t = text + Wcag::kFlare;
    std::size_t lo = 0;
    std::size_t hi = y.size() - k;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (t * t > (y[mid] + Wcag::kFlare) * (y[mid + k] + Wcag::kFlare))
            lo = mid + 1;
        else
            hi = mid;
    }
    return std::max(Wcag::ratio(text, y[lo]), Wcag::ratio(text, y[lo + k - 1]));
}

} // namespace tessary
